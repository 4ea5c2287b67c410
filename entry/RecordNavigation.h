// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace entry {

class EntryScreen;
class ListDatenModel;
class ListListenModel;
class RecordStorage;

// Stepping through the open list's records, change mode, deleting a record
// and the highest-number question.
class RecordNavigation {
public:
    RecordNavigation(EntryScreen& screen, ListDatenModel& daten, ListListenModel& listen, RecordStorage& storage) : s(screen), daten(daten), listen(listen), storage(storage) {}

    void cmdZurueck_Click();
    void cmdVor_Click();
    void cmdErster_Click();
    void cmdLetzter_Click();
    void cmdAendern_Click();
    // Deletes the current record after confirmation, in one transaction with
    // the list's stored totals.
    void mnuLoeschen_Click();
    void mnuHoechsteNummer_Click();

private:
    bool hasRecords() const;
    EntryScreen& s;
    ListDatenModel& daten;
    ListListenModel& listen;
    RecordStorage& storage;
};

} // namespace entry
