// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordStorage.h"

#include "entry/EntryScreen.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTotals.h"
#include "entry/RecordPrice.h"
#include "platform/UserInterface.h"
#include "rules/Bark.h"
#include "rules/Numbers.h"
#include "rules/RecordCheck.h"
#include "store/DbError.h"
#include "store/RecordRepository.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include <algorithm>

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// The lump-sum unit: its price is txtPreis itself. (Not a Latin-1 literal:
// the sign is no Latin-1 character.)
const QString Euro = QStringLiteral("€");

// Ends a save whose change would leave the samples' volume wrong.
struct SampleBasisChanged {};

// What a stack's sample volumes were computed from.
bool sameSampleBasis(const store::HolzRow& old, const store::HolzRow& row)
{
    return old.Laenge == row.Laenge && old.Stueck == row.Stueck && old.Holzart == row.Holzart &&
           old.Rinde == row.Rinde && old.RindenAbzug == row.RindenAbzug;
}

double twoDecimals(const QString& text)
{
    return ListTotals::twoDecimals(rules::toSingle(text).value_or(0.0f));
}

int byteValue(const QString& text)
{
    return std::clamp(rules::roundHalfEven(rules::toSingle(text).value_or(0.0f)), 0, 255);
}

// A drop-down position as one hexadecimal digit; "0" when nothing is chosen.
QString positionDigit(const Control& combo)
{
    return combo.selected >= 0 ? QString::number(combo.selected, 16).toUpper() : QStringLiteral("0");
}

int positionFromDigit(QChar digit, const Control& combo)
{
    bool ok = false;
    const int position = QString(digit).toInt(&ok, 16);
    return ok && position < combo.items.size() ? position : -1;
}

} // namespace

bool RecordStorage::cmdSpeichern_Click()
{
    s.Listen_Ausblenden();
    s.setMultipleSelection(false);
    if (!s.listOpen()) {
        s.noListMessage();
        return false;
    }
    if (s.state().aendern) {
        s.measureFromFields();
    }
    s.Datensatz_Berechnen();
    price.lumpSumEntered();

    if (!s.state().aendern && s.state().gespeichert) {
        s.ui.message({QStringLiteral("Bereits gespeichert"), QStringLiteral("Information"), Buttons::Ok,
                      Icon::Information});
        Daten_Lesen();
        s.Eingabe_Daten();
        return false;
    }
    if (!Daten_Kontrolle())
        return false;

    if (s.record().optEinzelstamm && !s.isStackedWood()) {
        if (!confirmNumber())
            return false;
    }
    s.forgetNumberRaise();
    const bool saved = Daten_Speichern();
    if (saved)
        s.setInput(QString());
    s.Eingabe_Daten();
    return saved;
}

bool RecordStorage::confirmNumber()
{
    const int next = s.store.HoechsteNummer + 1;
    const int nummer = s.controls().txtNummer.text.trimmed().toInt();
    // A number the list holds already is asked about every time, naming the
    // record that has it; one "Nein" to the question below must not let
    // duplicates in unasked.
    qint64 existing = 0;
    try {
        const qint64 self = s.state().aendern ? s.store.Holz.currentId() : 0;
        // A number above the highest is new by definition: the usual next
        // number costs no look-up in a long list.
        if (nummer > 0 && nummer <= s.store.HoechsteNummer)
            existing = store::RecordRepository(s.store.database())
                           .singleLogWithNumber(s.listName(), nummer, self);
    } catch (const store::DbError& error) {
        s.showError(error);
        return false;
    }
    if (existing != 0) {
        const int position = s.store.Holz.indexOfId(existing) + 1;
        QString text = QStringLiteral("Nummer ") + QString::number(nummer) + QStringLiteral(" gibt es schon");
        if (position > 0)
            text += QStringLiteral(" in Datensatz ") + QString::number(position);
        text +=
            QStringLiteral(".\nNächsthöhere Nummer ") + QString::number(next) + QStringLiteral(" verwenden");
        const Answer answer =
            s.ui.message({text, QStringLiteral("Stammnummer"), Buttons::YesNo, Icon::Question});
        if (answer == Answer::Yes)
            s.enterField(EntryField::Nummer, QString::number(next));
        return true;
    }
    if (!s.state().aendern && s.state().naechsteNummer) {
        if (nummer <= s.store.HoechsteNummer) {
            const Answer answer =
                s.ui.message({QStringLiteral("Nächsthöhere Nummer ") + QString::number(next) +
                                  QStringLiteral(" verwenden"),
                              QStringLiteral("Stammnummer"), Buttons::YesNo, Icon::Question});
            if (answer == Answer::Yes)
                s.enterField(EntryField::Nummer, QString::number(next));
            else
                s.offerNextNumber(false);
        }
    }
    return true;
}

