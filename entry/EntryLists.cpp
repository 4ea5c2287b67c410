// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryLists.h"

#include "entry/EntryScreen.h"
#include "entry/RecordEntry.h"
#include "entry/RecordPrice.h"
#include "platform/UserInterface.h"
#include "rules/Codes.h"
#include "store/DbError.h"
#include "store/LotRegister.h"

namespace entry {
namespace {

using platform::Buttons;
using platform::Icon;

bool onButtons(const QString& code, const Control& a, const Control& b, const Control& c)
{
    return rules::sameCode(code, a.caption) || rules::sameCode(code, b.caption) ||
           rules::sameCode(code, c.caption);
}

// The newest choice moves onto the first button; the others move along.
void shiftCaptions(const QString& code, Control& first, Control& second, Control& third)
{
    third.caption = second.caption;
    second.caption = first.caption;
    first.caption = EntryLists::quickCaption(code);
}

const QHash<QChar, QString>& gradeLetters()
{
    static const QHash<QChar, QString> table = {
        {QLatin1Char('-'), QStringLiteral("-")},  {QLatin1Char('A'), QStringLiteral("AF")},
        {QLatin1Char('B'), QStringLiteral("B ")}, {QLatin1Char('b'), QStringLiteral("BC")},
        {QLatin1Char('C'), QStringLiteral("C ")}, {QLatin1Char('c'), QStringLiteral("CD")},
        {QLatin1Char('D'), QStringLiteral("D ")}, {QLatin1Char('d'), QStringLiteral("D ")},
        {QLatin1Char('P'), QStringLiteral("PZ")}, {QLatin1Char('p'), QStringLiteral("PZ")},
        {QLatin1Char('m'), QStringLiteral("MR")}, {QLatin1Char('F'), QStringLiteral("F ")},
        {QLatin1Char('N'), QStringLiteral("N ")}, {QLatin1Char('K'), QStringLiteral("K ")},
    };
    return table;
}

const QHash<QChar, QString>& assortmentLetters()
{
    static const QHash<QChar, QString> table = {
        {QLatin1Char('h'), QStringLiteral("HL")}, {QLatin1Char('L'), QStringLiteral("L ")},
        {QLatin1Char('l'), QStringLiteral("L ")}, {QLatin1Char('H'), QStringLiteral("H ")},
        {QLatin1Char('P'), QStringLiteral("P ")}, {QLatin1Char('p'), QStringLiteral("P ")},
        {QLatin1Char('i'), QStringLiteral("IL")}, {QLatin1Char('I'), QStringLiteral("IS")},
        {QLatin1Char('s'), QStringLiteral("IS")}, {QLatin1Char('S'), QStringLiteral("S ")},
        {QLatin1Char('w'), QStringLiteral("W ")}, {QLatin1Char('W'), QStringLiteral("W ")},
        {QLatin1Char('n'), QStringLiteral("NH")}, {QLatin1Char('N'), QStringLiteral("NH")},
    };
    return table;
}

// The key tables are written in the characters of the key codes.
QChar keyCharacter(int keyCode)
{
    return keyCode > 0 && keyCode < 256 ? QChar(keyCode) : QChar();
}

} // namespace

void EntryLists::loadCodeLists()
{
    Control& c1 = c.lstGuete;
    c1.items.clear();
    c.lstKlasse.items.clear();
    c.cmbNutzung.items.clear();
    c.cmbEinschlag.items.clear();
    try {
        c1.items = m_master.gueten();
        c.lstKlasse.items = m_master.sorten();
        for (const store::CodeRow& row : m_master.nutzungsarten())
            c.cmbNutzung.items << row.Name + QStringLiteral("  ") + row.Kuerzel;
        for (const store::CodeRow& row : m_master.einschlagtypen())
            c.cmbEinschlag.items << row.Name + QStringLiteral("  ") + row.Kuerzel;
    } catch (const store::DbError&) {
        // A master-data file without these tables leaves the lists empty;
        // the screen stays usable.
    }
    c.lstRinde.items = {QStringLiteral("a"), QStringLiteral("m"), QStringLiteral("o"),
                        QStringLiteral("g"), QStringLiteral("r"), QStringLiteral(" ")};
    price.loadUnits();
    c.lstLosNeu.items.clear();
    for (int lot = 1; lot <= store::LotRegister::MaxLot; ++lot)
        c.lstLosNeu.items << QString::number(lot);
    if (c.lstLos.items.isEmpty())
        c.lstLos.items = {QStringLiteral("1")};
}

void EntryLists::setQuickCaptions(const QStringList& grades, const QStringList& assortments)
{
    Control* gradeButtons[] = {&c.cmdGuete1, &c.cmdGuete2, &c.cmdGuete3};
    Control* assortmentButtons[] = {&c.cmdSorte1, &c.cmdSorte2, &c.cmdSorte3};
    for (int i = 0; i < 3; ++i) {
        if (i < grades.size())
            gradeButtons[i]->caption = quickCaption(grades.at(i));
        if (i < assortments.size())
            assortmentButtons[i]->caption = quickCaption(assortments.at(i));
    }
}

void EntryLists::loadSpecies()
{
    c.lstHolzart.items.clear();
    s.setBarkTable({});
    try {
        const auto species = m_master.species(s.options().RegionIndex);
        for (const store::HolzartRow& row : species)
            c.lstHolzart.items << row.Holzart;
        s.setBarkTable(m_master.barkTable(s.options().RegionIndex, species));
    } catch (const store::DbError&) {
        // No species: the automatic deduction says so when it is asked for.
    }
    c.lstHolzart.selected = -1;
}

void EntryLists::showList(ControlId id)
{
    s.Listen_Ausblenden();
    Control& list = c.list(id);
    list.visible = true;
    list.selected = list.items.isEmpty() ? -1 : 0;
    s.focus(id);
}

void EntryLists::cmdHolzart_Click()
{
    showList(ControlId::lstHolzart);
}

void EntryLists::cmdGuete_Click()
{
    showList(ControlId::lstGuete);
}

void EntryLists::cmdKlasse_Click()
{
    showList(ControlId::lstKlasse);
}

void EntryLists::cmdAbzRinde_Click()
{
    showList(ControlId::lstRinde);
}

void EntryLists::cmdLos_Click()
{
    showList(ControlId::lstLos);
    c.lstLosNeu.visible = true;
    c.lstLosNeu.selected = -1;
    c.txtLosNeu.visible = true;
    c.txtLosNeu.text.clear();
}

void EntryLists::select(ControlId id, int index)
{
    switch (id) {
    case ControlId::lstHolzart:
    case ControlId::lstGuete:
    case ControlId::lstKlasse:
    case ControlId::lstStaerke:
    case ControlId::lstRinde:
        break;
    // The lots of the list and the new lot numbers are shown together; Enter
    // takes the one the user moved in last.
    case ControlId::lstLos:
        c.lstLosNeu.selected = -1;
        break;
    case ControlId::lstLosNeu:
        c.lstLos.selected = -1;
        break;
    default:
        return;
    }
    Control& list = c.list(id);
    list.selected = index >= 0 && index < list.items.size() ? index : -1;
}

void EntryLists::choose(ControlId id, int index)
{
    switch (id) {
    case ControlId::lstHolzart:
        lstHolzart_Choose(index);
        break;
    case ControlId::lstGuete:
        lstGuete_Choose(index);
        break;
    case ControlId::lstKlasse:
        lstKlasse_Choose(index);
        break;
    case ControlId::lstStaerke:
        lstStaerke_Choose(index);
        break;
    case ControlId::lstRinde:
        lstRinde_Choose(index);
        break;
    case ControlId::lstLos:
        lstLos_Choose(index);
        break;
    case ControlId::lstLosNeu:
        lstLosNeu_Choose(index);
        break;
    default:
        break;
    }
}

void EntryLists::lstHolzart_Choose(int index)
{
    Control& list = c.lstHolzart;
    if (index < 0 || index >= list.items.size())
        return;
    // Holzart_Uebernehmen
    list.visible = false;
    const QString species = list.items.at(index);
    s.chooseCode(EntryScreen::Code::Holzart, species);
    if (index > 5) {
        // Species picked from further down come first from now on.
        try {
            m_master.moveSpeciesToFront(s.options().RegionIndex, species);
        } catch (const store::DbError& error) {
            s.showError(error);
        }
        loadSpecies();
    }
    s.forgetShownMessages();
    if (!s.state().gespeichert)
        s.Datensatz_Berechnen();
    else
        entry.Neuer_Datensatz();
    s.Eingabe_Daten();
}

void EntryLists::takeGrade(const QString& grade)
{
    entry.newRecordIfSaved();
    s.chooseCode(EntryScreen::Code::Guete, grade);
    c.lstGuete.visible = false;
    if (s.options().chkGuete && !onButtons(grade, c.cmdGuete1, c.cmdGuete2, c.cmdGuete3))
        shiftCaptions(grade, c.cmdGuete1, c.cmdGuete2, c.cmdGuete3);
    s.Eingabe_Daten();
}

void EntryLists::lstGuete_Choose(int index)
{
    if (index >= 0 && index < c.lstGuete.items.size())
        takeGrade(c.lstGuete.items.at(index));
}

void EntryLists::takeSorte(const QString& sorte)
{
    if (!rules::sameCode(sorte, s.record().txtSorte))
        s.markSorteChosen();
    s.chooseCode(EntryScreen::Code::Sorte, sorte);
    entry.Sorte();
}

void EntryLists::lstKlasse_Choose(int index)
{
    Control& list = c.lstKlasse;
    if (index < 0 || index >= list.items.size())
        return;
    const QString sorte = list.items.at(index);
    list.visible = false;
    if (s.options().chkSorte && !onButtons(sorte, c.cmdSorte1, c.cmdSorte2, c.cmdSorte3))
        shiftCaptions(sorte, c.cmdSorte1, c.cmdSorte2, c.cmdSorte3);
    takeSorte(sorte);
}

void EntryLists::lstStaerke_Choose(int index)
{
    Control& list = c.lstStaerke;
    if (index < 0 || index >= list.items.size())
        return;
    entry.newRecordIfSaved();
    s.chooseCode(EntryScreen::Code::Staerke, list.items.at(index));
    list.visible = false;
    s.setFieldMode(false);
    s.Eingabe_Daten();
}

void EntryLists::lstRinde_Choose(int index)
{
    Control& list = c.lstRinde;
    if (index < 0 || index >= list.items.size())
        return;
    list.visible = false;
    entry.newRecordIfSaved();
    s.chooseCode(EntryScreen::Code::AbzRinde, list.items.at(index));
    s.forgetShownMessages();
    s.Datensatz_Berechnen();
    s.Eingabe_Daten();
}

void EntryLists::lstLos_Choose(int index)
{
    Control& list = c.lstLos;
    if (index < 0 || index >= list.items.size())
        return;
    // lstLos_Uebernehmen. The new record comes first, so that preparing it
    // cannot overwrite the lot just chosen.
    if (s.state().gespeichert) {
        s.markEdited();
        entry.Neuer_Datensatz();
    }
    s.chooseCode(EntryScreen::Code::Los, list.items.at(index));
    list.visible = false;
    c.lstLosNeu.visible = false;
    c.txtLosNeu.visible = false;
    s.Eingabe_Daten();
}

void EntryLists::lstLosNeu_Choose(int index)
{
    if (index >= 0 && index < c.lstLosNeu.items.size())
        Los_Pruefen(c.lstLosNeu.items.at(index).toInt());
}

void EntryLists::txtLosNeu_Enter(const QString& text)
{
    bool ok = false;
    const int lot = text.trimmed().toInt(&ok);
    c.txtLosNeu.text.clear();
    if (ok && lot >= 0)
        Los_Pruefen(lot);
}

void EntryLists::Los_Pruefen(int lot)
{
    if (lot > store::LotRegister::MaxLot) {
        s.ui.message({QStringLiteral("Losnummer zu groß (Max 85)"), QStringLiteral("Information"),
                      Buttons::Ok, Icon::Information});
        s.Eingabe_Daten();
        return;
    }
    entry.newRecordIfSaved();
    if (lot >= 1 && s.positionOnOpenList()) {
        try {
            s.store.Los_Eintragen(lot);
            s.showLots(s.store.Lose_Anzeigen());
        } catch (const store::DbError& error) {
            s.showError(error);
            return;
        }
    }
    s.chooseCode(EntryScreen::Code::Los, QString::number(lot));
    c.lstLos.visible = false;
    c.lstLosNeu.visible = false;
    c.txtLosNeu.visible = false;
    s.Eingabe_Daten();
}

void EntryLists::cmdGuete_Quick(int button)
{
    const Control* buttons[] = {&c.cmdGuete1, &c.cmdGuete2, &c.cmdGuete3};
    if (button < 1 || button > 3)
        return;
    entry.newRecordIfSaved();
    s.chooseCode(EntryScreen::Code::Guete, buttons[button - 1]->caption);
    s.Eingabe_Daten();
}

void EntryLists::cmdSorte_Quick(int button)
{
    const Control* buttons[] = {&c.cmdSorte1, &c.cmdSorte2, &c.cmdSorte3};
    if (button >= 1 && button <= 3)
        takeSorte(buttons[button - 1]->caption);
}

bool EntryLists::gradeByLetter(int keyCode)
{
    const auto it = gradeLetters().constFind(keyCharacter(keyCode));
    if (it == gradeLetters().constEnd())
        return false;
    takeGrade(*it);
    return true;
}

bool EntryLists::assortmentByLetter(int keyCode)
{
    const auto it = assortmentLetters().constFind(keyCharacter(keyCode));
    if (it == assortmentLetters().constEnd())
        return false;
    s.chooseCode(EntryScreen::Code::Sorte, *it);
    entry.Sorte();
    return true;
}

void EntryLists::comboDropDown(Combo, bool open)
{
    m_dropDownOpen = open;
}

void EntryLists::comboChoose(Combo combo, int index)
{
    m_dropDownOpen = false;
    // The unit of the price belongs to the record on screen, stored or not:
    // choosing it prepares no new record.
    if (combo == Combo::Preis) {
        price.cmbpreis_Click(index);
        return;
    }
    Control& box = combo == Combo::Einschlag ? c.cmbEinschlag : c.cmbNutzung;
    if (index < -1 || index >= box.items.size())
        return;
    entry.newRecordIfSaved();
    box.selected = index;
    box.text = index >= 0 ? box.items.at(index) : QString();
}

bool EntryLists::letterListOpen() const
{
    return c.lstHolzart.visible || c.lstStaerke.visible || c.lstLosNeu.visible;
}

bool EntryLists::chooseOpenList()
{
    if (m_dropDownOpen) {
        // The view closes its drop-down and reports the choice itself.
        m_dropDownOpen = false;
        return true;
    }
    struct Open {
        Control& list;
        void (EntryLists::*choose)(int);
    };
    const Open lists[] = {
        {c.lstHolzart, &EntryLists::lstHolzart_Choose}, {c.lstKlasse, &EntryLists::lstKlasse_Choose},
        {c.lstGuete, &EntryLists::lstGuete_Choose},     {c.lstStaerke, &EntryLists::lstStaerke_Choose},
        {c.lstLos, &EntryLists::lstLos_Choose},         {c.lstLosNeu, &EntryLists::lstLosNeu_Choose},
        {c.lstRinde, &EntryLists::lstRinde_Choose},
    };
    bool anyOpen = false;
    for (const Open& open : lists) {
        if (!open.list.visible)
            continue;
        anyOpen = true;
        if (open.list.selected >= 0) {
            (this->*open.choose)(open.list.selected);
            return true;
        }
    }
    if (anyOpen)
        s.Listen_Ausblenden();
    return anyOpen;
}

bool EntryLists::closeOpenList()
{
    const bool open = m_dropDownOpen || c.lstHolzart.visible || c.lstKlasse.visible || c.lstGuete.visible ||
                      c.lstStaerke.visible || c.lstLos.visible || c.lstLosNeu.visible || c.lstRinde.visible;
    if (!open)
        return false;
    m_dropDownOpen = false;
    s.Listen_Ausblenden();
    s.Eingabe_Daten();
    return true;
}

} // namespace entry
