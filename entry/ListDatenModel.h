#pragma once

#include "store/HolzRow.h"
#include "store/RecordSet.h"

#include <QAbstractTableModel>

namespace entry {

// The table of the open list's records (ListDaten), one row per record in
// the order of the record set. Rows are read from the record set page by
// page as the view asks for them, so a list of 100 000 records costs no
// more than the rows on screen. "Filling" the table is reset(); a saved
// record is added with rowAppended() or rowChanged().
class ListDatenModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int TwipsWidthRole = Qt::UserRole + 1;
    static constexpr int ColumnCount = 16;

    explicit ListDatenModel(store::RecordSet<store::HolzRow>& records, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString columnCaption(int column);
    static int columnWidth(int column);
    QString text(int row, int column) const;
    // The texts of a record as the table shows them (column 0 is its position).
    static QString cellText(const store::HolzRow& row, int position, int column, bool dezimalpunkt);

    // Rebuilds the table from the record set (closed: empty).
    void reset();
    // The record set got one more record at its end.
    void rowAppended();
    void rowChanged(int row);

    // The row of the record shown in the entry fields; -1 for none.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);

    void setDezimalpunkt(bool dezimalpunkt) { m_dezimalpunkt = dezimalpunkt; }

signals:
    void currentRowChanged(int row);

private:
    store::RecordSet<store::HolzRow>& m_records;
    int m_rows = 0;
    int m_current = -1;
    bool m_dezimalpunkt = false;
};

} // namespace entry
