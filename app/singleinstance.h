// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_SINGLEINSTANCE_H
#define VARIZEZ_SINGLEINSTANCE_H

#include <QObject>
#include <QString>
#include <QVariantMap>

// One running copy per desktop session. Two copies would each save their
// whole list over the other's, losing phrases and counts. The first copy owns
// the application's id as a name on the session bus and answers
// org.freedesktop.Application.Activate; a later copy asks it to come to the
// front, and ends. The bus releases the name of a copy that dies, so nothing
// stale is ever left behind. Without a session bus there is no guard.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit SingleInstance(const QString &applicationId);

    // True if this copy is to run: it is the first, or there is no bus to
    // ask. False once another copy has been asked to come to the front,
    // handing it the launcher's tokens: this copy shows no window of its own.
    bool claim(const QVariantMap &platformData);

signals:
    // Another start asks to come to the front, with its launcher's tokens.
    void activated(const QVariantMap &platformData);

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);

private:
    QString m_id;
    QString m_path;
};

#endif // VARIZEZ_SINGLEINSTANCE_H
