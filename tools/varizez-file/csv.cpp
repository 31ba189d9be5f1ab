// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv.h"

QString Csv::quoteField(const QString &field)
{
    const bool needsQuotes = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                             field.contains(QLatin1Char('\n')) ||
                             field.contains(QLatin1Char('\r')) ||
                             field.startsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char(' '));
    if (!needsQuotes)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool Csv::parse(const QString &text, QVector<Row> *rows, int *errorLine, QString *error)
{
    int line = 1;
    int i = 0;
    const int n = text.size();
    while (i < n) {
        Row row;
        row.line = line;
        for (;;) {
            QString field = QString::fromLatin1("");
            if (i < n && text.at(i) == QLatin1Char('"')) {
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= n) {
                        *errorLine = quoteLine;
                        *error = QStringLiteral("unterminated quoted field");
                        return false;
                    }
                    const QChar c = text.at(i++);
                    if (c == QLatin1Char('"')) {
                        if (i < n && text.at(i) == QLatin1Char('"')) {
                            field += c;
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == QLatin1Char('\n'))
                        ++line;
                    field += c;
                }
                if (i < n && text.at(i) != QLatin1Char(',') && text.at(i) != QLatin1Char('\r') &&
                    text.at(i) != QLatin1Char('\n')) {
                    *errorLine = line;
                    *error = QStringLiteral("text after a closing quote");
                    return false;
                }
            } else {
                while (i < n && text.at(i) != QLatin1Char(',') && text.at(i) != QLatin1Char('\r') &&
                       text.at(i) != QLatin1Char('\n')) {
                    if (text.at(i) == QLatin1Char('"')) {
                        *errorLine = line;
                        *error = QStringLiteral("a quote inside an unquoted field");
                        return false;
                    }
                    field += text.at(i++);
                }
            }
            row.fields << field;
            if (i < n && text.at(i) == QLatin1Char(',')) {
                ++i;
                continue;
            }
            break;
        }
        if (i < n && text.at(i) == QLatin1Char('\r'))
            ++i;
        if (i < n && text.at(i) == QLatin1Char('\n')) {
            ++i;
            ++line;
        }
        rows->append(row);
    }
    return true;
}
