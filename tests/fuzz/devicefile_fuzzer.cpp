// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: whatever other devices put in the shared folder, a
// device file is read without a crash, a hang or runaway memory, and what is
// read is written and read back the same; merged, such files never make this
// device's own file unreadable, nor its counts other than its user made them.
//
// The input is a script of changes, then up to three device files, each
// starting at the magic "VZDC". The first is this device's own when it reads
// whole; else this device has a fixed list. Each file gets the digest it
// should have before it is read: else nearly every change the fuzzer makes
// would stop at the digest.

#include "devicefile.h"
#include "sharedcounts.h"
#include "sharedtargets.h"

#include <QCryptographicHash>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>

namespace {

// What this device seals its own file with.
const QByteArray kKey = QByteArrayLiteral("key");

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// What a file holds; the count written of a phrase no longer listed is not.
bool same(const DeviceState &a, const DeviceState &b)
{
    const auto entry = [](const DeviceEntry &x, const DeviceEntry &y) {
        return x.key == y.key && x.tally == y.tally && x.hasBase == y.hasBase && x.base == y.base &&
               x.reset == y.reset && x.removed == y.removed && x.listed == y.listed &&
               (!x.listed || x.written == y.written);
    };
    return a.id == b.id && a.name == b.name && a.lastCounted == b.lastCounted &&
           a.replaced == b.replaced && a.quickWrites == b.quickWrites &&
           a.generation == b.generation && a.targets == b.targets && a.days == b.days &&
           a.daysBrought == b.daysBrought &&
           std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
                      entry);
}