bool RecordStorage::Daten_Kontrolle()
{
    const auto message = rules::Daten_Kontrolle(s.record(), s.calc().Durchmesser, s.calc().Laenge);
    if (!message)
        return true;
    s.ui.message(*message);
    return false;
}

store::HolzRow RecordStorage::rowFromFields(const store::HolzRow& base)
{
    // Starting from the stored row keeps what the screen does not show
    // (the fields read from transfer files) when a record is changed.
    store::HolzRow row = base;
    const bool stacked = s.isStackedWood();
    row.Liste = s.listName();
    row.Holzart = s.record().txtHolzart;
    row.Los = byteValue(s.record().txtLos);
    row.Guete = s.record().txtGuete;
    row.Kubatur = twoDecimals(s.record().txtKubatur);
    row.Sorte = s.record().txtSorte;
    row.Staerke = s.record().txtStaerke;
    row.RindenAbzug = std::clamp(twoDecimals(s.record().txtRinde), 0.0, 255.0);
    row.Folgestamm = s.controls().chkFolge.checked;
    row.Klammerstamm = s.controls().chkKlammer.checked;
    // A stack is never a numbered single log, whatever option is set.
    if (s.record().optEinzelstamm && !stacked) {
        s.countOnePiece();
        row.Nummer = s.controls().txtNummer.text.trimmed().toInt();
        row.Einzelstamm = true;
    } else {
        row.Einzelstamm = false;
        row.Nummer = 0;
    }
    row.Rinde = s.record().cmdAbzRinde;
    row.Laenge = twoDecimals(s.record().txtLaenge);
    if (stacked) {
        row.Durchm = twoDecimals(s.record().txtDurchmesser);
        row.Hoehe = twoDecimals(s.record().txtStueck);
        row.Stueck = 1;
        row.Stamm = s.record().txtFaktor;
    } else {
        row.Durchm = twoDecimals(s.record().txtDurchmesser);
        row.Stueck = twoDecimals(s.record().txtStueck);
        if (!row.isSampleMeasured())
            row.Stamm = QStringLiteral("1");
    }
    row.Nutzung = positionDigit(s.controls().cmbEinschlag) + positionDigit(s.controls().cmbNutzung);
    row.Preisart = s.controls().cmbpreis.text;
    row.Preisfaktor =
        s.controls().cmbpreis.text == Euro ? s.controls().txtPreis.text : s.controls().txtPreisfaktor.text;
    row.Zusatztext = s.controls().txtZusatz.text;
    row.Abteilung = s.controls().txtAbteilung.text.left(10);
    return row;
}

