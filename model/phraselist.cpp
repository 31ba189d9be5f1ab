// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "phraselist.h"

#include <QHash>
#include <memory>

PhraseList::PhraseList(QObject *parent)
    : QAbstractListModel(parent)
{}

PhraseList::~PhraseList() = default;

int PhraseList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

QVariant PhraseList::data(const QModelIndex &index, int role) const
{
    const Beads *beads = record(index.row());
    if (!beads || index.parent().isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return beads->name();
    case CountRole:
        return beads->count();
    case TargetRole:
        return beads->target();
    default:
        return QVariant();
    }
}

QVector<PhraseEntry> PhraseList::entries() const
{
    QVector<PhraseEntry> entries;
    entries.reserve(m_records.size());
    for (const Beads *beads : m_records)
        entries.append(PhraseEntry{beads->name(), beads->count()});
    return entries;
}

void PhraseList::setValues(int row, int count, int target)
{
    Beads *beads = m_records.at(row);
    if (beads->count() == count && beads->target() == target)
        return;
    beads->setCount(count);
    beads->setTarget(target);
    emit dataChanged(index(row), index(row), {CountRole, TargetRole});
}

void PhraseList::setCount(int row, int count)
{
    setValues(row, count, m_records.at(row)->target());
}

void PhraseList::setTarget(int row, int target)
{
    setValues(row, m_records.at(row)->count(), target);
}

void PhraseList::insert(int row, const PhraseEntry &entry, int target)
{
    beginInsertRows(QModelIndex(), row, row);
    m_records.insert(row, new Beads(entry.name, entry.count, this));
    m_records.at(row)->setTarget(target);
    endInsertRows();
}

void PhraseList::remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    std::unique_ptr<Beads> gone(m_records.takeAt(row));
    endRemoveRows();
}

void PhraseList::setRows(const QVector<PhraseEntry> &rows,
                         const std::optional<QVector<qint32>> &targets)
{
    // Most often only counts changed: every phrase is where it was.
    const int after = int(rows.size());
    bool samePlaces = after == m_records.size();
    for (int row = 0; samePlaces && row < after; ++row)
        samePlaces = m_records.at(row)->name() == rows.at(row).name;
    if (samePlaces) {
        for (int row = 0; row < after; ++row)
            setValues(row, rows.at(row).count,
                      targets ? targets->value(row) : m_records.at(row)->target());
        return;
    }
    // The records whose phrase stays are kept, the others made anew or
    // deleted.
    beginResetModel();
    QHash<QString, QVector<Beads *>> unused;
    for (Beads *beads : qAsConst(m_records))
        unused[beads->name()].append(beads);
    QVector<Beads *> records;
    records.reserve(after);
    for (const PhraseEntry &row : rows) {
        QVector<Beads *> &same = unused[row.name];
        records.append(same.isEmpty() ? new Beads(row.name, row.count, this) : same.takeFirst());
    }
    for (const QVector<Beads *> &left : qAsConst(unused))
        qDeleteAll(left);
    m_records = records;
    for (int row = 0; row < after; ++row) {
        m_records.at(row)->setCount(rows.at(row).count);
        if (targets)
            m_records.at(row)->setTarget(targets->value(row));
    }
    endResetModel();
}

void PhraseList::apply(const PhraseOperation &op)
{
    using Kind = PhraseOperation::Kind;
    switch (op.kind) {
    case Kind::CountUp:
    case Kind::CountDown:
        setCount(op.row, record(op.row)->count() + (op.kind == Kind::CountUp ? 1 : -1));
        break;
    case Kind::Reset:
    case Kind::UndoReset:
        setCount(op.row, op.kind == Kind::Reset ? 0 : op.value);
        break;
    case Kind::SetTarget:
        setTarget(op.row, op.value);
        break;
    case Kind::Add:
        insert(int(m_records.size()), PhraseEntry{op.text, 0}, 0);
        break;
    case Kind::UndoRemove:
        insert(qMin(op.row, int(m_records.size())), PhraseEntry{op.text, op.value}, op.target);
        break;
    case Kind::Remove:
        remove(op.row);
        break;
    }
}
