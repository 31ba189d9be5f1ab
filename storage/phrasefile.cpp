// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefile.h"

#include "durablefile.h"
#include "folders.h"
#include "phrasefolder.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QtGlobal>

PhraseFile::PhraseFile(const QString &path)
    : m_location{path, QString(), QString()}
{}

PhraseFile::PhraseFile(const DataLocation &location)
    : m_location(location)
{}

PhraseFile::~PhraseFile() = default;

bool PhraseFile::lock(int waitMs)
{
    if (!m_location.problem.isEmpty())
        return true;
    m_lock = PhraseFolder::lock(m_location.file, waitMs);
    if (m_lock)
        return true;
    m_location.problem = QStringLiteral("another Varizez is using it");
    setProblem(Problem::CannotSave, m_location.problem);
    return false;
}

bool PhraseFile::exists() const
{
    // A file another Varizez keeps is shown all the same, though not saved.
    return QFile::exists(m_location.file);
}

namespace {

// The one parser.
PhraseFileContents readRecords(QIODevice &device)
{
    PhraseFileContents contents;
    QVector<PhraseEntry> &records = contents.entries;
    QDataStream in(&device);

    qint32 declared = 0;
    in >> declared;
    contents.declaredCount = declared;

    // Both variables live across the loop and every read overwrites them
    // whole: a read past the end yields a null text and 0. A text of odd
    // length is not one the stream can read: it yields a null text, and the
    // stream reads on from just after the length, so the count is made of
    // the bytes that follow it.
    QString text;
    qint32 count = 0;
    if (declared > 0)
        records.reserve(qMin(declared, PhraseFile::kRecordBound));
    for (qint32 i = 0; i < declared; ++i) {
        if (i >= PhraseFile::kRecordBound && in.atEnd()) {
            contents.stoppedAtBound = true;
            break;
        }
        in >> text >> count;
        records.append(PhraseEntry{text, count});
        if (in.status() == QDataStream::Ok)
            contents.wholeRecords = i + 1;
    }

    switch (in.status()) {
    case QDataStream::ReadPastEnd:
        contents.dataRanOut = true;
        break;
    case QDataStream::ReadCorruptData:
        contents.corruptText = true;
        break;
    default:
        break;
    }
    if (contents.stoppedAtBound)
        contents.dataRanOut = true;
    if (device.isSequential())
        contents.trailingBytes = device.bytesAvailable();
    else
        contents.trailingBytes = qMax<qint64>(0, device.size() - device.pos());
    return contents;
}

const QString kUnreadable = QStringLiteral("it could not be read, so it is kept as it is");

} // namespace

PhraseFileContents PhraseFile::read(QIODevice &device)
{
    return readRecords(device);
}

