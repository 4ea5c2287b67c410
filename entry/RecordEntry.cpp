// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordEntry.h"

#include "entry/EntryScreen.h"
#include "entry/RecordPrice.h"
#include "entry/RecordStorage.h"
#include "platform/UserInterface.h"
#include "rules/InputRules.h"
#include "rules/Numbers.h"
#include "rules/QuickEntry.h"

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

bool is(const QString& text, const char* value)
{
    return text == QLatin1String(value);
}

QStringList items(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromLatin1(text);
    return list;
}

} // namespace

void RecordEntry::newRecordIfSaved()
{
    if (!s.state().aendern && s.state().gespeichert)
        Neuer_Datensatz();
}

void RecordEntry::selectField(EntryField feld)
{
    if (feld == EntryField::None)
        return;
    s.setFieldMode(true);
    s.Auswahl_geaendert();
    s.highlightField(feld, true);
    s.enableDecimalKey(fieldTakesDecimals(feld));
    newRecordIfSaved();
    s.markEdited();
    s.beginFieldEntry(feld);
    if (feld == EntryField::Abteilung) {
        // Kept and selected as a whole, so typing replaces it and keypad keys append.
        s.enterField(feld, s.fieldText(feld).trimmed());
    } else {
        if (feld == EntryField::Kubatur) {
            // A typed volume stands for itself: no length or diameter may
            // recompute it afterwards.
            s.enterField(EntryField::Laenge, QStringLiteral("0"));
            s.enterField(EntryField::Durchmesser, QStringLiteral("0"));
            s.clearMeasurement();
            if (s.record().txtStueck.isEmpty())
                s.enterField(EntryField::Stueck, QStringLiteral("0"));
        }
        s.enterField(feld, QString());
    }
    s.focus(fieldControl(feld));
}

void RecordEntry::cmdStueck_Click()
{
    if (s.record().optEinzelstamm && !s.isStackedWood()) {
        const Answer answer =
            s.ui.message({QStringLiteral("Stückzahl nur für Sortiment\nIn Sortiment wechseln ?"),
                          QStringLiteral("Abfrage"), Buttons::YesNo, Icon::Question});
        if (answer != Answer::Yes) {
            s.Eingabe_Daten();
            return;
        }
        optSortiment_Click();
    }
    selectField(EntryField::Stueck);
}

void RecordEntry::cmdNummer_Click()
{
    if (!s.record().optEinzelstamm) {
        s.ui.message({QStringLiteral("Stammnummern sind im Sortiment nicht erlaubt !"),
                      QStringLiteral("Information"), Buttons::Ok, Icon::Information});
        s.Eingabe_Daten();
        return;
    }
    selectField(EntryField::Nummer);
}

void RecordEntry::cmdKubatur_Click()
{
    if (!s.controls().cmdKubatur.enabled)
        return;
    selectField(EntryField::Kubatur);
}

void RecordEntry::cmdStaerke_Click()
{
    if (is(s.record().sortCode(), "H "))
        selectField(EntryField::Staerke);
    else
        txtStaerke_Click();
}

void RecordEntry::txtStaerke_Click()
{
    if (!s.controls().lstStaerke.visible) {
        Sorte(true);
    } else {
        s.showClassList(false);
        s.Eingabe_Daten();
    }
}

void RecordEntry::Label3_Click()
{
    s.highlightField(EntryField::Preis, true);
    s.focus(ControlId::txtPreis);
}

void RecordEntry::txtRinde_Click()
{
    if (is(s.record().cmdAbzRinde, " "))
        selectField(EntryField::Rinde);
}

void RecordEntry::txtZusatz_Click()
{
    s.Auswahl_geaendert();
    s.highlightField(EntryField::Zusatz, true);
    newRecordIfSaved();
    s.setFieldMode(true);
    s.beginFieldEntry(EntryField::Zusatz);
    s.focus(ControlId::txtZusatz);
}

