// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ListenRow.h"

#include <QAbstractTableModel>

namespace report {

// The grid of all lists: the list rows with their columns in table order.
class ListenGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLists(QList<store::ListenRow> lists);
    const QList<store::ListenRow>& lists() const { return m_lists; }
    // The row of the list with this name (without regard to case), or -1.
    int rowOf(const QString& list) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<store::ListenRow> m_lists;
};

} // namespace report
