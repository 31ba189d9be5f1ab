// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasestore.h"

#include "listmerge.h"
#include "notices.h"
#include "phraselist.h"
#include "sharedlist.h"
#include "sharingsettings.h"

#include <QFileInfo>
#include <limits>

namespace {

// A writer that replaces the file in place is given this long to finish.
constexpr int kSettleMs = 100;
// How often a folder that is away is tried again.
constexpr int kRetryMs = 5000;

QStringList textsOf(const QVector<PhraseEntry> &rows)
{
    QStringList texts;
    texts.reserve(rows.size());
    for (const PhraseEntry &row : rows)
        texts.append(row.name);
    return texts;
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

// Everything is on the disk already; with sharing, the phrase file that
// counting wrote quickly is made durable, and this device's record is copied
// beside it (SharedList), for the next start to find should the folder then
// be away. A program killed loses nothing either.
PhraseStore::~PhraseStore()
{
    // For the programs that read the phrase file alone.
    if (m_shared && m_shared->quickWritesPending())
        m_file.makeDurable();
    // And the days beside it, as the devices make them.
    if (m_shared && m_days)
        m_days->replace(m_shared->days());
}

void PhraseStore::open(PhraseList *list, const QStringList &seeds)
{
    m_list = list;
    // A file another Varizez keeps is only shown: it is that one's to share.
    const QString folder = m_location.problem.isEmpty() && !m_lockRefused
                               ? SharingSettings::folderFor(m_file.path())
                               : QString();
    const bool found = m_file.exists();
    const PhraseFileContents contents = found ? m_file.load() : PhraseFileContents();
    const bool whole = found && !contents.damaged() && m_file.readable();
    m_saved = contents.entries;
    m_targets.load();
    if (m_location.problem.isEmpty() && !m_lockRefused) {
        m_days = std::make_unique<DayBook>(m_location);
        m_days->open(m_saved);
    }
    if (!folder.isEmpty()) {
        m_shared = std::make_unique<SharedList>(m_location, folder);
        m_shared->open(whole ? std::optional<QVector<PhraseEntry>>(m_saved) : std::nullopt,
                       m_file.stamp(), found ? QStringList() : seeds);
        // Targets set here before they were shared go to the others, where
        // no device has set one.
        m_shared->bringInTargets(
            TargetList::targetsOf(m_targets.saved(), textsOf(m_shared->rows())));
        if (m_shared->beganSharing() && m_days)
            m_shared->bringInDays(m_days->days());
        showRows();
        // The other devices counted while this one was closed, or what this
        // one did has not reached the disk or the folder yet.
        write(Unchanged::Skip);
    } else {
        if (!found)
            for (const QString &seed : seeds)
                m_saved.append(PhraseEntry{seed, 0});
        m_list->setRows(m_saved, TargetList::targetsOf(m_targets.saved(), textsOf(m_saved)));
    }
    watch();
}

bool PhraseStore::apply(const PhraseOperation &op)
{
    using Kind = PhraseOperation::Kind;
    // A phrase no longer there (removed while it was counted) changes
    // nothing, nor does counting past the ends: the list is saved as it is.
    const Beads *record = m_list->record(op.row);
    if ((op.kind != Kind::Add && op.kind != Kind::UndoRemove && !record) ||
        (op.kind == Kind::CountDown && record->count() <= 0) ||
        (op.kind == Kind::CountUp && record->count() == std::numeric_limits<int>::max()))
        return save();
    // A change that arrived in the folder and waits to settle is read first:
    // this one sees the folder as it is now. The operation is applied to
    // the list the user saw, before another program's change of the file is
    // taken in, so that its row is the row the user chose.
    const bool news = m_settle.isActive();
    const qint32 day = DayBook::today();
    if (m_shared) {
        if (news)
            m_shared->readFolder();
        m_shared->apply(op, day); // its day in this device's record
    } else {
        m_list->apply(op);
        // Its day is kept before the count is written.
        if (m_days && (op.kind == Kind::CountUp || op.kind == Kind::CountDown))
            m_days->counted(op.row, PhraseEntry{record->name(), record->count()},
                            op.kind == Kind::CountUp ? 1 : -1, day);
    }
    const bool outside = takeIn(news ? Folder::Read : Folder::Skip) || news;
    if (m_shared) {
        if (outside || !op.isCounting())
            showRows();
        else // most often: only the counted row changed
            m_list->setCount(op.row, m_shared->rows().at(op.row).count);
    }
    // What came from elsewhere may bring targets, synced beside the file.
    write(Unchanged::Write,
          op.isCounting() && !outside ? std::optional<int>(op.row) : std::nullopt);
    if (outside)
        emit changedOutside();
    return written();
}

bool PhraseStore::replaceList(const QVector<PhraseEntry> &rows, const QVector<qint32> &targets)
{
    if (m_shared) {
        m_shared->replaceList(rows, targets);
        showRows();
    } else {
        m_list->setRows(rows, targets);
    }
    return save();
}

bool PhraseStore::save()
{
    if (takeIn(m_settle.isActive() ? Folder::Read : Folder::Skip)) {
        showRows();
        emit changedOutside();
    }
    write(Unchanged::Write);
    return written();
}

bool PhraseStore::written() const
{
    return m_targetsKept && (!m_shared || m_shared->recordKept()) &&
           (m_file.problem().what == Problem::None || m_file.problem().what == Problem::KeptAside);
}

QVector<PhraseEntry> PhraseStore::rows() const
{
    return m_shared ? m_shared->rows() : m_list->entries();
}

void PhraseStore::showRows()
{
    // Without sharing the list is what the store holds.
    if (m_shared)
        m_list->setRows(m_shared->rows(), m_shared->targets());
}

bool PhraseStore::takeIn(Folder folder)
{
    bool changed = false;
    if (m_file.changedOnDisk() && m_file.exists()) {
        const PhraseFileContents theirs = m_file.load();
        if (m_file.readable() && theirs.entries != m_saved) {
            // With sharing, a damaged file is only kept aside: the devices'
            // files hold the list whole. What the other program changed is
            // told apart from the list it replaced: the one comparison of
            // lists, which yields the same operations as the user's.
            if (!m_shared || !theirs.damaged()) {
                const QVector<PhraseEntry> merged =
                    ListMerge::merge(m_saved, rows(), theirs.entries);
                if (m_shared)
                    m_shared->replaceList(merged);
                else
                    m_list->setRows(merged);
            }
            m_saved = theirs.entries;
            changed = true;
        }
    }
    if (m_shared) {
        if (folder == Folder::Read)
            m_shared->readFolder();
        if (m_shared->hasNews()) {
            m_shared->refresh();
            changed = true;
        }
    }
    return changed;
}

void PhraseStore::write(Unchanged unchanged, std::optional<int> counted)
{
    // Without sharing, the phrase file is the list: every save is durable,
    // a count's four bytes written over in place and synced, after its day
    // was synced in the journal (DayBook), which drops it again at the next
    // start if these four bytes never reached the disk.
    //
    // With sharing, this device's record is kept first, durably: it holds
    // the whole list, counts and days and the list it is about to write in the
    // phrase file, and names the phrase file that write replaces. Should the
    // phrase file be written and the record not, the next start would take
    // the list it wrote for a change made by someone else. A count then
    // writes the phrase file quickly, so that it costs one durable write:
    // its four bytes in place where it can (PhraseFile::saveCount), a quick
    // replace where not. A power cut may take the file back to any written
    // since the last durable one, and the record names each of those (by
    // the count each write changed), so the next start takes none of them
    // for anyone's change, and writes the list the record makes. Before the
    // record forgets them, the file is made durable as it is.
    std::optional<DeviceState::Undo> quick;
    if (m_shared) {
        // Targets that failed to be saved are tried again, synced with the
        // phrase file's folder, which would keep a quick file's name without
        // its bytes.
        if (counted && m_targets.problem().what == Problem::None)
            quick = m_shared->quickWriteOf();
        if ((!quick && m_shared->quickWritesPending() && !m_file.makeDurable()) ||
            !m_shared->keep(m_file.stamp(), quick, m_saved)) {
            watch();
            return;
        }
    }
    const QVector<PhraseEntry> now = rows();
    if ((unchanged == Unchanged::Write || now != m_saved) &&
        (quick ? m_file.saveCount(now, quick->row, m_saved, DurableFile::Sync::Quick)
         : !m_shared && counted
             ? m_file.saveCount(now, *counted, m_saved, DurableFile::Sync::Durable)
             : m_file.save(now)))
        m_saved = now;
    // The targets as this device shows them, beside the phrase file.
    m_targetsKept = m_location.problem.isEmpty() && m_targets.save(m_list->records());
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
        showRows();
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
