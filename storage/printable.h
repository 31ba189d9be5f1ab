// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PRINTABLE_H
#define VARIZEZ_PRINTABLE_H

#include <QString>

// Text from elsewhere (a phrase, another device's name, a path) as it may be
// shown: on a terminal an escape sequence or a BEL in it would retitle or
// clear the screen, and a line break would let it pass for a line of ours.
namespace Printable {

// The text on one line, every control character shown visibly: \n, \t, \r,
// \e, the other C0 controls and DEL as \xHH, the C1 controls, the line and
// paragraph separators, the bidirectional embeddings, overrides and
// isolates, and surrogates standing alone as \u{HHHH}. A backslash is
// doubled where it would otherwise read as the start of such an escape, so
// a phrase holding the two characters "\n" never passes for a line break.
// Longer than maxChars characters (at least 1), it is cut to maxChars with
// "…" as the last; a character and an escape are never cut in half.
QString line(const QString &text, int maxChars);

} // namespace Printable

#endif // VARIZEZ_PRINTABLE_H
