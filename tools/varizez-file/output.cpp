// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output.h"

#include "printable.h"

#include <climits>
#include <cstdio>

int Output::fail(const QString &message)
{
    std::fprintf(stderr, "varizez-file: %s\n", qUtf8Printable(message));
    return 1;
}

int Output::usageError(const QString &message)
{
    return fail(message) + 1;
}

void Output::print(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

QString Output::phrases(int n)
{
    return n == 1 ? QStringLiteral("1 phrase") : QStringLiteral("%1 phrases").arg(n);
}

QString Output::shownPath(const QString &path)
{
    return Printable::line(path, PATH_MAX);
}

QString Output::shownName(const QString &name)
{
    return Printable::line(name, 64);
}

QString Output::shownPhrase(const QString &phrase)
{
    return Printable::line(phrase, 300);
}
