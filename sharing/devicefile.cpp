// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "devicefile.h"

#include "bytecodec.h"
#include "phrasefile.h"
#include "targetfile.h"

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
constexpr int kQuickWritesBound = 64;
constexpr int kSealSize = 16;
constexpr qint64 kTimeBound = qint64(1) << 53;
constexpr int kEntryBound = 2 * PhraseFile::kRecordBound; // the list, and as many removed

// Which of an entry's numbers follow it.
constexpr quint64 HasUps = 1, HasDowns = 2, HasAdds = 4, HasBase = 8, Listed = 16, HasReset = 32,
                  HasRemoved = 64, KnownFlags = 127;

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

void writeTally(ByteWriter &out, const Tally &t)
{
    for (const qint64 n : {t.ups, t.downs, t.adds})
        out.number(quint64(n));
}

bool readTally(ByteReader &in, qint64 bound, Tally *t)
{
    return in.count(bound, &t->ups) && in.count(bound, &t->downs) && in.count(bound, &t->adds);
}

void writeSeen(ByteWriter &out, const Seen &seen, const QHash<QString, int> &indexOf)
{
    out.number(quint64(seen.base));
    out.number(quint64(seen.tallies.size()));
    for (auto it = seen.tallies.cbegin(); it != seen.tallies.cend(); ++it) {
        out.number(quint64(indexOf.value(it.key())));
        writeTally(out, it.value());
    }
}

bool readSeen(ByteReader &in, const QStringList &devices, Seen *seen)
{
    qint64 size = 0;
    if (!in.count(DeviceBounds::kNumber, &seen->base) || !in.count(devices.size(), &size))
        return false;
    for (qint64 i = 0; i < size; ++i) {
        qint64 device = 0;
        Tally tally;
        if (!in.count(devices.size() - 1, &device) ||
            !readTally(in, DeviceBounds::kNumber, &tally) ||
            seen->tallies.contains(devices.at(int(device))))
            return false;
        seen->tallies.insert(devices.at(int(device)), tally);
    }
    return true;
}

void writeEntry(ByteWriter &out, const DeviceEntry &e, const QHash<QString, int> &indexOf)
{
    const quint64 flags = (e.tally.ups ? HasUps : 0) | (e.tally.downs ? HasDowns : 0) |
                          (e.tally.adds ? HasAdds : 0) | (e.hasBase ? HasBase : 0) |
                          (e.listed ? Listed : 0) | (e.reset.isEmpty() ? 0 : HasReset) |
                          (e.removed.isEmpty() ? 0 : HasRemoved);
    out.text(e.key.text);
    out.number(quint64(e.key.n));
    out.number(flags);
    for (const qint64 n : {e.tally.ups, e.tally.downs, e.tally.adds})
        if (n)
            out.number(quint64(n));
    if (e.hasBase)
        out.number(quint64(e.base));
    if (e.listed)
        out.number(zigzag(e.written));
    if (flags & HasReset)
        writeSeen(out, e.reset, indexOf);
    if (flags & HasRemoved)
        writeSeen(out, e.removed, indexOf);
}

// The targets a device set: each phrase's key, its target (0: none) and
// the setting's stamp.
void writeTargets(ByteWriter &out, const QMap<PhraseKey, TargetSetting> &targets)
{
    out.number(quint64(targets.size()));
    for (auto it = targets.cbegin(); it != targets.cend(); ++it) {
        out.text(it.key().text);
        out.number(quint64(it.key().n));
        out.number(quint64(it->target));
        out.number(quint64(it->stamp));
    }
}

bool readTargets(const QByteArray &section, QMap<PhraseKey, TargetSetting> *targets)
{
    ByteReader in(section.constData(), section.size());
    qint64 n = 0;
    if (!in.count(kEntryBound, &n))
        return false;
    for (qint64 i = 0; i < n; ++i) {
        PhraseKey key;
        qint64 occurrence = 0, target = 0, stamp = 0;
        if (!in.text(std::numeric_limits<int>::max() / 2, &key.text) ||
            !in.count(PhraseFile::kRecordBound, &occurrence) ||
            !in.count(TargetFile::kTargetBound, &target) ||
            !in.count(DeviceBounds::kNumber, &stamp))
            return false;
        key.n = qint32(occurrence);
        if (targets->contains(key))
            return false;
        targets->insert(key, TargetSetting{qint32(target), stamp});
    }
    return in.ok() && in.atEnd();
}

