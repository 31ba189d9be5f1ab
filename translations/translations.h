// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TRANSLATIONS_H
#define VARIZEZ_TRANSLATIONS_H

// Shows the program in the desktop's language: takes the first of the
// user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the program is
// translated into, and installs its translation and Qt's own for it. An
// English locale, C, or no translated language before it keeps every text as
// written in the code. Call it after the application object is built and
// before any window; calling it again replaces what it installed.
void installTranslations();

#endif // VARIZEZ_TRANSLATIONS_H
