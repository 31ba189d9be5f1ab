// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasestore.h"

#include "beads.h"
#include "listmerge.h"
#include "notices.h"
#include "sharedlist.h"
#include "sharingsettings.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// A writer that replaces the file in place is given this long to finish.
constexpr int kSettleMs = 100;
// How often a folder that is away is tried again.
constexpr int kRetryMs = 5000;

QVector<qint32> targetsOf(const QVector<Beads *> &records)
{
    QVector<qint32> targets;
    targets.reserve(records.size());
    for (const Beads *record : records)
        targets.append(record->target());
    return targets;
}

QVector<PhraseEntry> entriesOf(const QVector<Beads *> &records)
{
    QVector<PhraseEntry> entries;
    entries.reserve(records.size());
    for (const Beads *record : records)
        entries.append(PhraseEntry{record->name(), record->count()});
    return entries;
}

} // namespace

PhraseStore::PhraseStore(const DataLocation &location, QObject *parent)
    : QObject(parent)
    , m_location(location)
    , m_file(location)
    , m_targets(location.file)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    // Most changes the watcher tells of are this store's own saves.
    const auto changed = [this] {
        if (m_file.changedOnDisk() || (m_shared && m_shared->folderChanged())) {
            m_settle.start();
            emit changeNoticed();
        }
        watch();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_settle, &QTimer::timeout, this, &PhraseStore::settled);
    connect(&m_retry, &QTimer::timeout, this, &PhraseStore::settled);
}

// Everything is on the disk already; with sharing, this device's record is
// copied beside the phrase file (SharedList), for the next start to find
// should the folder then be away. A program killed loses nothing either.
PhraseStore::~PhraseStore() = default;

void PhraseStore::open(QVector<Beads *> *records, const QStringList &seeds)
{
    m_records = records;
    const bool found = m_file.exists();
    const bool whole = found && !m_file.load(*records).damaged() && m_file.readable();
    m_rows = m_saved = entriesOf(*records);
    // A file another Varizez keeps is only shown: it is that one's to share.
    const QString folder = m_location.problem.isEmpty() && !m_lockRefused
                               ? SharingSettings::folderFor(m_file.path())
                               : QString();
    if (!folder.isEmpty()) {
        m_shared = std::make_unique<SharedList>(m_location, folder);
        m_shared->open(whole ? std::optional<QVector<PhraseEntry>>(m_saved) : std::nullopt,
                       m_file.stamp(), found ? QStringList() : seeds);
        m_rows = m_shared->rows();
        setRecords();
        // Targets set here before they were shared go to the others, where
        // no device has set one.
        m_targets.load();
        m_targets.applyTo(*records);
        m_shared->bringInTargets(targetsOf(*records));
        applySharedTargets();
        // The other devices counted while this one was closed, or what this
        // one did has not reached the disk or the folder yet.
        write(Unchanged::Skip);
    } else if (!found) {
        for (const QString &seed : seeds)
            records->append(new Beads(seed, 0, nullptr));
        m_rows = m_saved = entriesOf(*records);
    }
    rememberResets();
    if (!m_shared) {
        m_targets.load();
        m_targets.applyTo(*records);
    }
    watch();
}

QVector<bool> PhraseStore::resetRows() const
{
    QVector<bool> reset;
    reset.reserve(m_records->size());
    for (const Beads *record : qAsConst(*m_records))
        reset.append(record->resets() != m_resets.value(record));
    return reset;
}

void PhraseStore::rememberResets()
{
    // Few records are ever reset: only those are remembered.
    m_resets.clear();
    for (const Beads *record : qAsConst(*m_records))
        if (record->resets() != 0)
            m_resets.insert(record, record->resets());
}

bool PhraseStore::save()
{
    const QVector<PhraseEntry> now = entriesOf(*m_records);
    // A change that arrived in the folder and waits to settle is read first:
    // this change sees the folder as it is now.
    const bool news = m_settle.isActive();
    QVector<qint32> setHere;
    if (m_shared) {
        if (news)
            m_shared->readFolder();
        setHere = targetsSetHere();
        m_shared->change(now, resetRows(), setHere);
        m_rows = m_shared->rows();
    } else {
        m_rows = now;
    }
    // Another program's change of the file goes in first, so that it is not
    // written over.
    if (takeIn(news ? Folder::Read : Folder::Skip) || m_rows != now) {
        setRecords();
        emit changedOutside();
    } else if (m_shared && (news || !setHere.isEmpty())) {
        applySharedTargets(); // the records are the rows
    }
    rememberResets();
    write(Unchanged::Write);
    return m_targetsKept && (!m_shared || m_shared->recordKept()) &&
           (m_file.trouble().kind == PhraseFileTrouble::None ||
            m_file.trouble().kind == PhraseFileTrouble::KeptAside);
}

