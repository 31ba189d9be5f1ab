// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_CSV_H
#define VARIZEZ_CSV_H

#include <QString>
#include <QStringList>
#include <QVector>

// RFC 4180 CSV: fields separated by commas, records by CRLF (LF is accepted
// on input); a field holding a comma, a quote or a line break is quoted,
// with quotes doubled.
namespace Csv {

QString quoteField(const QString &field);

struct Row
{
    int line = 0; // the line the row starts on, from 1
    QStringList fields;
};

// Splits text into rows. On malformed input returns false and sets
// errorLine and error.
bool parse(const QString &text, QVector<Row> *rows, int *errorLine, QString *error);

} // namespace Csv

#endif // VARIZEZ_CSV_H
