// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_COUNTJOURNAL_H
#define VARIZEZ_COUNTJOURNAL_H

#include <QByteArray>
#include <QString>
#include <QVector>

// The counts made since the days file was last written (its checkpoint), one
// entry each, appended and synced as each is made, before the count itself
// is written: a count's day costs one small durable write, and the days file
// is rewritten only now and then. A file of the program's own beside the
// phrase file, read as untrusted input all the same: a regular file, within
// kSizeBound, each entry checked; the entries end at the first one that a
// cut left torn or that anything changed.
class CountJournal
{
public:
    // One count: the day it was made on, the row it changed in the list as
    // shown then, that row's count after it, +1 or -1, and the phrase's text.
    struct Entry
    {
        qint32 day = 0;
        qint32 row = 0;
        qint32 after = 0;
        qint32 delta = 1;
        QString text;
        bool operator==(const Entry &o) const
        {
            return day == o.day && row == o.row && after == o.after && delta == o.delta &&
                   text == o.text;
        }
    };
    struct Contents
    {
        quint64 checkpoint = 0; // 0: no journal, or not one of this program's
        QVector<Entry> entries;
        qint64 droppedBytes = 0; // after the last whole entry: a torn or changed tail
    };
    static constexpr qint64 kSizeBound = 4 * 1024 * 1024;
    // The longest text an entry holds: the count of a longer one is kept
    // in the days file at once.
    static constexpr int kTextBound = 16 * 1024;

    explicit CountJournal(const QString &path);
    ~CountJournal();
    CountJournal(const CountJournal &) = delete;
    CountJournal &operator=(const CountJournal &) = delete;

    // Starts the journal over, empty, after the checkpoint named (never 0),
    // durably: the file is replaced, a link at its path with it.
    bool begin(quint64 checkpoint, QString *error);
    // Goes on appending to a journal of that checkpoint that holds no entry.
    bool resume(quint64 checkpoint, QString *error);
    // Whether entries are appended to a journal begun by this object.
    bool isOpen() const { return m_fd >= 0; }
    // Appends one entry and syncs it. On failure the file is as it was, or
    // cannot be written again until begin(): the caller then keeps the
    // count's day another way.
    bool append(const Entry &entry, QString *error);

    QString path() const { return m_path; }
    static Contents read(const QString &path);
    static Contents parse(const QByteArray &bytes);

private:
    // Opens the file at the path to append to it, where it is a regular
    // file of one name that holds a head alone.
    bool openToAppend(quint64 checkpoint, QString *error);
    void close();

    QString m_path;
    int m_fd = -1;
    quint64 m_checkpoint = 0;
    qint32 m_entries = 0;
    qint64 m_size = 0;
};

#endif // VARIZEZ_COUNTJOURNAL_H
