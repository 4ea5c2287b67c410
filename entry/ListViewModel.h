// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <span>

namespace entry {

struct ListViewColumn {
    const char* caption;
    int twips; // width in twips; the view divides by 15 for pixels
};

// A report-style list view of the entry screen: fixed columns with captions
// and widths, and rows whose texts the subclass reads on demand. The row
// count changes only through resetRows()/appendRows(), so the view always
// sees begin/end signals around a change.
class ListViewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int TwipsWidthRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of a cell as the view shows it; empty outside the rows.
    virtual QString text(int row, int column) const = 0;

protected:
    ListViewModel(std::span<const ListViewColumn> columns, QObject* parent);
    static QString caption(std::span<const ListViewColumn> columns, int column);
    static int width(std::span<const ListViewColumn> columns, int column);

    virtual bool rightAligned(int column) const = 0;
    void resetRows(int rows);
    // Rows were added at the end, up to `rows` in all.
    void appendRows(int rows);
    void rowChanged(int row);
    int rows() const { return m_rows; }

private:
    std::span<const ListViewColumn> m_columns;
    int m_rows = 0;
};

} // namespace entry
