// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_FAILURE_H
#define VARIZEZ_FAILURE_H

#include <QString>

// The functions that read and write files say what went wrong through a
// QString out-parameter and return false: this does both, so that each
// failure stays one line.
namespace Failure {

inline bool failed(const QString &reason, QString *error)
{
    *error = reason;
    return false;
}

} // namespace Failure

#endif // VARIZEZ_FAILURE_H
