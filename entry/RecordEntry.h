// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryField.h"

#include <QString>

namespace entry {

class EntryScreen;
class RecordPrice;
class RecordStorage;

// The input side of the entry screen: choosing a field, the keypad in
// quick entry and field entry, the record kind, the assortment rules,
// preparing a new record and discarding the input.
class RecordEntry {
public:
    RecordEntry(EntryScreen& screen, RecordPrice& price, RecordStorage& storage) : s(screen), price(price), storage(storage) {}

    // Starts field entry of a field ("Laenge", "Durchmesser", "Stueck",
    // "Faktor", "Kubatur", "Nummer", "Staerke", "Rinde", "Abteilung",
    // "Preisfaktor", "Preis").
    void selectField(EntryField field);
    void cmdLaenge_Click() { selectField(EntryField::Laenge); }
    void cmdDurchm_Click() { selectField(EntryField::Durchmesser); }
    void cmdFaktor_Click() { selectField(EntryField::Faktor); }
    void cmdStueck_Click();
    void cmdNummer_Click();
    void cmdKubatur_Click();
    void cmdStaerke_Click();
    void txtStaerke_Click();
    void txtRinde_Click();
    void txtAbteilung_Click() { selectField(EntryField::Abteilung); }
    void txtPreisfaktor_Click() { selectField(EntryField::Preisfaktor); }
    void txtPreis_Click() { selectField(EntryField::Preis); }
    // The caption of the price: points at the price as it stands (highlight
    // and focus), without emptying it or preparing a new record.
    void Label3_Click();
    void txtZusatz_Click();

    // A keypad key: "0" … "9", "," or "." (decimal key), "b" (back).
    void keypad(const QString& key);
    void cmdKomma_Click();
    // The input buffer after the user changed it.
    void txtEingabe_Change(const QString& text);
    void Schnelleingabe();

    void optEinzelstamm_Click();
    void optSortiment_Click();
    void cmdX_Click();
    void chkFolge_Click(bool checked);
    void chkKlammer_Click(bool checked);
    void mnuKlammerstamm_Click();

    // Applies the assortment in txtSorte. `showClassList` shows the class
    // list of the assortment (cmdStaerke, txtStaerke).
    void Sorte(bool showClassList = false);
    void Neuer_Datensatz();
    // A new record first when the stored record is still on screen.
    void newRecordIfSaved();
    void cmdEscape_Click();
    // Another list was opened: a follow-on mark the previous list's
    // bracketed log set does not carry over.
    void listOpened() { m_autoFolge = false; }

private:
    void fieldKey(const QString& key);
    EntryScreen& s;
    RecordPrice& price;
    RecordStorage& storage;
    bool m_autoFolge = false; // chkFolge was set because the previous record was bracketed
};

} // namespace entry
