// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_BYTECODEC_H
#define VARIZEZ_BYTECODEC_H

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <optional>

// The bytes a device's file is made of: numbers in 7-bit groups, most
// significant first, so that small ones take one byte; texts in UTF-8 after
// their length; fixed-size numbers big-endian.

// Numbers that may be below 0, folded so that small ones stay small.
inline quint64 zigzag(qint64 n)
{
    return (quint64(n) << 1) ^ quint64(n >> 63);
}

inline qint64 unzigzag(quint64 n)
{
    return qint64(n >> 1) ^ -qint64(n & 1);
}

// Writes into one buffer, grown as needed: a device's file is written
// with every count, so it is written without a step more than needed.
class ByteWriter
{
public:
    void number(quint64 n);
    // A text in UTF-8, its length in bytes doubled; one with a surrogate
    // standing alone, which UTF-8 cannot hold, in UTF-16, its length doubled
    // and one more. Most texts take half the bytes they would in UTF-16.
    void text(const QString &text);
    template <typename T> void fixed(T n)
    {
        qToBigEndian(n, room(int(sizeof(T))));
        m_size += int(sizeof(T));
    }
    void raw(const char *data, int size);
    // All written so far.
    QByteArray bytes() const { return m_bytes.left(m_size); }
    const char *data() const { return m_bytes.constData(); }
    int size() const { return m_size; }

private:
    // Where the next size bytes go, once there is room for them.
    char *room(int size);

    QByteArray m_bytes;
    int m_size = 0;
};

// Reads what a ByteWriter wrote, never past the end and never a number beyond
// the bound asked for; the first thing wrong makes every later read fail.
class ByteReader
{
public:
    explicit ByteReader(const char *data, qint64 size)
        : m_data(data)
        , m_left(size)
    {}
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_left == 0; }

    std::optional<quint64> number(quint64 bound);
    bool count(qint64 bound, qint64 *n);
    bool signedNumber(qint64 bound, qint64 *n);
    bool text(int boundChars, QString *text);
    template <typename T> bool fixed(T *n)
    {
        if (m_left < qint64(sizeof(T)))
            return failed();
        *n = qFromBigEndian<T>(m_data);
        m_data += sizeof(T);
        m_left -= sizeof(T);
        return true;
    }
    bool skip(qint64 size);
    qint64 left() const { return m_left; }

private:
    // The first thing wrong ends the reading: nothing after it is read.
    void stop();
    bool failed();

    const char *m_data;
    qint64 m_left;
    bool m_ok = true;
};

#endif // VARIZEZ_BYTECODEC_H
