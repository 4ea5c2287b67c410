// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListDatenModel.h"

#include "RecordCells.h"

namespace report {

void ListDatenModel::setRows(QList<store::WorkRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ListDatenModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ListDatenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(RecordCells::listTitles().size());
}

QVariant ListDatenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return RecordCells::isNumeric(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return RecordCells::listCells(m_rows.at(index.row()), m_dezimalpunkt).value(index.column());
}

QVariant ListDatenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return RecordCells::listTitles().value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace report
