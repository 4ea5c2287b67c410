// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlId.h"
#include "entry/EntryScreen.h"
#include "store/MasterData.h"

#include <QString>

namespace entry {

class RecordEntry;
class RecordPrice;

// The selection lists, drop-downs and quick buttons of the entry screen,
// and the letter keys that choose a grade or an assortment. The lists, the
// quick buttons, the new-lot box and the items of the use-type boxes are
// this part's own controls (`c`); the other parts change them only through
// the screen's few operations (the lots of a list, the classes of an
// assortment, closing the lists).
class EntryLists {
public:
    enum class Combo { Einschlag, Nutzung, Preis };

    // `master` holds the code lists and the species of the regions, which
    // only the selection lists read.
    EntryLists(EntryScreen& screen, store::Database& master, RecordEntry& entry, RecordPrice& price)
        : s(screen), c(screen.selectionControls()), m_master(master), entry(entry), price(price)
    {
    }

    // A quick button's caption for a code: a one-letter code gets a blank.
    static QString quickCaption(const QString& code)
    {
        return code.size() == 1 ? code + QLatin1Char(' ') : code;
    }

    // Fills the code lists, the fixed lists and the species of the region.
    // Missing tables leave their list empty.
    void loadCodeLists();
    void loadSpecies();

    // Buttons that open a list.
    void cmdHolzart_Click();
    void cmdGuete_Click();
    void cmdKlasse_Click();
    void cmdLos_Click();
    void cmdAbzRinde_Click();

    // The view moved the selection of a list (without choosing).
    void select(ControlId list, int index);
    // A choice in a list of the screen (double click, or Enter on the list);
    // another control chooses nothing.
    void choose(ControlId list, int index);
    // A choice in a list (double click, or Enter on the list).
    void lstHolzart_Choose(int index);
    void lstGuete_Choose(int index);
    void lstKlasse_Choose(int index);
    void lstStaerke_Choose(int index);
    void lstRinde_Choose(int index);
    void lstLos_Choose(int index);
    void lstLosNeu_Choose(int index);
    // The quick buttons' captions from the codes of the settings.
    void setQuickCaptions(const QStringList& grades, const QStringList& assortments);
    // Text typed into txtLosNeu, not yet confirmed.
    void txtLosNeu_Change(const QString& text) { c.txtLosNeu.text = text; }
    // A lot number typed into txtLosNeu and confirmed.
    void txtLosNeu_Enter(const QString& text);
    // Registers a lot of up to 85 in the list and puts it into txtLos.
    void Los_Pruefen(int lot);

    void cmdGuete_Quick(int button); // cmdGuete1 … cmdGuete3
    void cmdSorte_Quick(int button); // cmdSorte1 … cmdSorte3
    // The grade or assortment of a letter key; false when the key stands for none.
    bool gradeByLetter(int keyCode);
    bool assortmentByLetter(int keyCode);
    // Puts a grade into txtGuete as a choice from lstGuete does.
    void takeGrade(const QString& grade);
    // Puts an assortment into txtSorte as a quick button does, then applies it.
    void takeSorte(const QString& sorte);

    void comboDropDown(Combo combo, bool open);
    void comboChoose(Combo combo, int index);

    // Enter while a list is open: takes its choice. False when none is open.
    bool chooseOpenList();
    // Esc while a list is open: closes it. False when none is open.
    bool closeOpenList();
    // Whether one of the lists in which letters do not choose a grade is open.
    bool letterListOpen() const;
    // The screen dropped its input (Esc button): no drop-down counts as open.
    void forgetDropDown() { m_dropDownOpen = false; }

private:
    void showList(ControlId list);
    EntryScreen& s;
    EntryScreen::SelectionControls c;
    store::MasterData m_master;
    RecordEntry& entry;
    RecordPrice& price;
    bool m_dropDownOpen = false; // cmbEinschlag or cmbNutzung is dropped down
};

} // namespace entry
