#ifndef VARIZEZ_TEST_BYTES_H
#define VARIZEZ_TEST_BYTES_H

#include <QByteArray>
#include <QFile>
#include <QString>

// Test helpers for phrase files written byte by byte.
namespace TestBytes {

// "00 00 00 02 ..." to bytes; spaces are ignored.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

inline QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (24 - 8 * i)) & 0xff);
    return bytes;
}

// One record as a default QDataStream writes it, from its UTF-16 text.
inline QByteArray record(const QString &text, qint32 count)
{
    QByteArray bytes = be32(quint32(text.size() * 2));
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xff));
    }
    return bytes + be32(quint32(count));
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The two seed-like phrases of the format's worked example: 66 bytes.
inline QByteArray workedExample()
{
    return hex("00000002"
               "00000016 0041006C006C0061006800750041006B006200610072"
               "00000000"
               "00000018 00530075006200680061006E006E0041006C006C00610068"
               "00000021");
}

} // namespace TestBytes

#endif // VARIZEZ_TEST_BYTES_H
