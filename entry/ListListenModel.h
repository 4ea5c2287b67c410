// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ListViewModel.h"
#include "store/ListenRow.h"
#include "store/RecordSet.h"

namespace entry {

// The list of lists (ListListen): one row per timber list with its header
// data and stored totals, in the order of the shared `Listen` record set.
// Rows are read from the record set as the view asks for them. "Filling"
// the list (Liste_Daten) is reload(), a model reset.
class ListListenModel : public ListViewModel {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 12;

    explicit ListListenModel(store::RecordSet<store::ListenRow>& lists, QObject* parent = nullptr);

    static QString columnCaption(int column);
    static int columnWidth(int column);
    QString text(int row, int column) const override;
    QString listName(int row) const;
    // The row of the list of that name (without regard to case); -1 when none.
    int findList(const QString& name) const;

    // Follows the record set again after it was reopened or changed.
    void reload();
    // The stored values of one list changed.
    void listChanged(qint64 listId);

    // The selected list, the one every list operation acts on; -1 for none.
    int selectedRow() const { return m_selected; }
    void setSelectedRow(int row);
    QString selectedName() const { return listName(m_selected); }

    void setDezimalpunkt(bool dezimalpunkt) { m_dezimalpunkt = dezimalpunkt; }

signals:
    void selectedRowChanged(int row);

protected:
    bool rightAligned(int column) const override { return column == 2 || column == 3; }

private:
    store::RecordSet<store::ListenRow>& m_lists;
    int m_selected = -1;
    bool m_dezimalpunkt = false;
};

} // namespace entry
