// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countjournal.h"

#include "daycounts.h"
#include "durablefile.h"
#include "failure.h"
#include "phrasekey.h"
#include "regularfile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QtEndian>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Failure::failed;

constexpr quint32 kMagic = 0x565A434A; // "VZCJ"
constexpr quint16 kVersion = 2;
constexpr int kHeadSize = 16; // the magic, the version, two bytes kept, the checkpoint
// An entry: its size, then its index, the day, row, count after, +1 or -1
// and the text as QDataStream writes them, then its check.
constexpr qint64 kEntrySizeBound = 5 * 4 + 4 + 2 * CountJournal::kTextBound;

// What ties an entry to its journal and its place in it, and tells a torn
// or changed one.
quint32 checkOf(quint64 checkpoint, const QByteArray &body)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    char bytes[8];
    qToBigEndian(checkpoint, bytes);
    hash.addData(QByteArray::fromRawData(bytes, sizeof bytes));
    hash.addData(body);
    return qFromBigEndian<quint32>(hash.result().constData());
}

QByteArray headOf(quint64 checkpoint)
{
    QByteArray head(kHeadSize, '\0');
    qToBigEndian(kMagic, head.data());
    qToBigEndian(kVersion, head.data() + 4);
    qToBigEndian(checkpoint, head.data() + 8);
    return head;
}

QByteArray bytesOf(const CountJournal::Entry &entry, qint32 index, quint64 checkpoint)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_7);
    out << index << entry.day << entry.row << entry.after << entry.delta << entry.text;
    QByteArray bytes(4, '\0');
    qToBigEndian(quint32(body.size()), bytes.data());
    bytes += body;
    bytes.resize(bytes.size() + 4);
    qToBigEndian(checkOf(checkpoint, body), bytes.data() + bytes.size() - 4);
    return bytes;
}

bool withinBounds(const CountJournal::Entry &entry)
{
    return DayCounts::isDay(entry.day) && entry.row >= 0 && entry.row < kPhraseBound &&
           (entry.delta == 1 || entry.delta == -1) && !entry.text.isNull() &&
           entry.text.size() <= CountJournal::kTextBound;
}

// The entry body holds, where it is whole and within every bound.
bool readBody(const QByteArray &body, qint32 index, CountJournal::Entry *entry)
{
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_4_7);
    qint32 at = -1;
    in >> at >> entry->day >> entry->row >> entry->after >> entry->delta >> entry->text;
    return in.status() == QDataStream::Ok && in.atEnd() && at == index && withinBounds(*entry);
}

} // namespace

CountJournal::CountJournal(const QString &path)
    : m_path(path)
{}

CountJournal::~CountJournal()
{
    close();
}

void CountJournal::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool CountJournal::begin(quint64 checkpoint, QString *error)
{
    close();
    if (checkpoint == 0)
        return failed(QStringLiteral("no checkpoint"), error);
    return DurableFile::replace(m_path, headOf(checkpoint), error, nullptr,
                                DurableFile::Sync::Durable, DurableFile::Links::Replace) &&
           openToAppend(checkpoint, error);
}

bool CountJournal::resume(quint64 checkpoint, QString *error)
{
    close();
    return openToAppend(checkpoint, error);
}

bool CountJournal::openToAppend(quint64 checkpoint, QString *error)
{
    m_fd = ::open(QFile::encodeName(m_path).constData(),
                  O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return failed(qt_error_string(errno), error);
    // Whatever took its place since is not written through.
    struct stat status;
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_nlink != 1 ||
        status.st_size != kHeadSize) {
        close();
        return failed(QStringLiteral("it was replaced by another file"), error);
    }
    m_checkpoint = checkpoint;
    m_entries = 0;
    m_size = kHeadSize;
    return true;
}

bool CountJournal::append(const Entry &entry, QString *error)
{
    if (m_fd < 0)
        return failed(QStringLiteral("it is not open"), error);
    // A reader stops at the first entry out of bounds: it is never written.
    if (!withinBounds(entry))
        return failed(QStringLiteral("the count is out of its bounds"), error);
    const QByteArray bytes = bytesOf(entry, m_entries, m_checkpoint);
    if (m_size + bytes.size() > kSizeBound)
        return failed(QStringLiteral("it is full"), error);
    const ssize_t written = ::write(m_fd, bytes.constData(), size_t(bytes.size()));
    if (written == bytes.size() && ::fdatasync(m_fd) == 0) {
        ++m_entries;
        m_size += bytes.size();
        return true;
    }
    const QString reason = qt_error_string(written < 0 || written == bytes.size() ? errno : ENOSPC);
    // What was written of it goes, so that the next entry stands where a
    // reader looks for it; where that fails, nothing more is appended.
    if (::ftruncate(m_fd, m_size) != 0)
        close();
    return failed(reason, error);
}

CountJournal::Contents CountJournal::read(const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!RegularFile::read(path, kSizeBound, &bytes, &reason))
        return Contents();
    return parse(bytes);
}

CountJournal::Contents CountJournal::parse(const QByteArray &bytes)
{
    Contents contents;
    const char *data = bytes.constData();
    if (bytes.size() < kHeadSize || qFromBigEndian<quint32>(data) != kMagic ||
        qFromBigEndian<quint16>(data + 4) != kVersion) {
        contents.droppedBytes = bytes.size();
        return contents;
    }
    contents.checkpoint = qFromBigEndian<quint64>(data + 8);
    qint64 at = kHeadSize;
    while (at + 8 <= bytes.size()) {
        const qint64 size = qFromBigEndian<quint32>(data + at);
        if (size > kEntrySizeBound || at + 8 + size > bytes.size())
            break;
        const QByteArray body = bytes.mid(int(at + 4), int(size));
        Entry entry;
        if (qFromBigEndian<quint32>(data + at + 4 + size) != checkOf(contents.checkpoint, body) ||
            !readBody(body, qint32(contents.entries.size()), &entry))
            break;
        contents.entries.append(entry);
        at += 8 + size;
    }
    contents.droppedBytes = bytes.size() - at;
    return contents;
}
