// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phrasefile.h"

#include "beads.h"
#include "durablefile.h"
#include "folders.h"

#include <QBuffer>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QtGlobal>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>

PhraseFile::PhraseFile(const QString &path)
    : m_location{path, QString(), QString()}
{}

PhraseFile::PhraseFile(const DataLocation &location)
    : m_location(location)
{}

PhraseFile::~PhraseFile() = default;

namespace {

// A lock left by a program that was killed: its process is gone, or it was
// killed before it could write who holds it. Qt's own check for the second
// case also waits out a "<lock>.rmlock" that a kill at the wrong moment
// leaves behind, and until then would take a dead program for a running one.
bool leftByAKilledProgram(const QLockFile &lock, const QString &path)
{
    qint64 pid = 0;
    QString host, application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime()) >= 2;
    return host == QSysInfo::machineHostName() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

bool PhraseFile::lock(int waitMs)
{
    if (!m_location.problem.isEmpty())
        return true;
    const QString path = DataLocation::lockFileFor(m_location.file);
    m_lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its program is gone, however long it ran.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(waitMs) || m_lock->error() != QLockFile::LockFailedError)
        return true;
    if (leftByAKilledProgram(*m_lock, path) && m_lock->removeStaleLockFile() &&
        (QFile::remove(path + QStringLiteral(".rmlock")), m_lock->tryLock(0)))
        return true;
    m_location.problem = QStringLiteral("another Varizez is using it");
    setTrouble(PhraseFileTrouble::CannotSave, m_location.problem);
    return false;
}

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

    // Both variables live across the loop and every read overwrites them
    // whole: a read past the end yields a null text and 0. A text of odd
    // length is not one the stream can read: it yields a null text, and the
    // stream reads on from just after the length, so the count is made of
    // the bytes that follow it.
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
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qWarning("varizez: cannot read %s: %s", qUtf8Printable(m_location.file),
                 qUtf8Printable(file.errorString()));
        m_location.problem = QStringLiteral("it could not be read, so it is kept as it is");
        setTrouble(PhraseFileTrouble::CannotRead, file.errorString());
        return PhraseFileContents();
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    PhraseFileContents contents = readRecords(buffer, records, make);
    if (contents.damaged())
        keepDamagedCopy(bytes);
    return contents;
}

void PhraseFile::keepDamagedCopy(const QByteArray &bytes)
{
    struct stat status = {};
    const unsigned mode = ::stat(QFile::encodeName(m_location.file).constData(), &status) == 0
                              ? status.st_mode & 0777
                              : 0600;
    QString reason;
    for (int n = 1; n < 1000; ++n) {
        const QString copy = m_location.file + QStringLiteral(".damaged") +
                             (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        QFile earlier(copy);
        // A program started again on the same damaged file finds its copy.
        if (earlier.open(QIODevice::ReadOnly) && earlier.readAll() == bytes) {
            setTrouble(PhraseFileTrouble::KeptAside, copy);
            return;
        }
        bool exists = false;
        if (DurableFile::create(copy, bytes, mode, &exists, &reason)) {
            qWarning("varizez: %s is damaged; kept as %s", qUtf8Printable(m_location.file),
                     qUtf8Printable(copy));
            setTrouble(PhraseFileTrouble::KeptAside, copy);
            return;
        }
        if (!exists)
            break;
    }
    m_location.problem =
        QStringLiteral("it is damaged and no copy of it could be made (%1), so it is kept as it is")
            .arg(reason);
    setTrouble(PhraseFileTrouble::CannotSave, m_location.problem);
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
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(records.size());
    for (const auto &record : records) {
        const auto [name, count] = entryOf(record);
        out << name << count;
    }
    if (!DurableFile::replace(m_location.file, bytes, &reason)) {
        reportSaveFailure(reason);
        return false;
    }
    m_saveFailing = false;
    if (m_trouble.kind != PhraseFileTrouble::KeptAside)
        m_trouble = PhraseFileTrouble();
    if (!m_staleFilesChecked) {
        m_staleFilesChecked = true;
        removeStaleTemporaryFiles();
    }
    return true;
}

void PhraseFile::removeStaleTemporaryFiles() const
{
    // A process killed while it replaced the file leaves its temporary file
    // behind. Only names that the program makes are taken for such
    // leftovers: never a copy that a person made, whatever its name.
    const QFileInfo target(m_location.file);
    const QDir dir = target.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names)
        if (DurableFile::isTemporaryName(name, target.fileName()))
            QFile::remove(dir.filePath(name));
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
    setTrouble(PhraseFileTrouble::CannotSave, reason);
    qWarning("varizez: cannot save %s: %s", qUtf8Printable(m_location.file),
             qUtf8Printable(reason));
}

void PhraseFile::setTrouble(PhraseFileTrouble::Kind kind, const QString &reason)
{
    // The first failure of a streak is the one told.
    if (m_trouble.kind == PhraseFileTrouble::None || m_trouble.kind == PhraseFileTrouble::KeptAside)
        m_trouble = PhraseFileTrouble{kind, reason};
}
