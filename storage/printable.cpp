// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printable.h"

namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
           (c >= 0xD800 && c <= 0xDFFF); // a surrogate standing alone
}

QString escaped(char32_t c)
{
    switch (c) {
    case '\n':
        return QStringLiteral("\\n");
    case '\t':
        return QStringLiteral("\\t");
    case '\r':
        return QStringLiteral("\\r");
    case 0x1B:
        return QStringLiteral("\\e");
    }
    // \xHH only where the byte is the character: ASCII.
    const QString hex = QString::number(uint(c), 16).toUpper();
    return c <= 0x7F ? QStringLiteral("\\x") + hex.rightJustified(2, QLatin1Char('0'))
                     : QStringLiteral("\\u{") + hex.rightJustified(4, QLatin1Char('0')) +
                           QLatin1Char('}');
}

// The character at index, and how many UTF-16 units it takes.
char32_t characterAt(const QString &text, int index, int *units)
{
    const QChar first = text.at(index);
    if (first.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(first, text.at(index + 1));
    }
    *units = 1;
    return first.unicode();
}

// Whether a backslash before the character at index would begin an escape.
bool beginsEscape(const QString &text, int index)
{
    int units = 0;
    return index < text.size() && (isControl(characterAt(text, index, &units)) ||
                                   QStringLiteral("\\ntrexu").contains(text.at(index)));
}

} // namespace

QString Printable::line(const QString &text, int maxChars)
{
    const int limit = qMax(1, maxChars);
    QString shown;
    int used = 0;       // characters shown so far
    int beforeLast = 0; // the length of shown that still leaves room for "…"
    for (int index = 0, units = 0; index < text.size(); index += units) {
        const char32_t c = characterAt(text, index, &units);
        const QString escape = isControl(c)                        ? escaped(c)
                               : c != '\\'                         ? QString()
                               : beginsEscape(text, index + units) ? QStringLiteral("\\\\")
                                                                   : QStringLiteral("\\");
        const int width = escape.isEmpty() ? 1 : int(escape.size());
        if (used + width > limit)
            return shown.left(beforeLast) + QChar(0x2026);
        if (escape.isEmpty())
            shown.append(text.constData() + index, units);
        else
            shown += escape;
        used += width;
        if (used < limit)
            beforeLast = int(shown.size());
    }
    return shown;
}
