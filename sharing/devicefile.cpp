// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicefile.h"

#include "bytecodec.h"
#include "deviceparts.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QSet>
#include <optional>
#include <set>

namespace {

constexpr quint32 kMagic = 0x565A4443; // "VZDC"
constexpr quint16 kVersion = 2;
constexpr int kDigestSize = 8;
constexpr int kNameBound = 256;   // characters of a device's name
constexpr int kSectionBound = 64; // sections a later version may add
constexpr quint64 kSealSection = 1;
constexpr quint64 kTargetsSection = 2;     // before the seal, which covers it
constexpr quint64 kQuickWritesSection = 3; // the same
constexpr quint64 kDaysSection = 4;        // the same
constexpr int kSealSize = 16;
constexpr qint64 kTimeBound = qint64(1) << 53;

QByteArray sha1(const char *data, int size)
{
    return QCryptographicHash::hash(QByteArray::fromRawData(data, size), QCryptographicHash::Sha1);
}

// The file's digest, of the digest of all before the sections, and the
// sections: the large part is hashed once, for the digest and the seal.
QByteArray digestOf(const QByteArray &entriesDigest, const char *sections, int size)
{
    return sha1((entriesDigest + QByteArray::fromRawData(sections, size)).constData(),
                entriesDigest.size() + size)
        .left(kDigestSize);
}

// What only the key makes of all before the sections, and of the targets.
QByteArray sealOf(const QByteArray &entriesDigest, const QByteArray &targets, const QByteArray &key)
{
    return QMessageAuthenticationCode::hash(entriesDigest + targets, key,
                                            QCryptographicHash::Sha256)
        .left(kSealSize);
}

bool isId(const QString &id)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{12}$"));
    return hex.match(id).hasMatch();
}

bool readHead(ByteReader &in, DeviceState *state)
{
    if (!in.text(12, &state->id) || !isId(state->id) || !in.text(kNameBound, &state->name) ||
        !in.signedNumber(kTimeBound, &state->lastCounted))
        return false;
    const std::optional<quint64> device = in.number(~quint64(0));
    if (!device)
        return false;
    const std::optional<quint64> inode = in.number(~quint64(0));
    if (!inode)
        return false;
    FileStamp &r = state->replaced;
    qint64 size = 0;
    if (!in.signedNumber(std::numeric_limits<qint64>::max() / 2, &size) ||
        !in.signedNumber(std::numeric_limits<qint64>::max() / 2, &r.modified))
        return false;
    r.device = *device;
    r.inode = *inode;
    r.size = size;
    return true;
}

} // namespace

QByteArray DeviceFile::bytesOf(const DeviceState &state, const QByteArray &key)
{
    // The devices that its resets and removals saw, once each.
    std::set<QString> named;
    for (const DeviceEntry &e : state.entries)
        for (const Seen *seen : {&e.reset, &e.removed})
            for (auto it = seen->tallies.cbegin(); it != seen->tallies.cend(); ++it)
                named.insert(it.key());
    QHash<QString, int> indexOf;
    ByteWriter out;
    out.fixed(kMagic);
    out.fixed(kVersion);
    out.text(state.id);
    out.text(state.name.left(kNameBound));
    out.number(zigzag(state.lastCounted));
    const FileStamp &r = state.replaced;
    out.number(r.device);
    out.number(r.inode);
    out.number(zigzag(r.size));
    out.number(zigzag(r.modified));
    out.number(named.size());
    for (const QString &id : named) {
        indexOf.insert(id, indexOf.size());
        out.text(id);
    }
    out.number(quint64(state.entries.size()));
    for (const DeviceEntry &e : state.entries)
        DeviceParts::writeEntry(out, e, indexOf);
    const QByteArray entriesDigest = sha1(out.data(), out.size());
    ByteWriter targets;
    if (!state.targets.isEmpty())
        DeviceParts::writeTargets(targets, state.targets);
    const QByteArray targetBytes(targets.data(), targets.size());
    ByteWriter quick;
    if (!state.quickWrites.isEmpty())
        DeviceParts::writeQuickWrites(quick, state.quickWrites);
    const QByteArray quickBytes(quick.data(), quick.size());
    ByteWriter days;
    if (!state.days.isEmpty() || !state.daysBrought.isEmpty())
        DeviceParts::writeDays(days, state.days, state.daysBrought);
    const QByteArray dayBytes(days.data(), days.size());
    ByteWriter sections;
    sections.number((key.isEmpty() ? 0 : 1) + (targetBytes.isEmpty() ? 0 : 1) +
                    (quickBytes.isEmpty() ? 0 : 1) + (dayBytes.isEmpty() ? 0 : 1));
    for (const auto &[type, bytes] :
         {std::pair<quint64, const QByteArray &>{kTargetsSection, targetBytes},
          {kQuickWritesSection, quickBytes},
          {kDaysSection, dayBytes}}) {
        if (bytes.isEmpty())
            continue;
        sections.number(type);
        sections.number(quint64(bytes.size()));
        sections.raw(bytes.constData(), int(bytes.size()));
    }
    if (!key.isEmpty()) {
        ByteWriter seal;
        seal.number(quint64(state.generation));
        const QByteArray code = sealOf(entriesDigest, targetBytes + quickBytes + dayBytes, key);
        seal.raw(code.constData(), int(code.size()));
        sections.number(kSealSection);
        sections.number(quint64(seal.size()));
        sections.raw(seal.data(), seal.size());
    }
    out.raw(sections.data(), sections.size());
    const QByteArray digest = digestOf(entriesDigest, sections.data(), sections.size());
    out.raw(digest.constData(), int(digest.size()));
    return out.bytes();
}