bool RecordStorage::Daten_Speichern()
{
    s.assignLot();
    if (!s.listOpen() || !s.positionOnOpenList()) {
        s.noListMessage();
        return false;
    }
    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    const bool neu = !s.state().aendern;
    if (!neu && !holz.hasCurrent()) {
        s.noListMessage();
        return false;
    }

    store::Database& db = s.store.database();
    store::HolzRow row;
    store::ListenRow list;
    try {
        store::Transaction transaction(db);
        // Everything the save derives from the list (record number, next
        // log number, totals) is read here, under the write lock: another
        // program may have saved into the list since this screen opened it.
        list = s.store.Listen.currentFresh();
        double volume = 0;
        qint64 pieces = 0;
        if (neu) {
            row = rowFromFields(store::HolzRow());
            row.SatzNr = store::RecordRepository(db).nextRecordNumber(list.Liste);
        } else {
            const store::HolzRow old = holz.currentFresh();
            row = rowFromFields(old);
            if (old.isSampleMeasured()) {
                // The volume of a stack measured by samples comes from its
                // samples, which were computed for its length, pieces,
                // species and bark: those stay, or the volume would be wrong.
                if (!sameSampleBasis(old, row))
                    throw SampleBasisChanged();
                row.Kubatur = old.Kubatur;
            }
            volume -= old.Kubatur;
            pieces -= ListTotals::pieceCount(old);
        }
        const int highest =
            std::max(s.store.HoechsteNummer, store::RecordRepository(db).highestNumber(list.Liste));
        // A number the screen took for free but another program has used
        // meanwhile becomes the next free one. A number the user kept on
        // purpose (at or below the highest this screen knew) stays.
        if (neu && row.Einzelstamm && s.state().naechsteNummer && row.Nummer > s.store.HoechsteNummer &&
            row.Nummer <= highest)
            row.Nummer = highest + 1;
        volume += row.Kubatur;
        pieces += ListTotals::pieceCount(row);

        // The stored totals follow every save by the record's difference,
        // so the list of lists and the report program never show a stale
        // total, and a save costs the same in a long list as in a short one.
        ListTotals::moveTotals(list, volume, pieces, true);
        list.NummerHigh = std::max({list.NummerHigh, highest, row.Einzelstamm ? row.Nummer : 0});
        list.Konvertiert = QDate();
        list.Bearbeitet = QDate::currentDate();

        if (neu)
            holz.addNew(row);
        else
            holz.update(row);
        s.store.Listen.update(list);
        transaction.commit();
        s.store.HoechsteNummer = std::max(highest, row.Einzelstamm ? row.Nummer : 0);
    } catch (const store::DbError& error) {
        s.showError(error);
        return false;
    } catch (const SampleBasisChanged&) {
        s.ui.message({QStringLiteral("Die Kubatur dieses Sortiments kommt aus der Mantelmessung.\r"
                                     "Länge, Stückzahl, Holzart und Rinde erst ändern, wenn die Proben "
                                     "entfernt sind."),
                      QStringLiteral("Mantelmessung"), Buttons::Ok, Icon::Warning});
        return false;
    }

    if (row.Einzelstamm)
        s.enterField(EntryField::Nummer, QString::number(row.Nummer));
    s.setListTotals(list.Kubatur, list.Stueckzahl);
    s.Satz_Position_Anzeigen();
    listen.listChanged(s.openListId());
    const int index = holz.absolutePosition() - 1;
    if (neu)
        daten.rowAppended();
    else
        daten.rowChanged(index);
    daten.setCurrentRow(index);

    s.markSaved();
    s.Auswahl_geaendert();
    s.setInput(QString());
    s.Enable_Move();
    s.showStoredMark(true);
    price.settle();
    if (!m_batchSave)
        s.ui.playConfirmation();
    return true;
}

void RecordStorage::Daten_Lesen()
{
    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    if (!holz.isOpen() || holz.recordCount() == 0) {
        m_newRecord();
        return;
    }
    if (!holz.hasCurrent())
        return;
    store::HolzRow row;
    try {
        row = holz.current();
    } catch (const store::DbError& error) {
        s.showError(error);
        return;
    }
    s.Satz_Position_Anzeigen();
    showRow(row);
    daten.setCurrentRow(holz.absolutePosition() - 1);
    if (s.hooks().Daten_Lesen_Mantel)
        s.hooks().Daten_Lesen_Mantel();
}

