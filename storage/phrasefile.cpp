// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefile.h"

#include "beads.h"
#include "folders.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtGlobal>
#include <cerrno>

PhraseFile::PhraseFile(const QString &path)
    : m_location{path, QString(), QString()}
{}

PhraseFile::PhraseFile(const DataLocation &location)
    : m_location(location)
{}

bool PhraseFile::exists() const
{
    return m_location.problem.isEmpty() && QFile::exists(m_location.file);
}

namespace {

// The one parser. Each record is handed to make(text, count) and the result
// appended to records, so the program can build its records straight from
// the stream without an intermediate copy of the whole file.
template <typename Record, typename Make>
PhraseFileContents readRecords(QIODevice &device, QVector<Record> &records, Make make)
{
    PhraseFileContents contents;
    QDataStream in(&device);

    qint32 declared = 0;
    in >> declared;
    contents.declaredCount = declared;

    // Both variables live across the loop; every read overwrites them whole,
    // and a failed read yields an empty text and 0.
    QString text;
    qint32 count = 0;
    if (declared > 0)
        records.reserve(records.size() + qMin(declared, PhraseFile::kRecordBound));
    for (qint32 i = 0; i < declared; ++i) {
        if (i >= PhraseFile::kRecordBound && in.atEnd()) {
            contents.stoppedAtBound = true;
            break;
        }
        in >> text >> count;
        records.append(make(text, count));
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

PhraseEntry makeEntry(const QString &text, qint32 count)
{
    return PhraseEntry{text, count};
}

Beads *makeRecord(const QString &text, qint32 count)
{
    return new Beads(text, count, nullptr);
}

} // namespace

PhraseFileContents PhraseFile::read(QIODevice &device)
{
    QVector<PhraseEntry> entries;
    PhraseFileContents contents = readRecords(device, entries, makeEntry);
    contents.entries = std::move(entries);
    return contents;
}

template <typename Record, typename Make>
PhraseFileContents PhraseFile::loadRecords(QVector<Record> &records, Make make)
{
    QFile file(m_location.file);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("varizez: cannot read %s: %s", qUtf8Printable(m_location.file),
                 qUtf8Printable(file.errorString()));
        m_location.problem = QStringLiteral("it could not be read, so it is kept as it is");
        return PhraseFileContents();
    }
    return readRecords(file, records, make);
}

PhraseFileContents PhraseFile::load()
{
    QVector<PhraseEntry> entries;
    PhraseFileContents contents = loadRecords(entries, makeEntry);
    contents.entries = std::move(entries);
    return contents;
}

PhraseFileContents PhraseFile::load(QVector<Beads *> &records)
{
    return loadRecords(records, makeRecord);
}

template <typename Records, typename Accessor>
bool PhraseFile::saveRecords(const Records &records, Accessor entryOf)
{
    QString reason = m_location.problem;
    const QString folder = QFileInfo(m_location.file).absolutePath();
    if (!reason.isEmpty() || (!m_location.makeBelow.isEmpty() &&
                              !Folders::make(folder, m_location.makeBelow, &reason))) {
        reportSaveFailure(reason);
        return false;
    }
    QSaveFile file(m_location.file);
    // Writing straight into the target would lose atomicity; a directory that
    // allows no new file means no save, reported below.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        reportSaveFailure(file.errorString());
        return false;
    }

    QDataStream out(&file);
    out << qint32(records.size());
    for (const auto &record : records) {
        const auto [name, count] = entryOf(record);
        out << name << count;
    }

    // QSaveFile::commit() ignores an error that only shows when its buffer is
    // written out, and would install a truncated file. Flushing first makes a
    // short write (full disk, file size limit) visible while the old file can
    // still be kept.
    // A failed write leaves its cause in errno; Qt's own message for it is
    // only "Unknown error".
    if (out.status() != QDataStream::Ok || !file.flush()) {
        const QString cause = qt_error_string(errno);
        file.cancelWriting();
        reportSaveFailure(cause);
        return false;
    }
    // The new file is only there for good once its folder is synced.
    if (!file.commit() || !Folders::sync(folder, &reason)) {
        reportSaveFailure(reason.isEmpty() ? file.errorString() : reason);
        return false;
    }
    m_saveFailing = false;
    if (!m_staleFilesChecked) {
        m_staleFilesChecked = true;
        removeStaleTemporaryFiles();
    }
    return true;
}

void PhraseFile::removeStaleTemporaryFiles() const
{
    // QSaveFile writes an unnamed file and links it in under the final name.
    // Over an existing file it first links it as "<name>.XXXXXX" and renames
    // that over the old one; a process killed between the two steps leaves
    // that name behind. Only names of exactly that form that hold a whole,
    // undamaged phrase file are taken for such leftovers.
    const QFileInfo target(m_location.file);
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(target.fileName())));
    const QDir dir = target.absoluteDir();
    const QStringList candidates = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : candidates) {
        if (!leftover.match(name).hasMatch())
            continue;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const PhraseFileContents contents = read(file);
        file.close();
        if (!contents.dataRanOut && !contents.corruptText && contents.trailingBytes == 0)
            QFile::remove(file.fileName());
    }
}

bool PhraseFile::save(const QVector<Beads *> &records)
{
    return saveRecords(records, [](const Beads *record) {
        return std::pair<QString, qint32>(record->name(), record->count());
    });
}

bool PhraseFile::save(const QVector<PhraseEntry> &records)
{
    return saveRecords(records, [](const PhraseEntry &record) {
        return std::pair<const QString &, qint32>(record.name, record.count);
    });
}

void PhraseFile::reportSaveFailure(const QString &reason)
{
    if (m_saveFailing)
        return;
    m_saveFailing = true;
    qWarning("varizez: cannot save %s: %s", qUtf8Printable(m_location.file),
             qUtf8Printable(reason));
}
