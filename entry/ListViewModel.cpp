// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListViewModel.h"

namespace entry {

ListViewModel::ListViewModel(std::span<const ListViewColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(columns)
{
}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString ListViewModel::caption(std::span<const ListViewColumn> columns, int column)
{
    return column >= 0 && column < int(columns.size()) ? QString::fromUtf8(columns[size_t(column)].caption)
                                                       : QString();
}

int ListViewModel::width(std::span<const ListViewColumn> columns, int column)
{
    return column >= 0 && column < int(columns.size()) ? columns[size_t(column)].twips : 0;
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int((rightAligned(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return QVariant();
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole)
        return caption(m_columns, section);
    if (role == TwipsWidthRole)
        return width(m_columns, section);
    return QVariant();
}

void ListViewModel::resetRows(int rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

void ListViewModel::appendRows(int rows)
{
    if (rows <= m_rows)
        return;
    beginInsertRows(QModelIndex(), m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
}

void ListViewModel::rowChanged(int row)
{
    if (row >= 0 && row < m_rows)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

} // namespace entry
