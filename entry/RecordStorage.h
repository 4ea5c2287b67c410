// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "store/HolzRow.h"

namespace rules {
struct RecordFields;
}

namespace entry {

class EntryScreen;
class ListDatenModel;
class ListListenModel;
class RecordPrice;

// Checking, storing and reading the record on screen.
//
// A save is one transaction: the record and the list row (its totals, the
// "converted" mark cleared, the "edited" date) are stored together or not
// at all. The screen's running totals and flags change only after the
// commit, so a failed save leaves the record on screen, unsaved, with the
// totals as they were.
class RecordStorage {
public:
    // `newRecord` prepares the screen for a new record (when the list has none to read).
    RecordStorage(EntryScreen& screen, ListDatenModel& daten, ListListenModel& listen, RecordPrice& price,
                  std::function<void()> newRecord)
        : s(screen), daten(daten), listen(listen), price(price), m_newRecord(std::move(newRecord))
    {
    }

    // Checks and saves; true when the record was stored.
    bool cmdSpeichern_Click();
    // True when the record is complete; shows the missing values otherwise.
    bool Daten_Kontrolle();
    // Writes the record (appends it, or rewrites the current one in change
    // mode); true when it was stored.
    bool Daten_Speichern();
    // Shows the current record of the open list.
    void Daten_Lesen();
    // Many records are stored in one action (the table's multi-record
    // change): one confirmation sound at its end instead of one per record.
    void setBatchSave(bool on) { m_batchSave = on; }

private:
    // Before a single log is stored: asks about a number the list holds
    // already, and about a number not above the highest while that question
    // is on. False when the number could not be checked.
    bool confirmNumber();
    store::HolzRow rowFromFields(const store::HolzRow& base);
    void showRow(const store::HolzRow& row);
    // The parts of showRow: single log, assortment or sampled stack with
    // its bark deduction and follow-on and bracket marks; the measures and
    // the captions that differ for stacked wood; felling and use type; the
    // bark mode; the price; and the screen flags of a stored record.
    void showKind(const store::HolzRow& row, rules::RecordFields& shown);
    void showMeasures(const store::HolzRow& row, rules::RecordFields& shown);
    void showUseTypes(const store::HolzRow& row);
    void showBarkMode(const store::HolzRow& row);
    void markStored(const store::HolzRow& row);
    EntryScreen& s;
    ListDatenModel& daten;
    ListListenModel& listen;
    RecordPrice& price;
    std::function<void()> m_newRecord;
    bool m_batchSave = false;
};

} // namespace entry