bool PhraseStore::takeIn(Folder folder)
{
    bool changed = false;
    if (m_file.changedOnDisk() && m_file.exists()) {
        const PhraseFileContents theirs = m_file.load();
        if (m_file.readable() && theirs.entries != m_saved) {
            // With sharing, a damaged file is only kept aside: the devices'
            // files hold the list whole.
            if (!m_shared || !theirs.damaged()) {
                const QVector<PhraseEntry> merged =
                    ListMerge::merge(m_saved, m_rows, theirs.entries);
                if (m_shared)
                    m_shared->change(merged);
                else
                    m_rows = merged;
            }
            m_saved = theirs.entries;
            changed = true;
        }
    }
    if (m_shared) {
        if (folder == Folder::Read)
            m_shared->readFolder();
        if (m_shared->hasNews())
            m_shared->refresh();
        changed = changed || m_shared->rows() != m_rows;
        m_rows = m_shared->rows();
        // Targets only change here when another device's file came.
        changed = changed || (folder == Folder::Read && m_shared->targets() != m_sharedTargets);
    }
    return changed;
}

void PhraseStore::write(Unchanged unchanged)
{
    // This device's record first: should the phrase file be written and the
    // record not, the next start would take the list it wrote for a change
    // made by someone else.
    if (m_shared && !m_shared->keep(m_file.stamp())) {
        watch();
        return;
    }
    if ((unchanged == Unchanged::Write || m_rows != m_saved) && m_file.save(m_rows))
        m_saved = m_rows;
    // The targets as this device shows them, beside the phrase file.
    m_targetsKept = m_location.problem.isEmpty() && m_targets.save(*m_records);
    if (m_shared) {
        m_shared->publish();
        if (!m_shared->publishingFails())
            m_retry.stop();
        else if (!m_retry.isActive())
            m_retry.start();
    }
    watch();
}

void PhraseStore::settled()
{
    const QString noticeBefore = notice();
    const bool changed = takeIn(Folder::Read);
    if (changed)
        setRecords();
    // A folder back from away, or this device's file there lost or replaced.
    if (changed || (m_shared && (m_shared->publishingFails() || m_shared->publicationStale())))
        write(Unchanged::Skip);
    else
        watch();
    if (m_shared && m_shared->publishingFails() && !m_retry.isActive())
        m_retry.start();
    if (changed || notice() != noticeBefore)
        emit changedOutside();
    emit changeTakenIn();
}

void PhraseStore::setRecords()
{
    // Each record stays the same object where its phrase stays, so the one
    // being counted goes on being counted.
    QHash<QString, QVector<Beads *>> unused;
    for (Beads *record : qAsConst(*m_records))
        unused[record->name()].append(record);
    QVector<Beads *> records;
    for (const PhraseEntry &row : qAsConst(m_rows)) {
        QVector<Beads *> &same = unused[row.name];
        Beads *record = same.isEmpty() ? new Beads(row.name, row.count, nullptr) : same.takeFirst();
        record->setCount(row.count);
        records.append(record);
    }
    for (const QVector<Beads *> &left : qAsConst(unused))
        qDeleteAll(left);
    *m_records = records;
    rememberResets(); // a record deleted here leaves its address free for a new one
    if (m_shared)
        applySharedTargets();
}

void PhraseStore::applySharedTargets()
{
    m_sharedTargets = m_shared->targets();
    for (int i = 0; i < m_records->size() && i < m_sharedTargets.size(); ++i)
        m_records->at(i)->setAgreedTarget(m_sharedTargets.at(i));
}

QVector<qint32> PhraseStore::targetsSetHere() const
{
    // Most changes choose none.
    const auto chosen = [](const Beads *record) { return record->targetChosenHere(); };
    if (std::none_of(m_records->cbegin(), m_records->cend(), chosen))
        return {};
    QVector<qint32> set;
    set.reserve(m_records->size());
    for (const Beads *record : qAsConst(*m_records))
        set.append(chosen(record) ? record->target() : SharedList::kTargetKept);
    return set;
}

void PhraseStore::watch()
{
    QStringList paths{m_file.path(), QFileInfo(m_file.path()).absolutePath()};
    if (m_shared)
        paths << m_shared->folder();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString &path : qAsConst(paths))
        if (!path.isEmpty() && !watched.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
}

QString PhraseStore::notice() const
{
    QStringList lines{Notices::ofPhraseFile(m_file.trouble(), path()),
                      Notices::ofTargets(m_targets)};
    if (m_shared)
        lines << m_shared->notices();
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}