void RecordEntry::keypad(const QString& key)
{
    if (s.calc().Feldmodus) {
        fieldKey(key);
        return;
    }
    if (is(key, "b")) {
        QString input = s.controls().txtEingabe.text;
        input.chop(1);
        s.setInput(input);
        Schnelleingabe();
        s.Eingabe_Daten();
        return;
    }
    // The buffer knows only the comma as its separator.
    txtEingabe_Change(s.controls().txtEingabe.text + (is(key, ".") ? QStringLiteral(",") : key));
    s.Eingabe_Daten();
}

void RecordEntry::cmdKomma_Click()
{
    if (!s.controls().cmdKomma.enabled)
        return;
    keypad(s.calc().Dezimalpunkt ? QStringLiteral(".") : QStringLiteral(","));
}

void RecordEntry::fieldKey(const QString& key)
{
    const EntryField feld = s.state().Eingabefeld;
    if (feld == EntryField::None)
        return;
    if (feld == EntryField::Zusatz || feld == EntryField::Preis) {
        QString text = s.fieldText(feld);
        if (is(key, "b"))
            text.chop(1);
        else
            text.append(key);
        s.enterField(feld, text);
        if (feld == EntryField::Preis)
            price.priceKeyed(false);
        return;
    }
    const rules::FieldKeyResult result =
        rules::Feld_Eingabe(entry::fieldKey(feld), key, s.fieldText(feld), s.record());
    s.enterField(feld, result.text);
    if (result.decimalKeyEnabled)
        s.enableDecimalKey(*result.decimalKeyEnabled);
    if (feld == EntryField::Faktor)
        s.followKubaturCaption();
    if (feld == EntryField::Preisfaktor)
        price.priceKeyed(true);
    if (result.refused) {
        s.ui.message(*result.message);
        s.focus(fieldControl(feld));
        return;
    }
    if (result.endsFieldEntry) {
        s.Auswahl_geaendert();
        s.setFieldMode(false);
        s.Eingabe_Daten();
        return;
    }
    if (result.recompute)
        s.Datensatz_Berechnen();
}

void RecordEntry::txtEingabe_Change(const QString& text)
{
    const rules::QuickEntryKeyFilter filtered = rules::filterQuickEntryKey(text);
    s.setInput(filtered.buffer);
    if (!filtered.accepted)
        return;
    s.enableDecimalKey(true);
    Schnelleingabe();
}

void RecordEntry::Schnelleingabe()
{
    using Outcome = rules::QuickEntryResult::Outcome;
    const rules::QuickEntryResult result =
        rules::Schnelleingabe(s.controls().txtEingabe.text, s.record(), s.state().gespeichert);
    switch (result.outcome) {
    case Outcome::Nothing:
        break;
    case Outcome::ClearBuffer:
        s.setInput(QString());
        break;
    case Outcome::RefuseStackedWood:
        s.ui.message(*result.message);
        s.setInput(QString());
        s.Eingabe_Daten();
        break;
    case Outcome::NewRecord:
        Neuer_Datensatz();
        break;
    case Outcome::SetDiameter:
        s.measureDiameter(result.durchmesser);
        s.markEdited();
        s.Datensatz_Berechnen();
        break;
    case Outcome::SetLengthAndDiameter:
        s.measureLength(result.laenge);
        s.measureDiameter(result.durchmesser);
        s.Datensatz_Berechnen();
        break;
    case Outcome::Error: {
        const Answer answer = s.ui.message(*result.message);
        QString input = s.controls().txtEingabe.text;
        input.chop(1);
        s.setInput(input);
        if (answer == Answer::Ok)
            s.ui.openHelp(result.helpAnchor);
        s.Eingabe_Daten();
        break;
    }
    }
}

void RecordEntry::optEinzelstamm_Click()
{
    s.Auswahl_geaendert();
    s.showPieceButton(false);
    if (s.state().gespeichert)
        Neuer_Datensatz();
    s.setKind(true);
    s.enterField(EntryField::Nummer, QString::number(s.store.HoechsteNummer + 1));
    if (!s.controls().txtEingabe.text.isEmpty())
        Schnelleingabe();
    if (!s.isStackedWood())
        s.countOnePiece();
    s.Eingabe_Daten();
}

