// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicefile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QRegularExpression>
#include <QtEndian>

namespace {

constexpr quint32 kMagic = 0x565A4443; // "VZDC"
constexpr quint16 kVersion = 1;
constexpr int kDigestSize = 8;
// The least an entry or a device seen takes; a count beyond what the bytes
// can hold is damage, and is not believed.
constexpr int kLeastEntry = 4 + 4 + 1 + 3 * 8;
constexpr int kLeastTally = 4 + 3 * 8;

enum Flags : quint8 { HasBase = 1, HasSighting = 2, Removed = 4 };

quint64 digestOf(const QByteArray &bytes)
{
    return qFromBigEndian<quint64>(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).constData());
}

QDataStream &operator<<(QDataStream &out, const Tally &t)
{
    return out << t.ups << t.downs << t.adds;
}

QDataStream &operator>>(QDataStream &in, Tally &t)
{
    return in >> t.ups >> t.downs >> t.adds;
}

bool readEntry(QDataStream &in, DeviceEntry *entry)
{
    quint8 flags = 0;
    in >> entry->key.text >> entry->key.n >> flags >> entry->tally;
    entry->hasBase = flags & HasBase;
    entry->hasSighting = flags & HasSighting;
    if (entry->hasBase)
        in >> entry->base;
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
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_0);
    out << kMagic << kVersion << state.id << state.name << state.generation << state.lastCounted
        << state.listDigests[0] << state.listDigests[1] << quint32(state.entries.size());
    for (const DeviceEntry &e : state.entries) {
        const quint8 flags = (e.hasBase ? HasBase : 0) | (e.hasSighting ? HasSighting : 0) |
                             (e.sighting.removed ? Removed : 0);
        out << e.key.text << e.key.n << flags << e.tally;
        if (e.hasBase)
            out << e.base;
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
        state->lastCounted >> state->listDigests[0] >> state->listDigests[1] >> entries;
    if (fields.status() != QDataStream::Ok || entries > body.size() / kLeastEntry)
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
