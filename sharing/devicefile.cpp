// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicefile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QRegularExpression>
#include <QtEndian>
#include <limits>

namespace {

constexpr quint32 kMagic = 0x565A4443; // "VZDC"
constexpr quint16 kVersion = 1;
constexpr int kDigestSize = 8;
// The least an entry or a device seen takes; a count beyond what the bytes
// can hold is damage, and is not believed.
constexpr int kLeastEntry = 4 + 1;
constexpr int kLeastTally = 4 + 3 * 8;

// An entry holds its numbers only where they are not 0, and in 32 bits
// where all fit, so that a device's file is not much larger than its list.
enum Flags : quint8 {
    HasBase = 1,
    HasSighting = 2,
    Removed = 4,
    HasN = 8,
    HasUps = 16,
    HasDowns = 32,
    HasAdds = 64,
    Wide = 128,
};

bool fits32(qint64 n)
{
    return n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
}

void writeNumber(QDataStream &out, qint64 n, bool wide)
{
    if (wide)
        out << n;
    else
        out << qint32(n);
}

qint64 readNumber(QDataStream &in, bool wide)
{
    if (wide) {
        qint64 n = 0;
        in >> n;
        return n;
    }
    qint32 n = 0;
    in >> n;
    return n;
}

quint64 digestOf(const QByteArray &bytes)
{
    return qFromBigEndian<quint64>(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).constData());
}

QDataStream &operator<<(QDataStream &out, const Tally &t)
{
    return out << t.ups << t.downs << t.adds;
}

QDataStream &operator>>(QDataStream &in, Tally &t)
{
    return in >> t.ups >> t.downs >> t.adds;
}

QDataStream &operator<<(QDataStream &out, const FileStamp &s)
{
    return out << s.device << s.inode << s.size << s.modified;
}

QDataStream &operator>>(QDataStream &in, FileStamp &s)
{
    return in >> s.device >> s.inode >> s.size >> s.modified;
}

bool readEntry(QDataStream &in, DeviceEntry *entry)
{
    quint8 flags = 0;
    in >> entry->key.text >> flags;
    const bool wide = flags & Wide;
    entry->key.n = flags & HasN ? qint32(readNumber(in, false)) : 0;
    entry->tally.ups = flags & HasUps ? readNumber(in, wide) : 0;
    entry->tally.downs = flags & HasDowns ? readNumber(in, wide) : 0;
    entry->tally.adds = flags & HasAdds ? readNumber(in, wide) : 0;
    entry->hasBase = flags & HasBase;
    entry->base = entry->hasBase ? readNumber(in, wide) : 0;
    entry->hasSighting = flags & HasSighting;
    if (!entry->hasSighting)
        return in.status() == QDataStream::Ok;
    quint32 seen = 0;
    entry->sighting.removed = flags & Removed;
    in >> entry->sighting.base >> seen;
    if (in.status() != QDataStream::Ok || seen > in.device()->bytesAvailable() / kLeastTally)
        return false;
    for (quint32 i = 0; i < seen && in.status() == QDataStream::Ok; ++i) {
        QString device;
        Tally tally;
        in >> device >> tally;
        entry->sighting.tallies.insert(device, tally);
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

QByteArray DeviceFile::bytesOf(const DeviceState &state)
{
    QByteArray bytes;
    bytes.reserve(128 + int(state.entries.size()) * 64); // few reallocations
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_0);
    out << kMagic << kVersion << state.id << state.name << state.generation << state.lastCounted
        << state.listStamp << quint32(state.entries.size());
    for (const DeviceEntry &e : state.entries) {
        const bool wide = !fits32(e.tally.ups) || !fits32(e.tally.downs) || !fits32(e.tally.adds) ||
                          !fits32(e.base);
        const quint8 flags = (e.hasBase ? HasBase : 0) | (e.hasSighting ? HasSighting : 0) |
                             (e.sighting.removed ? Removed : 0) | (e.key.n ? HasN : 0) |
                             (e.tally.ups ? HasUps : 0) | (e.tally.downs ? HasDowns : 0) |
                             (e.tally.adds ? HasAdds : 0) | (wide ? Wide : 0);
        out << e.key.text << flags;
        if (e.key.n)
            out << e.key.n;
        for (const qint64 n : {e.tally.ups, e.tally.downs, e.tally.adds})
            if (n)
                writeNumber(out, n, wide);
        if (e.hasBase)
            writeNumber(out, e.base, wide);
        if (!e.hasSighting)
            continue;
        out << e.sighting.base << quint32(e.sighting.tallies.size());
        for (auto it = e.sighting.tallies.cbegin(); it != e.sighting.tallies.cend(); ++it)
            out << it.key() << it.value();
    }
    out << digestOf(bytes);
    return bytes;
}

DeviceFile::Verdict DeviceFile::read(const QByteArray &bytes, DeviceState *state)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_0);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic)
        return Verdict::Damaged;
    if (version > kVersion)
        return Verdict::Newer;
    const QByteArray body = bytes.left(bytes.size() - kDigestSize);
    if (bytes.size() < kDigestSize ||
        digestOf(body) != qFromBigEndian<quint64>(bytes.constData() + body.size()))
        return Verdict::Damaged;
    QDataStream fields(body);
    fields.setVersion(QDataStream::Qt_5_0);
    quint32 entries = 0;
    fields >> magic >> version >> state->id >> state->name >> state->generation >>
        state->lastCounted >> state->listStamp >> entries;
    if (fields.status() != QDataStream::Ok || qint64(entries) > body.size() / kLeastEntry)
        return Verdict::Damaged;
    state->entries.resize(int(entries));
    for (DeviceEntry &entry : state->entries)
        if (!readEntry(fields, &entry))
            return Verdict::Damaged;
    return fields.atEnd() ? Verdict::Whole : Verdict::Damaged;
}

QString DeviceFile::nameFor(const QString &id)
{
    return QStringLiteral("varizez-%1.counts").arg(id);
}

QString DeviceFile::idOf(const QString &fileName)
{
    static const QRegularExpression name(QStringLiteral("^varizez-([0-9a-f]{12})\\.counts$"));
    return name.match(fileName).captured(1);
}
