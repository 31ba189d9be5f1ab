// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "targetfile.h"

#include "phrasefile.h"
#include "phrasefolder.h"
#include "sealedbytes.h"

#include <QDataStream>
#include <QIODevice>
#include <QSet>
#include <utility>

namespace {

constexpr quint32 kMagic = 0x565A5447; // "VZTG"
constexpr quint32 kVersion = 1;

} // namespace

QString TargetFile::pathFor(const QString &phraseFile)
{
    return PhraseFolder::beside(phraseFile, ".targets");
}

QByteArray TargetFile::bytesOf(const QVector<PhraseTarget> &targets)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_7);
    out << kMagic << kVersion << qint32(targets.size());
    for (const PhraseTarget &t : targets)
        out << t.phrase.text << t.phrase.n << t.target;
    return SealedBytes::sealed(bytes);
}

FileVerdict TargetFile::read(const QByteArray &bytes, QVector<PhraseTarget> *targets)
{
    targets->clear();
    const std::optional<QByteArray> body = SealedBytes::opened(bytes, kSizeBound);
    if (!body)
        return FileVerdict::Damaged;
    QDataStream in(*body);
    in.setVersion(QDataStream::Qt_4_7);
    quint32 magic = 0, version = 0;
    qint32 n = 0;
    in >> magic >> version >> n;
    if (magic != kMagic || version != kVersion || n < 0 || n > PhraseFile::kRecordBound)
        return FileVerdict::Damaged;
    QVector<PhraseTarget> read;
    QSet<PhraseKey> seen;
    for (qint32 i = 0; i < n; ++i) {
        PhraseTarget t;
        in >> t.phrase.text >> t.phrase.n >> t.target;
        if (in.status() != QDataStream::Ok || t.phrase.text.isNull() || t.phrase.n < 0 ||
            t.phrase.n >= PhraseFile::kRecordBound || t.target < 1 || t.target > kTargetBound)
            return FileVerdict::Damaged;
        if (seen.contains(t.phrase))
            return FileVerdict::Damaged;
        seen.insert(t.phrase);
        read.append(t);
    }
    if (!in.atEnd())
        return FileVerdict::Damaged;
    *targets = std::move(read);
    return FileVerdict::Whole;
}
