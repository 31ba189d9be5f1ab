// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dayfile.h"

#include "phrasefile.h"
#include "phrasefolder.h"
#include "sealedbytes.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 kMagic = 0x565A4459; // "VZDY"
constexpr quint32 kVersion = 1;

} // namespace

QString DayFile::pathFor(const QString &phraseFile)
{
    return PhraseFolder::beside(phraseFile, ".days");
}

QString DayFile::journalPathFor(const QString &phraseFile)
{
    return PhraseFolder::beside(phraseFile, ".days-journal");
}

QByteArray DayFile::bytesOf(const Contents &contents)
{
    const DayCounts days = contents.days.withinBound();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_7);
    out << kMagic << kVersion << contents.checkpoint << qint32(days.phrases().size());
    for (auto phrase = days.phrases().cbegin(); phrase != days.phrases().cend(); ++phrase) {
        out << phrase.key() << qint32(phrase->size());
        for (auto day = phrase->cbegin(); day != phrase->cend(); ++day)
            out << day.key() << day.value();
    }
    return SealedBytes::sealed(bytes);
}

FileVerdict DayFile::read(const QByteArray &bytes, Contents *contents)
{
    *contents = Contents();
    const std::optional<QByteArray> body = SealedBytes::opened(bytes, kSizeBound);
    if (!body)
        return FileVerdict::Damaged;
    QDataStream in(*body);
    in.setVersion(QDataStream::Qt_4_7);
    quint32 magic = 0, version = 0;
    quint64 checkpoint = 0;
    qint32 phrases = 0;
    in >> magic >> version >> checkpoint >> phrases;
    if (magic != kMagic || version != kVersion || phrases < 0 || phrases > PhraseFile::kRecordBound)
        return FileVerdict::Damaged;
    Contents read{DayCounts(), checkpoint};
    qint64 daysLeft = DayCounts::kDayBound;
    QString previous;
    for (qint32 i = 0; i < phrases; ++i) {
        QString text;
        qint32 days = 0;
        in >> text >> days;
        if (in.status() != QDataStream::Ok || text.isNull() || (i > 0 && text <= previous) ||
            days < 1 || days > daysLeft)
            return FileVerdict::Damaged;
        daysLeft -= days;
        qint32 lastDay = -1;
        for (qint32 d = 0; d < days; ++d) {
            qint32 day = 0, said = 0;
            in >> day >> said;
            if (in.status() != QDataStream::Ok || day <= lastDay || !read.days.add(text, day, said))
                return FileVerdict::Damaged;
            lastDay = day;
        }
        previous = text;
    }
    if (!in.atEnd())
        return FileVerdict::Damaged;
    *contents = read;
    return FileVerdict::Whole;
}
