// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bytecodec.h"

#include <cstring>

void ByteWriter::number(quint64 n)
{
    char groups[10];
    int first = sizeof groups;
    quint8 more = 0; // the last group, written first here, has no "more" bit
    do {
        groups[--first] = char((n & 0x7F) | more);
        more = 0x80;
        n >>= 7;
    } while (n);
    raw(groups + first, int(sizeof groups) - first);
}

void ByteWriter::text(const QString &text)
{
    char *const begin = room(10 + int(text.size()) * 3) + 10;
    char *out = begin;
    for (int i = 0; out && i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u < 0x80) {
            *out++ = char(u);
        } else if (u < 0x800) {
            *out++ = char(0xC0 | u >> 6);
            *out++ = char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *out++ = char(0xE0 | u >> 12);
            *out++ = char(0x80 | (u >> 6 & 0x3F));
            *out++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                   text.at(i + 1).isLowSurrogate()) {
            const char32_t c = QChar::surrogateToUcs4(u, text.at(++i).unicode());
            *out++ = char(0xF0 | c >> 18);
            *out++ = char(0x80 | (c >> 12 & 0x3F));
            *out++ = char(0x80 | (c >> 6 & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else {
            out = nullptr;
        }
    }
    if (out) {
        // The text went 10 bytes on, room for its length before it.
        const int size = int(out - begin);
        number(quint64(size) * 2);
        std::memmove(m_bytes.data() + m_size, begin, size_t(size));
        m_size += size;
        return;
    }
    number(quint64(text.size()) * 4 + 1);
    qToBigEndian<quint16>(text.utf16(), text.size(), room(int(text.size()) * 2));
    m_size += int(text.size()) * 2;
}

void ByteWriter::raw(const char *data, int size)
{
    std::memcpy(room(size), data, size_t(size));
    m_size += size;
}

char *ByteWriter::room(int size)
{
    if (m_size + size > m_bytes.size())
        m_bytes.resize(qMax(m_size + size, int(m_bytes.size()) * 2 + 256));
    return m_bytes.data() + m_size;
}

std::optional<quint64> ByteReader::number(quint64 bound)
{
    quint64 n = 0;
    for (int i = 0; m_ok && i < 10; ++i) {
        if (m_left == 0 || n > (~quint64(0) >> 7))
            break;
        const quint8 group = quint8(*m_data++);
        --m_left;
        n = (n << 7) | (group & 0x7F);
        if (!(group & 0x80)) {
            if (n <= bound)
                return n;
            break;
        }
    }
    stop();
    return std::nullopt;
}

bool ByteReader::count(qint64 bound, qint64 *n)
{
    const std::optional<quint64> read = number(quint64(bound));
    if (!read)
        return false;
    *n = qint64(*read);
    return true;
}

bool ByteReader::signedNumber(qint64 bound, qint64 *n)
{
    const std::optional<quint64> read = number(~quint64(0));
    if (!read || unzigzag(*read) < -bound || unzigzag(*read) > bound)
        return failed();
    *n = unzigzag(*read);
    return true;
}

bool ByteReader::text(int boundChars, QString *text)
{
    qint64 coded = 0;
    if (!count(qint64(boundChars) * 8 + 1, &coded))
        return false;
    const qint64 size = coded >> 1;
    const bool utf16 = coded & 1;
    if (size > m_left || (utf16 && size % 2))
        return failed();
    if (utf16) {
        text->resize(int(size / 2));
        qFromBigEndian<quint16>(m_data, size / 2, text->data());
    } else {
        *text = QString::fromUtf8(m_data, int(size));
    }
    m_data += size;
    m_left -= size;
    if (text->size() > boundChars)
        return failed();
    return true;
}

bool ByteReader::skip(qint64 size)
{
    if (size > m_left)
        return failed();
    m_data += size;
    m_left -= size;
    return true;
}

void ByteReader::stop()
{
    m_ok = false;
    m_left = 0;
}

bool ByteReader::failed()
{
    stop();
    return false;
}
