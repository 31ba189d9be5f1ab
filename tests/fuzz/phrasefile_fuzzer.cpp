// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: whatever the bytes, the readers of the phrase file and
// of the files beside it (the targets, the days and the journal of counts)
// take them without a crash, a hang or runaway memory, and what they read
// is written and read back unchanged.

#include "countjournal.h"
#include "dayfile.h"
#include "phrasefile.h"
#include "targetfile.h"

#include <QBuffer>
#include <QDataStream>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto read = [](QByteArray bytes) {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        return PhraseFile::read(in);
    };
    const auto write = [](const QVector<PhraseEntry> &entries) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(entries.size());
        for (const PhraseEntry &entry : entries)
            out << entry.name << entry.count;
        return bytes;
    };
    const PhraseFileContents loaded =
        read(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    const QByteArray saved = write(loaded.entries);
    const PhraseFileContents again = read(saved);
    if (loaded.entries.size() > qMax(0, loaded.declaredCount) || again.dataRanOut ||
        again.trailingBytes != 0 || write(again.entries) != saved)
        std::abort();

    // A targets file is read only whole, and then it is as it would be written.
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QVector<PhraseTarget> targets;
    if (TargetFile::read(bytes, &targets) == FileVerdict::Whole &&
        TargetFile::bytesOf(targets) != bytes)
        std::abort();
    DayFile::Contents days;
    if (DayFile::read(bytes, &days) == FileVerdict::Whole && DayFile::bytesOf(days) != bytes)
        std::abort();
    // A journal is read up to its first entry that is not whole, and never
    // holds more than its bytes make.
    const CountJournal::Contents journal = CountJournal::parse(bytes);
    if (journal.droppedBytes < 0 || journal.droppedBytes > bytes.size() ||
        journal.entries.size() > bytes.size() / 30)
        std::abort();
    return 0;
}