FileVerdict DeviceFile::read(const QByteArray &bytes, DeviceState *state, const QByteArray &key)
{
    ByteReader head(bytes.constData(), bytes.size());
    quint32 magic = 0;
    quint16 version = 0;
    if (!head.fixed(&magic) || !head.fixed(&version) || magic != kMagic)
        return FileVerdict::Damaged;
    if (version > kVersion)
        return FileVerdict::Newer;
    const qint64 size = qint64(bytes.size()) - kDigestSize;
    if (version < kVersion || size < 6 || size > kSizeBound)
        return FileVerdict::Damaged;

    ByteReader in(bytes.constData() + 6, size - 6);
    DeviceState read;
    if (!readHead(in, &read))
        return FileVerdict::Damaged;
    QStringList devices;
    qint64 named = 0, entries = 0, sections = 0;
    if (!in.count(DeviceBounds::kDevices, &named))
        return FileVerdict::Damaged;
    for (qint64 i = 0; i < named; ++i) {
        QString id;
        if (!in.text(12, &id) || !isId(id) || devices.contains(id))
            return FileVerdict::Damaged;
        devices << id;
    }
    if (!in.count(DeviceParts::kEntryBound, &entries))
        return FileVerdict::Damaged;
    QSet<PhraseKey> keys;
    read.entries.reserve(int(qMin(entries, in.left())));
    for (qint64 i = 0; i < entries; ++i) {
        read.entries.append(DeviceEntry());
        if (!DeviceParts::readEntry(in, devices, &read.entries.last()) ||
            keys.contains(read.entries.last().key))
            return FileVerdict::Damaged;
        keys.insert(read.entries.last().key);
    }
    // The seal, then what a later version adds: skipped, so that this one
    // still reads the counts of a device that runs it.
    const int sectionsAt = int(size - in.left());
    const QByteArray entriesDigest = sha1(bytes.constData(), sectionsAt);
    if (digestOf(entriesDigest, bytes.constData() + sectionsAt, int(size) - sectionsAt) !=
            bytes.mid(int(size)) ||
        !in.count(kSectionBound, &sections))
        return FileVerdict::Damaged;
    QByteArray targetBytes, quickBytes, dayBytes;
    for (qint64 i = 0, type = 0, length = 0; i < sections; ++i) {
        if (!in.count(std::numeric_limits<qint32>::max(), &type) || !in.count(in.left(), &length))
            return FileVerdict::Damaged;
        const QByteArray section = bytes.mid(int(size - in.left()), int(length));
        if (!in.skip(length))
            return FileVerdict::Damaged;
        ByteReader seal(section.constData(), section.size());
        qint64 generation = 0;
        if (type == qint64(kTargetsSection) && targetBytes.isNull()) {
            targetBytes = section;
            read.sealed = false; // a seal covers only the targets before it
            // Targets that make no sense cost the targets, never the counts.
            if (!DeviceParts::readTargets(section, &read.targets))
                read.targets.clear();
        } else if (type == qint64(kQuickWritesSection) && quickBytes.isNull()) {
            quickBytes = section;
            read.sealed = false;
            // Quick writes that make no sense cost only the knowing of them.
            if (!DeviceParts::readQuickWrites(section, &read.quickWrites))
                read.quickWrites.clear();
        } else if (type == qint64(kDaysSection) && dayBytes.isNull()) {
            dayBytes = section;
            read.sealed = false;
            // Days that make no sense cost the days, never the counts.
            if (!DeviceParts::readDays(section, &read.days, &read.daysBrought))
                read.days = read.daysBrought = DayCounts();
        } else if (type == qint64(kSealSection) && seal.count(kTimeBound, &generation) &&
                   seal.left() == kSealSize) {
            read.generation = generation;
            read.sealed = !key.isEmpty() &&
                          section.right(kSealSize) ==
                              sealOf(entriesDigest, targetBytes + quickBytes + dayBytes, key);
        }
    }
    if (!in.ok() || !in.atEnd())
        return FileVerdict::Damaged;
    *state = std::move(read);
    return FileVerdict::Whole;
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
