// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ListViewModel.h"
#include "store/HolzRow.h"
#include "store/RecordSet.h"

namespace entry {

// The table of the open list's records (ListDaten), one row per record in
// the order of the record set. Rows are read from the record set page by
// page as the view asks for them, so a list of 100 000 records costs no
// more than the rows on screen. "Filling" the table is reset(); a saved
// record is added with rowAppended() or rowChanged().
class ListDatenModel : public ListViewModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 16;

    explicit ListDatenModel(store::RecordSet<store::HolzRow>& records, QObject* parent = nullptr);

    static QString columnCaption(int column);
    static int columnWidth(int column);
    QString text(int row, int column) const override;
    // The texts of a record as the table shows them (column 0 is its position).
    static QString cellText(const store::HolzRow& row, int position, int column, bool dezimalpunkt);

    // Rebuilds the table from the record set (closed: empty).
    void reset();
    // The record set got one more record at its end.
    void rowAppended() { appendRows(m_records.recordCount()); }
    void rowChanged(int row) { ListViewModel::rowChanged(row); }

    // The row of the record shown in the entry fields; -1 for none.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);

    void setDezimalpunkt(bool dezimalpunkt) { m_dezimalpunkt = dezimalpunkt; }

    // The rows the user selected for the table menu, ascending, without
    // rows past the end. The view reports its selection with
    // selectionReported(); the screen selects rows itself with
    // setSelectedRows(), which the view follows through selectedRowsChanged().
    const QList<int>& selectedRows() const { return m_selected; }
    void selectionReported(const QList<int>& rows) { m_selected = validRows(rows); }
    void setSelectedRows(const QList<int>& rows);

signals:
    void currentRowChanged(int row);
    void selectedRowsChanged(const QList<int>& rows);

protected:
    bool rightAligned(int column) const override
    {
        return column <= 2 || column == 4 || column == 5 || column == 9 || column == 12;
    }

private:
    QList<int> validRows(QList<int> rows) const;

    store::RecordSet<store::HolzRow>& m_records;
    int m_current = -1;
    QList<int> m_selected;
    bool m_dezimalpunkt = false;
};

} // namespace entry
