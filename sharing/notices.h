// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_NOTICES_H
#define VARIZEZ_NOTICES_H

#include "phrasefile.h"
#include "sharedfolder.h"
#include "targetlist.h"

#include <QString>

// What the windows tell the user of the list's files, in the user's
// language: an empty text where there is nothing to tell.
namespace Notices {

QString ofPhraseFile(const Problem &problem);
QString ofSaving(const QString &file, const QString &reason);
QString ofFolder(const SharedFolder &folder);
QString ofMissing(const Problem &missing);
QString ofTargets(const Problem &problem);
QString ofDays(const Problem &problem);

} // namespace Notices

#endif // VARIZEZ_NOTICES_H
