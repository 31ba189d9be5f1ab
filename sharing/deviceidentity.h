// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DEVICEIDENTITY_H
#define VARIZEZ_DEVICEIDENTITY_H

#include "datalocation.h"

#include <QByteArray>
#include <QString>

// Who this device is in the shared folder: its id, made from the machine
// and the phrase file, and one more each time the device goes on as a new
// one (its incarnation); and the key that seals its own record, which never
// leaves the device. Both are kept in the mirror, beside the phrase file.
class DeviceIdentity
{
public:
    DeviceIdentity(const DataLocation &location, const QString &mirror);

    const QString &id() const { return m_id; }
    // The key as kept, or an empty one where there is none yet.
    const QByteArray &keptKey();
    // The key, made at first use. Empty, with the reason, where it cannot
    // be kept.
    QByteArray key(QString *error);
    // This device goes on under a new id. False, with the reason, where the
    // new incarnation cannot be kept: the id stays as it was.
    bool becomeNew(QString *error);
    // Makes the mirror where it is missing, never wider than its owner.
    bool makeMirror(QString *error) const;

private:
    // Takes the key kept, where there is one the program made.
    bool readKey(QString *reason);
    QString keyPath() const;
    QString incarnationPath() const;

    DataLocation m_location;
    QString m_mirror;
    int m_incarnation = 0;
    QString m_id;
    QByteArray m_key;
};

#endif // VARIZEZ_DEVICEIDENTITY_H
