// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launchtokens.h"
#include "mainwindow.h"
#include "singleinstance.h"
#include "startup.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstring>

namespace {

// Help and version are asked for on a terminal: over ssh, on a console, or by
// help2man while the manual page is built, often with no display at all.
bool asksForHelpOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

QString description()
{
    return QCoreApplication::translate(
        "main",
        "Varizez counts repetitions of devotional phrases (duas), the way prayer beads are "
        "used. Keep a list of phrases, pick one, press Start and count with the big + and - "
        "buttons or the keys L (up) and A (down). Every count is saved the moment it changes."
        "\n\n"
        "The phrases and counts are kept in one file: /home/user/varizezCount.bin when "
        "/home/user is a folder you can write (the handheld the program was made for); "
        "otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when "
        "XDG_DATA_HOME is not set. \"varizez-file path\" prints the one in use, and "
        "varizez-file backs it up and restores it (see varizez-file --help)."
        "\n\n"
        "Only one copy runs in a desktop session: starting it again brings the running one "
        "to the front. Qt's own options, such as -platform and -style, are listed by "
        "--help-all; any other arguments are ignored.");
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's minimal platform is part of Qt's GUI library and needs no display;
    // a QApplication on it still takes and lists Qt's own options (-style,
    // -platform, ...), which a bare QCoreApplication would reject.
    const bool terminalOnly = asksForHelpOrVersion(argc, argv);
    const QVariantMap launchTokens = LaunchTokens::ofThisStart();
    if (terminalOnly)
        qputenv("QT_QPA_PLATFORM", "minimal");
    QApplication app(argc, argv);
    installTranslations();
    preferWholeArabicScriptFont();
    QApplication::setApplicationVersion(QStringLiteral(VARIZEZ_VERSION));
    // On Wayland this is the app id the shell matches to the desktop entry,
    // for the window's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VARIZEZ_APP_ID));
    if (terminalOnly) {
        QCommandLineParser parser;
        parser.setApplicationDescription(description());
        parser.addHelpOption();
        parser.addVersionOption();
        parser.process(app); // prints and ends the program
        // Unless the -h or -v was the value of one of Qt's options or came
        // after "--": on the minimal platform there is nothing else to do.
        parser.showHelp();
    }

    // Docks and task switchers show the window with its own icon; on X11
    // they find its desktop entry by the window's class, "varizez", which
    // the entry names as StartupWMClass.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(VARIZEZ_APP_ID), QIcon(QStringLiteral(":/icons/icons/varizez.png"))));
    SingleInstance instance(QStringLiteral(VARIZEZ_APP_ID));
    if (!instance.claim(launchTokens))
        return 0;
    MainWindow window;
    QObject::connect(&instance, &SingleInstance::activated, &window,
                     [&window](const QVariantMap &tokens) { showAgain(window, tokens); });
    presentMainWindow(window);
    return app.exec();
}
