// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/TableChange.h"

#include <QList>
#include <QString>

namespace entry {

class EntryScreen;
class ListDatenModel;
class ListListenModel;
class RecordStorage;
struct ListTotals;

// The table menu's change of several records at once: one field of every
// selected row, moving the rows to another list, or deleting them.
//
// A field change goes through the screen's own path for every row (read
// the record, put in the new value, recompute, check, store in change
// mode), so volume, class and price stay consistent; rows the check
// refuses keep their values and are named at the end. All rows are stored
// in one transaction: a database error leaves every record as it was.
// Moving and deleting are one transaction each, together with the stored
// totals of the lists involved.
//
// Automatic lot assignment is switched off while the rows are stored, so
// changing a length does not move records into other lots.
class MultiRecordChange {
public:
    MultiRecordChange(EntryScreen& screen, ListDatenModel& daten, ListListenModel& listen, RecordStorage& storage) : s(screen), daten(daten), listen(listen), storage(storage) {}

    // Acts on the rows selected in the table (ListDatenModel::selectedRows()).
    void Tabelle_Mehrfach_Aendern(TableChange feld);

private:
    void changeField(TableChange feld, const QString& value, const QList<int>& rows);
    void moveRows(const QString& answer, const QList<int>& rows);
    void deleteRows(const QString& answer, const QList<int>& rows);
    // Puts the new value into the record on screen; false when the field
    // cannot hold it.
    bool putValue(TableChange feld, const QString& value);
    // Stores a list's totals and lot register after records left or joined it.
    void storeListTotals(const QString& list, const QList<int>& newLots, ListTotals* totals = nullptr);
    // The records are read again after rows were removed from the list.
    void reopen(int firstRemovedRow, const ListTotals& totals);
    void information(const QString& text);
    EntryScreen& s;
    ListDatenModel& daten;
    ListListenModel& listen;
    RecordStorage& storage;
};

} // namespace entry
