// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PHRASELIST_H
#define VARIZEZ_PHRASELIST_H

#include "beads.h"
#include "phraseentry.h"
#include "phraseoperation.h"

#include <QAbstractListModel>
#include <QVector>
#include <optional>

// The user's list: owns the records, in the order shown, row i being
// records().at(i). The list view shows it; the counting dialog counts one of
// its records. Only the store changes it, with the list it keeps.
class PhraseList : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role { CountRole = Qt::UserRole, TargetRole };

    explicit PhraseList(QObject *parent = nullptr);
    ~PhraseList() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const QVector<Beads *> &records() const { return m_records; }
    // Null for a row that is not there.
    Beads *record(int row) const
    {
        return row >= 0 && row < m_records.size() ? m_records.at(row) : nullptr;
    }
    // -1 for a record that is no longer in the list.
    int rowOf(const Beads *record) const
    {
        return int(m_records.indexOf(const_cast<Beads *>(record)));
    }
    QVector<PhraseEntry> entries() const;

    // Makes the list these rows, each with the target of the same row (none
    // where targets is shorter). Each record stays the same object where its
    // phrase stays, so the one being counted goes on being counted; a list
    // whose phrases moved is told as made anew.
    // Without targets, each record kept keeps its own, and a new one has none.
    void setRows(const QVector<PhraseEntry> &rows,
                 const std::optional<QVector<qint32>> &targets = std::nullopt);
    // What the user did, as a list of its own does it: the count stops at
    // neither end here (the store keeps it within them).
    void apply(const PhraseOperation &op);
    // One row at a time.
    void setCount(int row, int count);
    void setTarget(int row, int target);
    void insert(int row, const PhraseEntry &entry, int target);
    void remove(int row);

private:
    void setValues(int row, int count, int target);

    QVector<Beads *> m_records; // children of this list: deleted with it
};

#endif // VARIZEZ_PHRASELIST_H