void RecordEntry::optSortiment_Click()
{
    s.Auswahl_geaendert();
    s.showPieceButton(true);
    if (s.state().gespeichert)
        Neuer_Datensatz();
    s.setKind(false);
    s.enterField(EntryField::Nummer, QStringLiteral("0"));
    if (!s.controls().txtEingabe.text.isEmpty())
        Schnelleingabe();
    s.Eingabe_Daten();
}

void RecordEntry::cmdX_Click()
{
    if (!s.record().txtStueck.isEmpty()) {
        const auto pieces = rules::toSingle(s.record().txtStueck);
        if (!pieces || *pieces < 1 || *pieces > 10000) {
            s.ui.message({QStringLiteral("Eingabefehler Stückzahl"), QStringLiteral("Information"),
                          Buttons::Ok, Icon::Information});
            s.Eingabe_Daten();
            return;
        }
    }
    s.Datensatz_Berechnen();
    s.Eingabe_Daten();
}

void RecordEntry::chkFolge_Click(bool checked)
{
    s.setLogMarks(checked, checked ? false : s.controls().chkKlammer.checked);
}

void RecordEntry::chkKlammer_Click(bool checked)
{
    // The mark belongs to the log about to be typed. While a stored log is
    // shown, marking it would only reach the screen, not the stored record,
    // and would turn the next log into its follow-on piece.
    if (checked)
        newRecordIfSaved();
    s.setLogMarks(checked ? false : s.controls().chkFolge.checked, checked);
    if (checked)
        m_autoFolge = false;
}

void RecordEntry::mnuKlammerstamm_Click()
{
    if (!s.record().optEinzelstamm)
        optEinzelstamm_Click();
    newRecordIfSaved();
    s.showLogMarks(true, true);
    s.setLogMarks(false, true);
    m_autoFolge = false;
    s.Eingabe_Daten();
}

void RecordEntry::Sorte(bool showClassList)
{
    const QString code = s.record().sortCode();
    const bool stacked = s.isStackedWood();
    if (!stacked) {
        s.returnLogBarkMode();
        s.showStackControls(false);
        s.followKubaturCaption();
        s.enableDecimalKey(false);
    }
    if (is(code, "LF") || is(code, "P ")) {
        // These are counted in pieces: never single logs with a number.
        s.setKind(false);
        s.showPieceButton(true);
        s.enterField(EntryField::Nummer, QStringLiteral("0"));
        s.enableTypedVolume(true);
    } else {
        s.enableTypedVolume(false);
    }
    newRecordIfSaved();

    static const QStringList diameterClasses = items(
        {"L ", "HL", "IL", "SL", "W ", "RO", "M ", "R ", "L1", "L2", "L3", "NH", "CA", "PL", "PZ", "AS"});
    // The classes the assortment offers; other assortments keep the list.
    std::optional<QStringList> classes;
    if (is(code, "H ")) {
        classes = items({"1", "2", "3", "4", "5", "6"});
    } else if (is(code, "SW")) {
        classes = items({"1", "2", "3", "4"});
    } else if (is(code, "P ")) {
        classes = items({"-", "1", "2", "2.1", "2.11", "2.12", "2.2", "2.3", "2.31", "2.32", "2.33", "3"});
        s.chooseCode(EntryScreen::Code::Staerke, QStringLiteral("-"));
    } else if (stacked) {
        classes = items({"-", "1", "2", "2.1", "2.2", "3", "3.1", "3.2"});
        s.showStackControls(true);
        s.enableDecimalKey(true);
        s.setStackBarkMode(QStringLiteral("o"));
        s.startStackedWood();
        s.followKubaturCaption();
        s.enableTypedVolume(true);
        s.setLogMarks(false, false);
        m_autoFolge = false;
    } else if (is(code, "LF")) {
        const bool measured = rules::toSingle(s.record().txtLaenge).value_or(0) > 0 &&
                              rules::toSingle(s.record().txtDurchmesser).value_or(0) > 0;
        if (!measured)
            classes = items({"-", "0", "1a", "1b", "2a", "2b", "3a", "3b", "4", "5", "6+"});
    } else if (!diameterClasses.contains(code)) {
        s.ui.message({QStringLiteral("Handelsklasse '") + s.record().txtSorte +
                          QStringLiteral("' wird nicht unterstützt"),
                      QStringLiteral("Information"), Buttons::Ok, Icon::Information});
        s.chooseCode(EntryScreen::Code::Staerke, QString());
    }
    s.offerClasses(classes);

    s.Datensatz_Berechnen();

    if (showClassList && !s.controls().lstStaerke.items.isEmpty()) {
        s.showClassList(true);
        s.focus(ControlId::lstStaerke);
    } else if (is(code, "H ")) {
        selectField(EntryField::Staerke);
    } else {
        s.Eingabe_Daten();
    }
}

