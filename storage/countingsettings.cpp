// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countingsettings.h"

#include "durablefile.h"
#include "phrasefolder.h"
#include "regularfile.h"

#include <QByteArrayList>

namespace {

constexpr qint64 kSizeBound = 4096; // a few lines; anything longer is not ours
const QByteArray kGroup = QByteArrayLiteral("[counting]");
const QByteArray kTickKey = QByteArrayLiteral("tick");

QString pathFor(const QString &dataFile)
{
    return PhraseFolder::beside(dataFile, ".settings");
}

} // namespace

bool CountingSettings::tick(const QString &dataFile)
{
    QByteArray bytes;
    QString reason;
    if (!RegularFile::read(pathFor(dataFile), kSizeBound, &bytes, &reason))
        return false;
    QByteArray group;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            group = trimmed;
        else if (group == kGroup && trimmed.startsWith(kTickKey + '='))
            return trimmed.mid(kTickKey.size() + 1).trimmed() == "true";
    }
    return false;
}

bool CountingSettings::setTick(const QString &dataFile, bool on, QString *error)
{
    // Written whole, never through a link another program put in its place.
    const QByteArray bytes = kGroup + '\n' + kTickKey + '=' + (on ? "true" : "false") + '\n';
    return DurableFile::replace(pathFor(dataFile), bytes, error, nullptr,
                                DurableFile::Sync::Durable, DurableFile::Links::Replace);
}