PhraseFileContents PhraseFile::load()
{
    QFile file(m_location.file);
    QByteArray bytes;
    m_onDisk = OnDisk::Read;
    if (file.open(QIODevice::ReadOnly)) {
        m_stamp = FileStamps::ofDescriptor(file.handle());
        bytes = file.readAll();
    }
    if (file.error() != QFileDevice::NoError) {
        qWarning("varizez: cannot read %s: %s", qUtf8Printable(m_location.file),
                 qUtf8Printable(file.errorString()));
        if (m_location.problem.isEmpty())
            m_location.problem = kUnreadable;
        m_unreadable = true;
        m_stamp = FileStamps::ofPath(m_location.file);
        setProblem(Problem::CannotRead, file.errorString());
        return PhraseFileContents();
    }
    if (std::exchange(m_unreadable, false) && m_location.problem == kUnreadable) {
        m_location.problem.clear(); // it can be read again
        m_problem = Problem();
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    PhraseFileContents contents = readRecords(buffer);
    if (contents.damaged())
        keepDamagedCopy(bytes);
    return contents;
}

void PhraseFile::keepDamagedCopy(const QByteArray &bytes)
{
    QString where;
    if (PhraseFolder::keepDamagedCopy(m_location.file, bytes, &where)) {
        setProblem(Problem::KeptAside, where);
        return;
    }
    m_location.problem =
        QStringLiteral("it is damaged and no copy of it could be made (%1), so it is kept as it is")
            .arg(where);
    setProblem(Problem::CannotSave, m_location.problem);
}

bool PhraseFile::saveBytes(const QByteArray &bytes, DurableFile::Sync sync)
{
    QString reason = m_location.problem;
    const QString folder = QFileInfo(m_location.file).absolutePath();
    if (!reason.isEmpty() ||
        (!m_location.makeBelow.isEmpty() &&
         !Folders::make(folder, m_location.makeBelow, &reason)) ||
        !DurableFile::replace(m_location.file, bytes, &reason, &m_stamp, sync)) {
        reportSaveFailure(reason);
        return false;
    }
    saved(sync);
    if (!m_staleFilesChecked) {
        m_staleFilesChecked = true;
        PhraseFolder::removeLeftovers(m_location.file);
    }
    return true;
}

void PhraseFile::saved(DurableFile::Sync sync)
{
    m_onDisk = sync == DurableFile::Sync::Durable ? OnDisk::WrittenDurably : OnDisk::WrittenQuickly;
    m_saveFailing = false;
    if (m_problem.what != Problem::KeptAside)
        m_problem = Problem();
}

bool PhraseFile::save(const QVector<PhraseEntry> &records, DurableFile::Sync sync)
{
    return saveBytes(bytesOf(records), sync);
}

bool PhraseFile::saveCount(const QVector<PhraseEntry> &records, int row,
                           const QVector<PhraseEntry> &onDisk, DurableFile::Sync sync)
{
    // Where the count lies: after the record count, each earlier record's
    // text (its length, then two bytes a character) and count, then its text.
    bool oneCount = m_location.problem.isEmpty() && records.size() == onDisk.size() && row >= 0 &&
                    row < records.size();
    qint64 offset = 0, size = 4;
    for (int i = 0; oneCount && i < records.size(); ++i) {
        oneCount = records.at(i).name == onDisk.at(i).name &&
                   (i == row || records.at(i).count == onDisk.at(i).count);
        size += 4 + 2 * qint64(records.at(i).name.size());
        if (i == row)
            offset = size;
        size += 4;
    }
    QByteArray count;
    if (oneCount && m_onDisk != OnDisk::Read && size == m_stamp.size) {
        QDataStream(&count, QIODevice::WriteOnly) << records.at(row).count;
        if (DurableFile::patch(m_location.file, offset, count, m_stamp, &m_stamp, sync)) {
            // Synced, the file is durable only where it was: a file replaced
            // quickly may yet lose its name.
            saved(sync == DurableFile::Sync::Durable && m_onDisk == OnDisk::WrittenDurably
                      ? DurableFile::Sync::Durable
                      : DurableFile::Sync::Quick);
            return true;
        }
    }
    return save(records, sync);
}

bool PhraseFile::makeDurable()
{
    // A file someone else put there since is theirs to sync.
    if (!m_stamp.exists() || m_onDisk == OnDisk::WrittenDurably || changedOnDisk() ||
        !m_location.problem.isEmpty())
        return true;
    QString reason;
    if (!DurableFile::sync(m_location.file, &reason)) {
        reportSaveFailure(reason);
        return false;
    }
    m_onDisk = OnDisk::WrittenDurably;
    return true;
}

QByteArray PhraseFile::bytesOf(const QVector<PhraseEntry> &records)
{
    QByteArray bytes;
    bytes.reserve(4 + int(records.size()) * 48); // most phrases are short: few reallocations
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(records.size());
    for (const PhraseEntry &record : records)
        out << record.name << record.count;
    return bytes;
}

void PhraseFile::reportSaveFailure(const QString &reason)
{
    if (m_saveFailing)
        return;
    m_saveFailing = true;
    setProblem(Problem::CannotSave, reason);
    qWarning("varizez: cannot save %s: %s", qUtf8Printable(m_location.file),
             qUtf8Printable(reason));
}

void PhraseFile::setProblem(Problem::What what, const QString &why)
{
    // The first failure of a streak is the one told.
    if (m_problem.what == Problem::None || m_problem.what == Problem::KeptAside)
        m_problem = Problem{what, m_location.file, why, QString()};
}
