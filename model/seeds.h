// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SEEDS_H
#define VARIZEZ_SEEDS_H

#include <QStringList>

// The phrases a list begins with when there is none yet, each at count 0.
// The program on its first start and varizez-file turning sharing on before
// that start both begin with them, so the user sees the same list either way.
namespace Seeds {

inline QStringList phrases()
{
    return {QStringLiteral("AllahuAkbar"), QStringLiteral("SubhannAllah")};
}

} // namespace Seeds

#endif // VARIZEZ_SEEDS_H