void RecordStorage::showRow(const store::HolzRow& row)
{
    rules::RecordFields shown = s.record();
    showKind(row, shown);
    showMeasures(row, shown);
    showUseTypes(row);
    shown.txtLos = QString::number(row.Los);
    shown.txtGuete = row.Guete;
    shown.txtKubatur = rules::formatTwo(row.Kubatur, s.calc().Dezimalpunkt);
    s.showStoredRecord(shown);
    showBarkMode(row);
    s.enterField(EntryField::Zusatz, row.Zusatztext);
    price.showStored(row.Preisart, row.Preisfaktor);
    s.enterField(EntryField::Abteilung, row.Abteilung);
    markStored(row);
}

void RecordStorage::showKind(const store::HolzRow& row, rules::RecordFields& shown)
{
    const bool dp = s.calc().Dezimalpunkt;
    if (row.isSampleMeasured()) {
        s.showSampledKind();
        shown.optEinzelstamm = false;
    } else {
        // Showing the kind only; a stored record is not a new one.
        s.setKind(row.Einzelstamm);
        shown.optEinzelstamm = row.Einzelstamm;
    }
    s.showPieceButton(!shown.optEinzelstamm);

    shown.txtRinde = rules::formatDeduction(row.RindenAbzug, dp);
    s.setLogMarks(row.Folgestamm, row.Klammerstamm);
    s.showLogMarks(row.Folgestamm, row.Klammerstamm);
}

void RecordStorage::showMeasures(const store::HolzRow& row, rules::RecordFields& shown)
{
    const bool dp = s.calc().Dezimalpunkt;
    const bool stacked = row.isStackedWood();
    shown.txtStueck = rules::formatPlain(float(row.Stueck), dp);
    s.enterField(EntryField::Nummer, QString::number(row.Nummer));
    shown.txtLaenge = rules::formatPlain(float(row.Laenge), dp);
    shown.txtDurchmesser = rules::formatPlain(float(row.Durchm), dp);
    shown.txtHolzart = row.Holzart;
    shown.txtSorte = row.Sorte;
    shown.txtStaerke = row.Staerke;

    const QString code = row.Sorte.left(2);
    if (stacked) {
        s.showStackControls(true);
        shown.txtStueck = rules::formatPlain(float(row.Hoehe), dp);
        shown.txtFaktor = row.Stamm;
        s.enableTypedVolume(true);
        shown.cmdKubatur = rules::kubaturCaption(shown);
    } else {
        s.showStackControls(false);
        shown.cmdKubatur = QStringLiteral("Kubatur");
        s.enableTypedVolume(code == QLatin1String("LF") || code == QLatin1String("P "));
    }
}

void RecordStorage::showUseTypes(const store::HolzRow& row)
{
    if (!row.Nutzung.contains(QLatin1Char('-')) && row.Nutzung.size() >= 2) {
        s.chooseUseTypes(positionFromDigit(row.Nutzung.at(0), s.controls().cmbEinschlag),
                         positionFromDigit(row.Nutzung.at(1), s.controls().cmbNutzung));
    } else {
        s.chooseUseTypes(-1, -1);
    }
}

void RecordStorage::showBarkMode(const store::HolzRow& row)
{
    const bool stacked = row.isStackedWood();
    // A stored stack brings "o" along; the mode the user had for logs waits
    // for the next log assortment. A stored log's own mode is the one kept.
    if (stacked)
        s.setStackBarkMode(row.Rinde);
    else
        s.setStoredLogBarkMode(row.Rinde);
}

void RecordStorage::markStored(const store::HolzRow& row)
{
    const bool stacked = row.isStackedWood();
    s.setInput(QString());
    s.showStoredMark(true);
    if (row.Einzelstamm && row.Nummer > s.store.HoechsteNummer)
        s.store.HoechsteNummer = row.Nummer;
    s.Enable_Move();

    // The record on screen is a stored one: the next input starts a new
    // record, a save without input says it is stored already. The measured
    // values follow the fields, so the next key release cannot bring back
    // the values of the record shown before.
    s.markStoredRecordShown();
    s.measureStored(float(row.Laenge), float(row.Durchm), float(row.Kubatur));
    s.forgetShownMessages();
    s.Auswahl_geaendert();
    if (stacked)
        s.enableDecimalKey(true);
}

} // namespace entry
