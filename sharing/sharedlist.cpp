// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedlist.h"

#include "daybook.h"
#include "devicefile.h"
#include "notices.h"
#include "sharingsettings.h"

#include <QDateTime>

namespace {

QVector<DeviceState> statesOf(const QVector<SharedFolder::Arrival> &arrivals)
{
    QVector<DeviceState> states;
    for (const SharedFolder::Arrival &arrival : arrivals)
        states.append(arrival.state);
    return states;
}

} // namespace

SharedList::SharedList(const DataLocation &location, const QString &folder)
    : m_folder(location, folder)
{}

SharedList::~SharedList()
{
    if (!m_kept.isEmpty())
        m_folder.keepMirror(m_kept);
}

void SharedList::open(const std::optional<QVector<PhraseEntry>> &file, const FileStamp &fileStamp,
                      const QStringList &seeds)
{
    std::optional<DeviceState> own = m_folder.readOwn(&m_kept);
    // A record of this device's that cannot be read is not written over:
    // what its file there says stays, as another device's.
    if (!own && m_folder.ownNameTaken() && !m_folder.becomeNew(&m_ownProblem))
        m_stuck = true;
    m_counts = std::make_unique<SharedCounts>(own ? *own : fresh());
    m_counts->setDevices(m_folder.readCopies());
    m_arrivals = m_folder.readFolder();
    QVector<PhraseKey> keys;
    m_written = m_counts->written(&m_writtenKeys);
    m_began = !own;
    if (!own) {
        // Sharing begins here: the list is brought in once, beside all the
        // folder holds.
        m_counts->setDevices(statesOf(m_arrivals));
        keys = m_counts->join(file.value_or(QVector<PhraseEntry>()));
    } else {
        keys = m_writtenKeys;
        m_counts->setDevices(statesOf(m_arrivals));
        // The file differs from what this device last wrote there, is not the
        // file that write replaced, nor what another device wrote there (one
        // home used by two machines in turn): another program, or
        // varizez-file while sharing was off, changed it. What it changed is
        // this device's.
        if (file && *file != m_written && fileStamp != own->replaced && !writtenQuickly(*file) &&
            !m_counts->writtenElsewhere(*file))
            keys = m_counts->apply(keys, m_written, *file);
    }
    m_keys = m_counts->shown(keys);
    if (m_keys.isEmpty() && !seeds.isEmpty()) {
        QVector<PhraseEntry> seeded;
        for (const QString &seed : seeds)
            seeded.append(PhraseEntry{seed, 0});
        m_keys = m_counts->shown(m_counts->join(seeded));
    }
    m_rows = m_counts->entriesOf(m_keys);
    goOnAsNewIfSilenced();
    m_targets.agree(m_counts->devices());
    m_counts->foldDays(DayBook::today());
}

DeviceState SharedList::fresh() const
{
    DeviceState state;
    state.id = m_folder.ownId();
    state.name = SharingSettings::deviceName();
    return state;
}

void SharedList::goOnAsNewIfSilenced()
{
    if (!m_counts->overclaimed() || !m_folder.becomeNew(&m_ownProblem))
        return;
    // What this device did so far stays, as another device's; its copy
    // stands where its record stood.
    const DeviceState old = m_counts->becomeNew(fresh());
    m_arrivals.append(SharedFolder::Arrival{old, DeviceFile::bytesOf(old)});
    m_writtenKeys.clear();
    m_written.clear();
    m_kept.clear();
}

void SharedList::readFolder()
{
    const QVector<SharedFolder::Arrival> arrivals = m_folder.readFolder();
    if (arrivals.isEmpty())
        return;
    m_counts->setDevices(statesOf(arrivals));
    m_arrivals += arrivals;
    m_news = true;
    goOnAsNewIfSilenced();
    m_targets.agree(m_counts->devices());
}

void SharedList::apply(const PhraseOperation &op, qint32 day)
{
    using Kind = PhraseOperation::Kind;
    const PhraseKey key = m_keys.value(op.row);
    switch (op.kind) {
    case Kind::CountUp:
    case Kind::CountDown:
    case Kind::Reset:
    case Kind::UndoReset:
        if (op.kind == Kind::CountUp || op.kind == Kind::CountDown)
            m_counts->countOnDay(key.text, day, op.kind == Kind::CountUp ? 1 : -1);
        if (op.kind == Kind::Reset)
            m_counts->reset(key);
        else
            m_counts->count(key, op.kind == Kind::CountUp     ? 1
                                 : op.kind == Kind::CountDown ? -1
                                                              : op.value - m_rows.at(op.row).count);
        if (m_news)
            break;
        // Counting never hides a phrase: only its own row needs a look.
        m_rows[op.row] = m_counts->entriesOf({key}).first();
        return;
    case Kind::SetTarget:
        if (op.value != m_targets.targetOf(key))
            setTarget(key, op.value);
        return;
    case Kind::Add:
        add(int(m_keys.size()), op.text, 0, 0);
        break;
    case Kind::UndoRemove:
        add(qMin(op.row, int(m_keys.size())), op.text, op.value, op.target);
        break;
    case Kind::Remove:
        m_counts->remove(m_keys.takeAt(op.row));
        break;
    }
    refresh();
}