bool readQuickWrites(const QByteArray &section, QVector<DeviceState::Undo> *undos)
{
    ByteReader in(section.constData(), section.size());
    qint64 n = 0;
    if (!in.count(kQuickWritesBound, &n))
        return false;
    for (qint64 i = 0; i < n; ++i) {
        qint64 row = 0, count = 0;
        if (!in.count(PhraseFile::kRecordBound - 1, &row) ||
            !in.signedNumber(qint64(1) << 31, &count) || count > std::numeric_limits<qint32>::max())
            return false;
        undos->append(DeviceState::Undo{qint32(row), qint32(count)});
    }
    return in.atEnd();
}

bool readEntry(ByteReader &in, const QStringList &devices, DeviceEntry *e)
{
    qint64 n = 0, flags = 0, written = 0;
    if (!in.text(std::numeric_limits<int>::max() / 2, &e->key.text) ||
        !in.count(PhraseFile::kRecordBound, &n) || !in.count(KnownFlags, &flags))
        return false;
    e->key.n = qint32(n);
    for (const auto &[flag, number] : {std::pair<quint64, qint64 *>{HasUps, &e->tally.ups},
                                       {HasDowns, &e->tally.downs},
                                       {HasAdds, &e->tally.adds}})
        if ((flags & flag) && !in.count(DeviceBounds::kNumber, number))
            return false;
    e->hasBase = flags & HasBase;
    e->listed = flags & Listed;
    if ((e->hasBase && !in.count(DeviceBounds::kNumber, &e->base)) ||
        (e->listed && !in.signedNumber(std::numeric_limits<qint32>::max(), &written)))
        return false;
    e->written = qint32(qMax<qint64>(written, std::numeric_limits<qint32>::min()));
    return (!(flags & HasReset) || readSeen(in, devices, &e->reset)) &&
           (!(flags & HasRemoved) || readSeen(in, devices, &e->removed));
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
        writeEntry(out, e, indexOf);
    const QByteArray entriesDigest = sha1(out.data(), out.size());
    ByteWriter targets;
    if (!state.targets.isEmpty())
        writeTargets(targets, state.targets);
    const QByteArray targetBytes(targets.data(), targets.size());
    ByteWriter quick;
    if (!state.quickWrites.isEmpty()) {
        quick.number(quint64(qMin(int(state.quickWrites.size()), kQuickWritesBound)));
        for (const DeviceState::Undo &undo : state.quickWrites.mid(0, kQuickWritesBound)) {
            quick.number(quint64(undo.row));
            quick.number(zigzag(undo.count));
        }
    }
    const QByteArray quickBytes(quick.data(), quick.size());
    ByteWriter sections;
    sections.number((key.isEmpty() ? 0 : 1) + (targetBytes.isEmpty() ? 0 : 1) +
                    (quickBytes.isEmpty() ? 0 : 1));
    for (const auto &[type, bytes] :
         {std::pair<quint64, const QByteArray &>{kTargetsSection, targetBytes},
          {kQuickWritesSection, quickBytes}}) {
        if (bytes.isEmpty())
            continue;
        sections.number(type);
        sections.number(quint64(bytes.size()));
        sections.raw(bytes.constData(), int(bytes.size()));
    }
    if (!key.isEmpty()) {
        ByteWriter seal;
        seal.number(quint64(state.generation));
        const QByteArray code = sealOf(entriesDigest, targetBytes + quickBytes, key);
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
    if (!in.count(kEntryBound, &entries))
        return FileVerdict::Damaged;
    QSet<PhraseKey> keys;
    read.entries.reserve(int(qMin(entries, in.left())));
    for (qint64 i = 0; i < entries; ++i) {
        read.entries.append(DeviceEntry());
        if (!readEntry(in, devices, &read.entries.last()) || keys.contains(read.entries.last().key))
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
    QByteArray targetBytes, quickBytes;
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
            if (!readTargets(section, &read.targets))
                read.targets.clear();
        } else if (type == qint64(kQuickWritesSection) && quickBytes.isNull()) {
            quickBytes = section;
            read.sealed = false;
            // Quick writes that make no sense cost only the knowing of them.
            if (!readQuickWrites(section, &read.quickWrites))
                read.quickWrites.clear();
        } else if (type == qint64(kSealSection) && seal.count(kTimeBound, &generation) &&
                   seal.left() == kSealSize) {
            read.generation = generation;
            read.sealed =
                !key.isEmpty() &&
                section.right(kSealSize) == sealOf(entriesDigest, targetBytes + quickBytes, key);
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
