// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
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

void preferWholeArabicScriptFont()
{
    // Families that cover the whole script, the plainest first.
    const char *const whole[] = {"Noto Sans Arabic UI", "Noto Sans Arabic", "Noto Naskh Arabic UI",
                                 "Noto Naskh Arabic"};
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QStringList installed = QFontDatabase::families(QFontDatabase::Arabic);
#else
    const QStringList installed = QFontDatabase().families(QFontDatabase::Arabic);
#endif
    for (const char *family : whole)
        if (installed.contains(QLatin1String(family))) {
            // Asked for every letter the usual font lacks, before the
            // desktop's own choice for the script.
            QFont::insertSubstitution(QGuiApplication::font().family(), QLatin1String(family));
            return;
        }
}