void RecordEntry::Neuer_Datensatz()
{
    // A changed price of the stored record is settled before the fields
    // are emptied; a save that fails keeps that record in change mode.
    if (price.pending()) {
        price.Preis_Verlassen();
        if (s.state().aendern)
            return;
    }
    price.settle();
    s.markEdited();
    s.showStoredMark(false);
    s.labelNewRecord();
    s.enterField(EntryField::Zusatz, QString());
    s.enterField(EntryField::Preisfaktor, QString());
    s.enterField(EntryField::Preis, QString());
    rules::RecordFields next = s.record();
    next.txtRinde = QStringLiteral("0");
    next.txtStueck = QStringLiteral("1");
    s.Disable_Move();
    if (s.state().sorteGeaendert) {
        next.txtGuete.clear();
        next.txtLaenge = QStringLiteral("0");
        s.measureLength(0);
        s.forgetSorteChoice();
    }
    next.txtDurchmesser = QStringLiteral("0");
    // The diameter is never a default: without this the next key release
    // would bring back the previous record's diameter and volume.
    s.measureDiameter(0);
    next.txtKubatur.clear();

    if (m_autoFolge) {
        s.setLogMarks(false, s.controls().chkKlammer.checked);
        m_autoFolge = false;
    }
    if (s.controls().chkKlammer.checked) {
        // The log after a bracketed one is its follow-on piece.
        s.showLogMarks(true, false);
        s.setLogMarks(true, false);
        m_autoFolge = true;
    }

    if (s.store.Holz.isOpen() && s.store.Holz.recordCount() > 0) {
        if (s.record().optEinzelstamm && !s.state().nummerErhoeht && s.store.HoechsteNummer >= 1) {
            bool ok = false;
            const int shown = s.controls().txtNummer.text.trimmed().toInt(&ok);
            s.enterField(EntryField::Nummer, QString::number((ok ? shown : s.store.HoechsteNummer) + 1));
            s.markNumberRaised();
        }
    } else {
        next.txtLos = QStringLiteral("1");
        s.enterField(EntryField::Nummer,
                     s.record().optEinzelstamm ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (!s.options().UebernStaerke)
        next.txtStaerke.clear();
    s.startRecord(next);
    s.forgetShownMessages();
}

void RecordEntry::cmdEscape_Click()
{
    s.endChange();
    // The typed input is dropped; a stored record is read again below.
    rules::RecordFields next = s.record();
    if (!next.optEinzelstamm)
        next.txtStueck = QStringLiteral("1");
    s.setInput(QString());
    next.txtLaenge.clear();
    next.txtDurchmesser.clear();
    next.txtKubatur.clear();
    s.startRecord(next);
    s.clearMeasurement();
    s.labelRecord(QStringLiteral("Neu"));
    s.markStored();
    s.forgetNumberRaise();
    s.setFieldMode(false);
    s.Auswahl_geaendert();
    s.Listen_Ausblenden();
    if (s.store.Holz.hasCurrent())
        storage.Daten_Lesen();
    s.Enable_Move();
    s.Eingabe_Daten();
}

} // namespace entry