// Whether the bytes, with the digest they should have, read whole; and
// whether what they hold is written, sealed, and read back the same. That
// digest is of the digest of all before the sections, then of the sections:
// taken to be none, or one short one (a seal) that ends where it begins.
bool readBack(const QByteArray &bytes, DeviceState *state)
{
    const auto sha1 = [](const QByteArray &b) {
        return QCryptographicHash::hash(b, QCryptographicHash::Sha1);
    };
    const int end = bytes.size() - 8;
    // Whole as it came (a seed with targets): its digest stays.
    QByteArray file =
        DeviceFile::read(bytes, state, kKey) == FileVerdict::Whole ? bytes : QByteArray();
    for (int length = -1; length < 128 && file.isEmpty(); ++length) {
        const int from = length < 0 ? end - 1 : end - 3 - length;
        if (from < 6 || (length >= 0 && (bytes.at(from) != 1 || bytes.at(from + 2) != length)))
            continue;
        const QByteArray head = bytes.left(from), sections = bytes.mid(from, end - from);
        file = head + sections + sha1(sha1(head) + sections).left(8);
        if (DeviceFile::read(file, state, kKey) != FileVerdict::Whole)
            file.clear();
    }
    DeviceState again;
    check(file.isEmpty() || (DeviceFile::read(DeviceFile::bytesOf(*state, kKey), &again, kKey) ==
                                 FileVerdict::Whole &&
                             again.sealed && same(*state, again)));
    return !file.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    DeviceState own; // unless the input has it
    own.id = QStringLiteral("0a0a0a0a0a0a");
    for (const QString &text : {QStringLiteral("SubhanAllah"), QStringLiteral("Alhamdulillah")}) {
        DeviceEntry entry;
        entry.key = {text, 0}, entry.tally = {33, 0, 1}, entry.listed = true, entry.written = 33;
        own.entries.append(entry);
    }
    QVector<DeviceState> others;
    const int first = input.indexOf("VZDC");
    for (int from = first, next = 0, n = 0; from >= 0; from = next, ++n) {
        next = n == 2 ? -1 : input.indexOf("VZDC", from + 4);
        DeviceState state;
        if (readBack(input.mid(from, next < 0 ? -1 : next - from), &state))
            n == 0 ? void(own = state) : others.append(state);
    }
    SharedCounts counts(own);
    // As the program does: a device claimed to be seen beyond what it did
    // goes on as a new one, and its state so far stays as another device's.
    int incarnation = 0;
    const auto takeIn = [&](const QVector<DeviceState> &states) {
        counts.setDevices(states);
        if (counts.overclaimed()) {
            DeviceState fresh;
            fresh.id = QStringLiteral("f%1").arg(++incarnation, 11, 10, QLatin1Char('0'));
            others.append(counts.becomeNew(fresh));
        }
    };
    takeIn(others);
    SharedTargets targets;
    targets.agree(counts.devices());
    QVector<PhraseKey> keys = counts.shown({});
    QVector<PhraseEntry> rows = counts.entriesOf(keys);
    // Two bytes a change, a few changes: what and to which row, and by how much.
    const QByteArray script = input.left(first < 0 ? input.size() : first);
    bool joined = false;
    for (int i = 0; i + 1 < qMin(script.size(), 48); i += 2) {
        const int what = quint8(script.at(i)) % 8, amount = quint8(script.at(i + 1));
        const int row = rows.isEmpty() ? -1 : quint8(script.at(i)) / 8 % rows.size();
        const qint64 by = qint64(amount & 0x3F) << (amount >> 6) * 10,
                     was = row >= 0 ? counts.countOf(keys.at(row)) : 0;
        const QString text = row >= 0 && amount % 2 ? rows.at(row).name : QString::number(amount);
        QVector<PhraseEntry> after = rows;
        QVector<PhraseKey> changed = keys;
        if (row >= 0 && what < 3) { // up, down, or reset and counted
            const qint64 to = what == 2 ? by & 0xFFFF : after.at(row).count + (what ? -by : by);
            after[row].count = qint32(std::clamp<qint64>(to, 0, INT32_MAX));
            if (what == 2)
                counts.reset(keys.at(row));
            counts.count(keys.at(row),
                         qint64(after.at(row).count) - (what == 2 ? 0 : rows.at(row).count));
            // Written quickly, as a count is while sharing: named in the record.
            counts.addQuickWrite(DeviceState::Undo{row, rows.at(row).count});
        } else if (row >= 0 && what == 3) {
            counts.clearQuickWrites();
            counts.remove(keys.at(row));
            changed.remove(row);
        } else if (what == 4) {
            changed.append(counts.add(text, by & 0xFFFF, {keys.cbegin(), keys.cend()}));
        }
        if (what == 5 && !std::exchange(joined, true)) // sharing begins, with this list
            changed = counts.join(after + QVector<PhraseEntry>{{text, qint32(by & 0xFFFF)}});
        if (what == 6) { // the same files again: nothing changes
            takeIn(others);
            targets.agree(counts.devices());
            check(counts.entriesOf(keys) == rows);
        }
        if (row >= 0 && what == 7) { // a target set here holds here, unless stamps ran out
            const TargetSetting set =
                targets.set(keys.at(row), amount % 3 ? amount : 0, counts.own().id);
            counts.setOwnTarget(keys.at(row), set);
            check(targets.targetOf(keys.at(row)) == set.target ||
                  set.stamp == DeviceBounds::kNumber);
        }
        // A count changed here shows as this device's user made it.
        if (row >= 0 && what < 3 && (after != rows || what == 2) && was < INT32_MAX)
            check(counts.countOf(changed.at(row)) == after.at(row).count);
        keys = counts.shown(changed);
        rows = counts.entriesOf(keys);
        counts.arrange(keys);
        check(std::set<PhraseKey>(keys.begin(), keys.end()).size() == size_t(keys.size()) &&
              std::all_of(rows.begin(), rows.end(),
                          [](const PhraseEntry &e) { return e.count >= 0; }));
    }
    // What this device writes reads back whole, and shows the same after a restart.
    DeviceState written;
    check(DeviceFile::read(DeviceFile::bytesOf(counts.own(), kKey), &written, kKey) ==
              FileVerdict::Whole &&
          written.sealed && same(written, counts.own()));
    SharedCounts restarted(written);
    restarted.setDevices(others);
    check(restarted.entriesOf(restarted.shown(keys)) == rows);
    // And with the same targets, whatever their order of arrival.
    SharedTargets again;
    again.agree(restarted.devices());
    for (const PhraseKey &key : keys)
        check(again.targetOf(key) == targets.targetOf(key));
    return 0;
}
