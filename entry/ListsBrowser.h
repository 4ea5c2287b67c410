// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace entry {

class EntryScreen;
class ListDatenModel;
class RecordEntry;
class ListListenModel;
class StatisticsModel;
class RecordStorage;

// The list of lists: filling and ordering it, switching to and opening a
// list, deleting a list with everything that belongs to it, and the list's
// totals.
class ListsBrowser {
public:
    ListsBrowser(EntryScreen& screen, ListDatenModel& daten, RecordEntry& entry, ListListenModel& listen, StatisticsModel& statistik, RecordStorage& storage) : s(screen), daten(daten), entry(entry), listen(listen), statistik(statistik), storage(storage) {}

    // Refills the list of lists and selects the list named in ListenNr.
    void Liste_Daten();
    // True when a list is selected; says how to select one otherwise.
    bool Liste_Ausgewaehlt();
    // Moves `Listen` to the selected list; false when none is selected.
    bool positionOnSelected();

    // A click on a column header of the list of lists.
    void columnClick(int column);
    // Switching: a click (or Up/Down) on a row of the list of lists. Stores
    // the totals of the list that was open, then opens the selected one.
    // A record typed but not stored on the open list is offered for saving
    // first; when it cannot be stored the open list stays.
    void ListListen_Click(int row);
    // "Holzdaten eingeben": opens the selected list for entry.
    void cmdBearbeiten_Click();
    void Liste_Oeffnen();
    // Deletes the selected list after confirmation: its records, stack
    // samples, storage rows and the list row, in one transaction.
    void Liste_Loeschen();
    void mnuLoescheng_Click();

    // Totals of the open list (or, with none open, of the selected one).
    // `still`: store them in the list row; otherwise show them.
    void Liste_Kubatur_Berechnen(bool still);
    void mnuKubatur_Click();

    // "Statistik": the assortment summary of the open list.
    void mnuStatistik_Click();
    // The header dialog stored a list: it is opened at once, in its place in
    // the order of the list of lists.
    void headerSaved(const QString& name);
    // The header was stored without opening its list: the list of lists is
    // read again and keeps the open list selected.
    void headerStored(const QString& name);
    // The header dialog renamed a list.
    void listRenamed(const QString& oldName, const QString& newName);

    // The screen has no open list any more.
    void closeOpenList();

private:
    // Whether switching to `row` may go ahead as far as the record on
    // screen is concerned (asks "Speichern ?" for one typed but not stored).
    bool typedRecordSettled(int row);

    EntryScreen& s;
    ListDatenModel& daten;
    RecordEntry& entry;
    ListListenModel& listen;
    StatisticsModel& statistik;
    RecordStorage& storage;
    bool m_listeDescending = false; // toggle of the "Liste" column header
    bool m_nameDescending = false;  // toggle of the "Name" column header
};

} // namespace entry
