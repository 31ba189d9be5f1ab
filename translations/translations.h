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

// Has text in Arabic script (Arabic, Persian, Urdu: the phrases as much as
// the translations) drawn by one font that holds all its letters, where such
// a font is installed. The font a desktop offers first for the script often
// lacks the letters of Persian and Urdu (such as U+06C1, heh goal), and a
// letter taken from another font no longer joins its neighbours. Call it
// after the application object is built and before any window.
void preferWholeArabicScriptFont();

#endif // VARIZEZ_TRANSLATIONS_H
