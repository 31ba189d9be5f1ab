// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_BEADS_H
#define VARIZEZ_BEADS_H

#include <QObject>
#include <QString>

// One entry of the user's list: a phrase and how often it has been counted.
// The count is not clamped here: a file edited by hand may hold one below
// zero, which is shown as it is.
class Beads : public QObject
{
    Q_OBJECT

public:
    Beads(const QString &name, int count, QObject *parent);
    ~Beads() override;

    QString name() const;
    int count() const;
    void setCount(int count);
    // The count the user counts this phrase to, and on at every multiple of
    // it; 0 when there is none.
    int target() const { return m_target; }
    void setTarget(int target) { m_target = target; }

private:
    QString m_name;
    int m_count;
    int m_target = 0;
};

#endif // VARIZEZ_BEADS_H