void SharedList::add(int row, const QString &text, qint64 count, qint32 target)
{
    const PhraseKey key = m_counts->add(text, count, {m_keys.cbegin(), m_keys.cend()});
    m_keys.insert(row, key);
    // A phrase added anew has the target it is given, not one an earlier
    // phrase of its text had.
    if (target != m_targets.targetOf(key))
        setTarget(key, target);
}

void SharedList::replaceList(const QVector<PhraseEntry> &after,
                             const std::optional<QVector<qint32>> &targets)
{
    m_keys = m_counts->apply(m_keys, m_rows, after);
    for (int i = 0; targets && i < targets->size() && i < m_keys.size(); ++i)
        if (targets->at(i) != m_targets.targetOf(m_keys.at(i)))
            setTarget(m_keys.at(i), targets->at(i));
    refresh();
}

QVector<qint32> SharedList::targets() const
{
    QVector<qint32> targets;
    targets.reserve(m_keys.size());
    for (const PhraseKey &key : m_keys)
        targets.append(m_targets.targetOf(key));
    return targets;
}

void SharedList::bringInTargets(const QVector<qint32> &targets)
{
    for (int i = 0; i < targets.size() && i < m_keys.size(); ++i)
        if (targets.at(i) != 0 && !m_targets.isSet(m_keys.at(i)))
            setTarget(m_keys.at(i), targets.at(i));
}

void SharedList::setTarget(const PhraseKey &key, qint32 target)
{
    m_counts->setOwnTarget(key, m_targets.set(key, target, m_counts->own().id));
}

void SharedList::refresh()
{
    m_news = false;
    m_keys = m_counts->shown(m_keys);
    m_rows = m_counts->entriesOf(m_keys);
}

std::optional<DeviceState::Undo> SharedList::quickWriteOf() const
{
    constexpr int kQuickWritesKept = 32;
    if (m_writtenKeys != m_keys || m_written.size() != m_rows.size() ||
        m_counts->own().quickWrites.size() >= kQuickWritesKept)
        return std::nullopt;
    std::optional<DeviceState::Undo> changed;
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row) == m_written.at(row))
            continue;
        if (changed || m_rows.at(row).name != m_written.at(row).name)
            return std::nullopt;
        changed = DeviceState::Undo{row, m_written.at(row).count};
    }
    return changed;
}

bool SharedList::writtenQuickly(const QVector<PhraseEntry> &file) const
{
    QVector<PhraseEntry> earlier = m_written;
    const QVector<DeviceState::Undo> &quick = m_counts->own().quickWrites;
    for (auto undo = quick.crbegin(); undo != quick.crend(); ++undo) {
        if (undo->row >= earlier.size())
            return false;
        earlier[undo->row].count = undo->count;
        if (earlier == file)
            return true;
    }
    return false;
}

bool SharedList::keep(const FileStamp &fileStamp, const std::optional<DeviceState::Undo> &quick,
                      const QVector<PhraseEntry> &onDisk)
{
    const bool fileAsWritten = onDisk == m_written;
    const bool writtenChanges = m_writtenKeys != m_keys || m_written != m_rows;
    if (m_stuck || !m_folder.keepCopies(m_arrivals, &m_ownProblem))
        return false;
    m_arrivals.clear();
    if (writtenChanges) {
        if (m_writtenKeys != m_keys)
            m_counts->arrange(m_keys);
        else
            m_counts->setWritten(m_rows);
        m_counts->setReplaced(fileStamp);
        if (quick)
            m_counts->addQuickWrite(*quick);
        m_writtenKeys = m_keys;
        m_written = m_rows;
    }
    // Each quick write named is undone from the list last written; a list
    // written anew starts that over.
    if (!quick && (fileAsWritten || writtenChanges))
        m_counts->clearQuickWrites();
    if (m_counts->changes() != m_changesStamped) {
        m_changesStamped = m_counts->changes();
        m_counts->setLastCounted(QDateTime::currentMSecsSinceEpoch());
    }
    if (m_counts->revision() == m_keptRevision && !m_kept.isEmpty())
        return true;
    const QByteArray key = m_folder.key(&m_ownProblem);
    if (key.isEmpty())
        return false;
    m_counts->nextGeneration();
    const QByteArray bytes = DeviceFile::bytesOf(m_counts->own(), key);
    if (!m_folder.keepOwn(bytes, &m_ownProblem))
        return false;
    m_kept = bytes;
    m_keptRevision = m_counts->revision();
    m_ownProblem.clear();
    return true;
}

void SharedList::publish()
{
    if (!m_kept.isEmpty() && (publishingFails() || m_folder.publicationStale(m_kept)))
        m_folder.publish(m_kept);
}

QStringList SharedList::notices() const
{
    QStringList lines;
    lines << (m_ownProblem.isEmpty() ? Notices::ofFolder(m_folder)
                                     : Notices::ofSaving(m_folder.mirror(), m_ownProblem));
    for (const Problem &missing : m_folder.missing())
        lines << Notices::ofMissing(missing);
    lines.removeAll(QString());
    return lines;
}
