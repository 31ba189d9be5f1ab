// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SEALEDBYTES_H
#define VARIZEZ_SEALEDBYTES_H

#include <QByteArray>
#include <QCryptographicHash>
#include <optional>

// The files beside the phrase file end with the SHA-1 of all before it, so
// that one cut short or changed is never taken for whole.
namespace SealedBytes {

inline QByteArray sealed(const QByteArray &body)
{
    return body + QCryptographicHash::hash(body, QCryptographicHash::Sha1);
}

// What bytes hold before their digest, where it matches and they are within
// the bound.
inline std::optional<QByteArray> opened(const QByteArray &bytes, qint64 bound)
{
    constexpr int kDigestSize = 20;
    if (bytes.size() < kDigestSize || bytes.size() > bound)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - kDigestSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != bytes.right(kDigestSize))
        return std::nullopt;
    return body;
}

} // namespace SealedBytes

#endif // VARIZEZ_SEALEDBYTES_H
