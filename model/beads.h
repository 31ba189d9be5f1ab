// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_BEADS_H
#define VARIZEZ_BEADS_H

#include <QObject>
#include <QString>

// One entry of the user's list: a phrase and how often it has been counted.
// The count is not clamped here; only the counting dialog keeps it from
// going below zero.
class Beads : public QObject
{
    Q_OBJECT

public:
    Beads(const QString &name, int count, QObject *parent);
    ~Beads() override;

    QString name() const;
    int count() const;
    void setCount(int count);
    // Sets the count to 0 as Reset does. Other devices keep what they
    // counted meanwhile, which a count set to 0 by hand would not.
    void reset();
    // How often the phrase was reset: whoever keeps the records in step
    // tells a reset from a count that went to 0 by this.
    int resets() const { return m_resets; }
    // The count the user counts this phrase to, and on at every multiple of
    // it; 0 when there is none.
    int target() const { return m_target; }
    // A target chosen on this device: by its user, an import, or a record
    // made here (whose "no target" is chosen too). Whoever shares the
    // records with other devices tells the others of it, then gives the
    // record the target they agree on.
    void setTarget(int target)
    {
        m_target = target;
        m_targetChosen = true;
    }
    void setAgreedTarget(int target)
    {
        m_target = target;
        m_targetChosen = false;
    }
    bool targetChosenHere() const { return m_targetChosen; }

private:
    QString m_name;
    int m_count;
    int m_resets = 0;
    int m_target = 0;
    bool m_targetChosen = true;
};

#endif // VARIZEZ_BEADS_H
