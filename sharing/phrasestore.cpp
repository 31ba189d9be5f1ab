// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasestore.h"

#include "beads.h"
#include "devicefile.h"
#include "listmerge.h"
#include "notices.h"
#include "sharedcounts.h"
#include "sharedfolder.h"
#include "sharingsettings.h"

#include <QFileInfo>
#include <QHash>

namespace {

// A writer that replaces the file in place is given this long to finish.
constexpr int kSettleMs = 100;
// How often a folder that is away is tried again.
constexpr int kRetryMs = 5000;

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
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    // Most changes the watcher tells of are this store's own saves.
    const auto changed = [this] {
        if (m_file.changedOnDisk() || (m_folder && m_folder->changed()))
            m_settle.start();
        watch();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_settle, &QTimer::timeout, this, &PhraseStore::settled);
    connect(&m_retry, &QTimer::timeout, this, &PhraseStore::settled);
}

PhraseStore::~PhraseStore()
{
    if (m_counts)
        m_folder->keep(m_counts->own());
}

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
        openShared(folder, whole, found ? QStringList() : seeds);
    } else if (!found) {
        for (const QString &seed : seeds)
            records->append(new Beads(seed, 0, nullptr));
        m_rows = m_saved = entriesOf(*records);
    }
    watch();
}

void PhraseStore::openShared(const QString &folder, bool fileUsable, const QStringList &seeds)
{
    m_folder = std::make_unique<SharedFolder>(m_location, folder);
    const DeviceState own = m_folder->ownState();
    m_counts = std::make_unique<SharedCounts>(own);
    // First the list as this device last wrote it, from its copies.
    m_counts->setDevices(m_folder->kept());
    QVector<PhraseKey> keys;
    if (own.generation == 0) {
        // Sharing begins here: the list is brought in once, beside all the
        // folder holds.
        m_counts->setDevices(m_folder->news());
        keys = m_counts->join(fileUsable ? m_saved : QVector<PhraseEntry>());
    } else if (fileUsable && m_file.stamp() != own.listStamp) {
        // The file was written after this device's own file: by a save whose
        // own file a kill or a power cut lost, by varizez-file while sharing
        // was off, or by another program. What it has more is this device's.
        const QVector<PhraseKey> shown = m_counts->shown({});
        keys = m_counts->apply(shown, m_counts->entriesOf(shown), m_saved);
    }
    // Then what the other devices did since.
    if (const QVector<DeviceState> news = m_folder->news(); !news.isEmpty())
        m_counts->setDevices(news);
    m_keys = m_counts->shown(keys);
    if (m_keys.isEmpty() && !seeds.isEmpty()) {
        QVector<PhraseEntry> seeded;
        for (const QString &seed : seeds)
            seeded.append(PhraseEntry{seed, 0});
        m_keys = m_counts->join(seeded);
    }
    m_rows = m_counts->entriesOf(m_keys);
    setRecords();
    // The other devices counted while this one was closed, or its own counts
    // have not reached the folder yet.
    if ((fileUsable && m_rows != m_saved) || m_folder->publicationStale(m_counts->own()))
        write(false);
}

bool PhraseStore::save()
{
    const QVector<PhraseEntry> now = entriesOf(*m_records);
    if (m_counts)
        m_keys = m_counts->apply(m_keys, m_rows, now);
    m_rows = now;
    // Another program's change of the file goes in first, so that it is not
    // written over. (The other devices' files are never written here.)
    if (takeIn(false))
        emit changedOutside();
    write(true);
    return m_ownProblem.isEmpty() && (m_file.trouble().kind == PhraseFileTrouble::None ||
                                      m_file.trouble().kind == PhraseFileTrouble::KeptAside);
}

bool PhraseStore::takeIn(bool devices)
{
    bool changed = false;
    if (m_file.changedOnDisk() && m_file.exists()) {
        const PhraseFileContents theirs = m_file.load();
        if (m_file.readable() && theirs.entries != m_saved) {
            // With sharing, a damaged file is only kept aside: the devices'
            // files hold the list whole.
            if (!m_counts || !theirs.damaged()) {
                const QVector<PhraseEntry> merged =
                    ListMerge::merge(m_saved, m_rows, theirs.entries);
                if (m_counts)
                    m_keys = m_counts->apply(m_keys, m_rows, merged);
                else
                    m_rows = merged;
            }
            m_saved = theirs.entries;
            changed = true;
        }
    }
    if (m_counts) {
        const QVector<DeviceState> news = devices ? m_folder->news() : QVector<DeviceState>();
        if (!news.isEmpty())
            m_counts->setDevices(news);
        if (changed || !news.isEmpty()) {
            m_keys = m_counts->shown(m_keys);
            m_rows = m_counts->entriesOf(m_keys);
            changed = true;
        }
    }
    if (changed)
        setRecords();
    return changed;
}

void PhraseStore::write(bool evenIfSame)
{
    // The phrase file first: should a kill or a power cut lose this
    // device's own file after it, the next start makes it good from this.
    if ((evenIfSame || m_rows != m_saved) && m_file.save(m_rows))
        m_saved = m_rows;
    if (m_counts) {
        const qint64 changes = m_counts->changes();
        if (changes != m_published || !m_folder->folderProblem().isEmpty() ||
            m_folder->publicationStale(m_counts->own())) {
            if (m_keys != m_arranged)
                m_counts->arrange(m_arranged = m_keys);
            m_counts->stamp(m_file.stamp(), m_folder->generationSeen());
            if (m_folder->save(m_counts->own(), &m_ownProblem)) {
                m_ownProblem.clear();
                m_published = changes;
            }
        }
        if (m_folder->folderProblem().isEmpty())
            m_retry.stop();
        else if (!m_retry.isActive())
            m_retry.start();
    }
    watch();
}

void PhraseStore::settled()
{
    const QString noticeBefore = notice();
    const bool changed = takeIn(true);
    // A folder back from away, or this device's file there replaced.
    const bool republish =
        m_counts && m_folder->folderThere() &&
        (!m_folder->folderProblem().isEmpty() || m_folder->publicationStale(m_counts->own()));
    if (changed || republish)
        write(false);
    else
        watch();
    if (m_counts && !m_folder->folderProblem().isEmpty() && !m_retry.isActive())
        m_retry.start();
    if (changed || notice() != noticeBefore)
        emit changedOutside();
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
}

void PhraseStore::watch()
{
    QStringList paths{m_file.path(), QFileInfo(m_file.path()).absolutePath()};
    if (m_folder)
        paths << m_folder->folder();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString &path : qAsConst(paths))
        if (!watched.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
}

QString PhraseStore::notice() const
{
    QStringList lines{Notices::ofPhraseFile(m_file.trouble(), path())};
    if (m_folder) {
        lines << (m_ownProblem.isEmpty()
                      ? Notices::ofFolder(*m_folder)
                      : Notices::ofSaving(SharingSettings::mirrorFor(path()), m_ownProblem));
        for (const SharedFolder::Missing &missing : m_folder->missing())
            lines << Notices::ofMissing(missing);
    }
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}
