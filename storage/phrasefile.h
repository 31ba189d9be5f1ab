// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASEFILE_H
#define VARIZEZ_PHRASEFILE_H

#include "datalocation.h"
#include "durablefile.h"
#include "filestamps.h"
#include "phrasekey.h"
#include "problem.h"

#include <QString>
#include <QVector>
#include <memory>

class QIODevice;
class QLockFile;

// What reading a phrase file yielded, with what was found wrong on the way.
// The records are built exactly as the stream yields them; the flags only
// describe the damage, for tools that check files.
struct PhraseFileContents
{
    QVector<PhraseEntry> entries;
    qint32 declaredCount = 0;
    bool dataRanOut = false;     // the file ended before the last declared record
    bool corruptText = false;    // a text length was odd
    bool stoppedAtBound = false; // declared count beyond kRecordBound, cut where data ran out
    qint64 trailingBytes = 0;    // bytes after the last declared record
    qint32 wholeRecords = 0;     // records read before the data ended or went wrong

    // Whether the file held anything that the records do not show.
    bool damaged() const { return dataRanOut || corruptText || trailingBytes > 0; }
};

// The phrase file: a big-endian record count, then per record a QString and
// a 32-bit count, exactly as a default QDataStream writes them. Saves replace
// the whole file atomically and durably: a failed or interrupted save, or a
// power cut, leaves the previous file in place, and once a save has returned
// its file survives a power cut. Quick saves, for those who keep track of
// them, wait for no disk.
class PhraseFile
{
public:
    // A declared record count is trusted up to this many records: a short file
    // within it yields the missing records as empty text with count 0. Past it
    // records are created only while the file still has data, so a damaged
    // count such as 0x7FFFFFFF cannot make the loader build billions of
    // records. 100,000 phrases is far more than anyone keeps.
    static constexpr qint32 kRecordBound = kPhraseBound;

    explicit PhraseFile(const QString &path);
    // The file of that location; saving makes its folder when it is missing.
    explicit PhraseFile(const DataLocation &location);
    ~PhraseFile();

    QString path() const { return m_location.file; }
    bool exists() const;

    // Takes the lock that keeps others from writing the file while this
    // object lives, waiting up to waitMs for one who has it. False when
    // someone else keeps it: nothing is then saved over their work. Where no
    // lock can be made at all, there is none to heed, and true is returned.
    bool lock(int waitMs);

    // Reads the file. A file that exists but cannot be opened yields no
    // records and one warning on standard error, and is not saved over
    // until it can be read again: the counts in it would be lost. A damaged
    // file is first copied aside (PhraseFolder::keepDamagedCopy); a copy
    // that fails keeps it from being saved over.
    PhraseFileContents load();

    // Replaces the file with these records, then syncs its folder. On failure
    // false is returned, and one warning naming the path and the reason is
    // written to standard error; further failures stay quiet until a save
    // succeeds again. The first successful save also removes the temporary
    // files that an earlier process left when it was killed in the middle
    // of replacing the file.
    // A quick save syncs nothing: a power cut may take it back, to any file
    // saved since the last durable save; whoever saves quickly keeps track.
    bool save(const QVector<PhraseEntry> &records,
              DurableFile::Sync sync = DurableFile::Sync::Durable);
    // A save of records that differ from onDisk, the file as it was last
    // read or saved, in the count of that row alone: that count is written
    // over in place where it can be (DurableFile::patch), the file replaced
    // where not. Four bytes cost far less to sync than a file replaced.
    bool saveCount(const QVector<PhraseEntry> &records, int row, const QVector<PhraseEntry> &onDisk,
                   DurableFile::Sync sync);
    // Makes the file on the disk durable as it is, unless it is known to be.
    bool makeDurable();

    static PhraseFileContents read(QIODevice &device);
    static QByteArray bytesOf(const QVector<PhraseEntry> &records);

    // What the user has to be told about the file: CannotRead, CannotSave
    // or KeptAside. A failure is told once per streak of failures and holds
    // until a save succeeds; a damaged file kept aside is told until a
    // failure takes its place.
    const Problem &problem() const { return m_problem; }
    // False while the file's last read failed.
    bool readable() const { return !m_unreadable; }
    // Whether the file on the disk is another than the one this object
    // last read or wrote: someone else replaced or changed it.
    bool changedOnDisk() const { return FileStamps::ofPath(m_location.file) != m_stamp; }
    // The file as this object last read or wrote it.
    const FileStamp &stamp() const { return m_stamp; }

private:
    bool saveBytes(const QByteArray &bytes, DurableFile::Sync sync);
    void saved(DurableFile::Sync sync);
    void reportSaveFailure(const QString &reason);
    void keepDamagedCopy(const QByteArray &bytes);
    void setProblem(Problem::What what, const QString &why);

    DataLocation m_location;
    bool m_saveFailing = false;
    bool m_staleFilesChecked = false;
    bool m_unreadable = false; // the last read failed: nothing is saved over it
    FileStamp m_stamp;
    // What the file on the disk is, as far as this object knows: one it
    // read (of whatever layout), or one it wrote, durably or not yet. A count
    // written in place may leave the stamp as it was (times are coarse), so
    // this is not told by stamps.
    enum class OnDisk { Read, WrittenQuickly, WrittenDurably };
    OnDisk m_onDisk = OnDisk::Read;
    Problem m_problem;
    std::unique_ptr<QLockFile> m_lock;
};

#endif // VARIZEZ_PHRASEFILE_H
