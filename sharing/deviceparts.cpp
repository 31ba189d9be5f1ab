// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deviceparts.h"

#include "phrasefile.h"
#include "targetfile.h"

#include <limits>

namespace {

// Which of an entry's numbers follow it.
constexpr quint64 HasUps = 1, HasDowns = 2, HasAdds = 4, HasBase = 8, Listed = 16, HasReset = 32,
                  HasRemoved = 64, KnownFlags = 127;

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

} // namespace

void DeviceParts::writeEntry(ByteWriter &out, const DeviceEntry &e,
                             const QHash<QString, int> &indexOf)
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

void DeviceParts::writeTargets(ByteWriter &out, const QMap<PhraseKey, TargetSetting> &targets)
{
    out.number(quint64(targets.size()));
    for (auto it = targets.cbegin(); it != targets.cend(); ++it) {
        out.text(it.key().text);
        out.number(quint64(it.key().n));
        out.number(quint64(it->target));
        out.number(quint64(it->stamp));
    }
}

bool DeviceParts::readTargets(const QByteArray &section, QMap<PhraseKey, TargetSetting> *targets)
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

bool DeviceParts::readQuickWrites(const QByteArray &section, QVector<DeviceState::Undo> *undos)
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

bool DeviceParts::readEntry(ByteReader &in, const QStringList &devices, DeviceEntry *e)
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

void DeviceParts::writeQuickWrites(ByteWriter &out, const QVector<DeviceState::Undo> &undos)
{
    out.number(quint64(qMin(int(undos.size()), kQuickWritesBound)));
    for (const DeviceState::Undo &undo : undos.mid(0, kQuickWritesBound)) {
        out.number(quint64(undo.row));
        out.number(zigzag(undo.count));
    }
}

namespace {

void writeDayCounts(ByteWriter &out, const DayCounts &days)
{
    out.number(quint64(days.phrases().size()));
    for (auto phrase = days.phrases().cbegin(); phrase != days.phrases().cend(); ++phrase) {
        out.text(phrase.key());
        out.number(quint64(phrase->size()));
        qint32 before = 0;
        for (auto day = phrase->cbegin(); day != phrase->cend(); ++day) {
            out.number(quint64(day.key() - before));
            out.number(quint64(day.value()));
            before = day.key();
        }
    }
}

// Phrases in the order of their texts, each once, with days in order.
bool readDayCounts(ByteReader &in, DayCounts *days)
{
    qint64 phrases = 0, daysLeft = DayCounts::kDayBound;
    if (!in.count(DeviceParts::kEntryBound, &phrases))
        return false;
    QString before;
    for (qint64 i = 0; i < phrases; ++i) {
        QString text;
        qint64 n = 0, day = 0;
        if (!in.text(std::numeric_limits<int>::max() / 2, &text) || (i > 0 && text <= before) ||
            !in.count(daysLeft, &n) || n < 1)
            return false;
        daysLeft -= n;
        for (qint64 j = 0; j < n; ++j) {
            qint64 step = 0, said = 0;
            if (!in.count(DayCounts::kLastDay, &step) || (j > 0 && step == 0) ||
                !in.count(std::numeric_limits<qint32>::max(), &said) ||
                !days->add(text, day += step, said))
                return false;
        }
        before = text;
    }
    return true;
}

} // namespace

void DeviceParts::writeDays(ByteWriter &out, const DayCounts &days, const DayCounts &brought)
{
    writeDayCounts(out, days.withinBound());
    writeDayCounts(out, brought.withinBound());
}

bool DeviceParts::readDays(const QByteArray &section, DayCounts *days, DayCounts *brought)
{
    ByteReader in(section.constData(), section.size());
    return readDayCounts(in, days) && readDayCounts(in, brought) && in.ok() && in.atEnd();
}
