// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

// Texts of Qt's that the program shows and must carry itself: Qt ships no
// translation of them for some of the program's languages (the dialog
// buttons, --help's frame), or an older one that lacks some, and none that
// says which way Urdu is written. Listed here so that lupdate keeps them in
// every .ts file.
[[maybe_unused]] const char *const kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    //: "RTL" where the language is written from right to left, else "LTR".
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
};

QString qtTranslationsFolder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

void installTranslations()
{
    Q_INIT_RESOURCE(varizez_translations);
    static QTranslator program, qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    for (const QString &name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return; // the texts as written
        if (!program.load(language, QStringLiteral("varizez"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")))
            continue;
        // Qt's own first, so that the program's answers where both have one.
        if (qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                    qtTranslationsFolder()))
            QCoreApplication::installTranslator(&qt);
        QCoreApplication::installTranslator(&program);
        return;
    }
}
