// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/WorkRow.h"

#include <QAbstractTableModel>

namespace report {

// The record list: the working copy's rows in thirteen columns.
class ListDatenModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListDatenModel(bool dezimalpunkt, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_dezimalpunkt(dezimalpunkt)
    {
    }

    void setRows(QList<store::WorkRow> rows);
    const QList<store::WorkRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<store::WorkRow> m_rows;
    bool m_dezimalpunkt;
};

} // namespace report
