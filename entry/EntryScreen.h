// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryControls.h"
#include "entry/EntryHooks.h"
#include "entry/EntryOptions.h"
#include "entry/ScreenState.h"
#include "rules/BarkTable.h"
#include "rules/RecordFields.h"
#include "rules/Volume.h"
#include "store/TimberStore.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace platform {
class UserInterface;
}
namespace store {
class DbError;
}

namespace entry {

// What several parts of the entry screen share: the timber database, the
// controls, the record on screen, the flags of ScreenState, the measured
// values, the open list and its totals, the options, and the small
// procedures every part calls. State that one part alone uses lives in that
// part (the master data and an open drop-down in EntryLists, the pending
// price question in RecordPrice, the batch save in RecordStorage, the sort
// order of the list of lists in ListsBrowser). The shared state is private:
// the parts read it through const accessors and change it through
// operations named after what happened (a record saved, a stored record
// shown, a code chosen), so no flag, field or control is set by raw
// assignment from another part's code; the few groups of controls that one
// part alone writes are handed to that part through one accessor. FrmHolz
// owns it together with the parts; it is not meant to be used outside this
// folder.
//
// Identity of the open list: the screen remembers the open list by its
// `Listen` row id rather than by its position in the list of lists, so
// re-ordering or refilling the list of lists never makes the screen write
// totals into another list's row.
class EntryScreen {
public:
    // `hooks` belong to FrmHolz, which lets other windows plug them in; the
    // parts only run them.
    EntryScreen(store::Database& holz, store::Settings& settings, platform::UserInterface& ui,
                const EntryHooks& hooks);

    // Shared by most parts, each reading and writing its share: the list
    // database, the settings, the message boxes, the controls, the record
    // with its measurement state.
    store::TimberStore store;
    store::Settings& settings;
    platform::UserInterface& ui;

    // ---- The controls -----------------------------------------------------
    // Every part reads them, and FrmHolz publishes what changed. A part
    // writes only the controls of its own events: a group that one part alone
    // writes is that part's through one accessor below, named in
    // docs/architecture.md; the controls several parts write change through
    // the operations below, named after what they show.
    const EntryControls& controls() const { return m_c; }

    // The selection lists, the quick buttons, the new-lot box and the items
    // of the use-type boxes: EntryLists' own.
    struct SelectionControls {
        Control &lstHolzart, &lstGuete, &lstKlasse, &lstStaerke, &lstRinde, &lstLos, &lstLosNeu, &txtLosNeu;
        Control &cmdGuete1, &cmdGuete2, &cmdGuete3, &cmdSorte1, &cmdSorte2, &cmdSorte3;
        Control &cmbEinschlag, &cmbNutzung;
        // One of the seven selection lists by its id (lstHolzart for another id).
        Control& list(ControlId id);
    };
    SelectionControls selectionControls();
    // The unit of the price and whether the unit price shows: RecordPrice's own.
    struct PriceControls {
        Control &cmbpreis, &txtPreisfaktor;
    };
    PriceControls priceControls() { return {m_c.cmbpreis, m_c.txtPreisfaktor}; }
    // The menu items other windows enable: FrmHolz's own.
    Control& menuItem(ControlId id) { return m_c[id]; }

    // The input buffer of quick entry.
    void setInput(const QString& text) { m_c.txtEingabe.text = text; }
    // The mark "gespeichert" next to a record as it is stored.
    void showStoredMark(bool shown) { m_c.txtgespeichert.visible = shown; }
    // The label of the record on screen ("Neu", "Ändern Satz - 3"); the
    // position with its tool tip is Satz_Position_Anzeigen's.
    void labelRecord(const QString& text) { m_c.txtSatzNR.text = text; }
    // A new record: "NEU", no position to explain.
    void labelNewRecord()
    {
        m_c.txtSatzNR.text = QStringLiteral("NEU");
        m_c.txtSatzNR.toolTip.clear();
    }
    // The follow-on and the bracket mark of the log on screen.
    void setLogMarks(bool folge, bool klammer)
    {
        m_c.chkFolge.checked = folge;
        m_c.chkKlammer.checked = klammer;
    }
    // Shows the mark boxes asked for; a shown box stays.
    void showLogMarks(bool folge, bool klammer)
    {
        if (folge)
            m_c.chkFolge.visible = true;
        if (klammer)
            m_c.chkKlammer.visible = true;
    }
    // The field shown in the highlight colour while field entry edits it.
    void highlightField(EntryField field, bool on);
    // The keypad's decimal key.
    void enableDecimalKey(bool enabled) { m_c.cmdKomma.enabled = enabled; }
    // The buttons that follow the record kind: width and height in place
    // of diameter and pieces, and the factor, for stacked wood.
    void showStackControls(bool stacked);
    // Whether a volume may be typed (cmdKubatur).
    void enableTypedVolume(bool enabled) { m_c.cmdKubatur.enabled = enabled; }
    // The piece count button of an assortment (cmdX).
    void showPieceButton(bool shown) { m_c.cmdX.visible = shown; }
    // A sampled stack is neither a single log nor an assortment.
    void showSampledKind()
    {
        m_c.optEinzelstamm.checked = false;
        m_c.optSortiment.checked = false;
    }
    // Forward and back steps after a jump to the first or last record.
    void enableSteps()
    {
        m_c.cmdVor.enabled = true;
        m_c.cmdZurueck.enabled = true;
    }
    // The classes the assortment offers (kept when `items` is empty), none chosen.
    void offerClasses(const std::optional<QStringList>& items);
    // Opens the class list (the other lists close), or closes it.
    void showClassList(bool shown);
    // The lots of the open list.
    void showLots(const QStringList& lots) { m_c.lstLos.items = lots; }
    // The use-type boxes show the entries at these positions (-1: none).
    void chooseUseTypes(int einschlag, int nutzung);
    void showUseTypeBoxes(bool nutzung, bool einschlag)
    {
        m_c.cmbNutzung.visible = nutzung;
        m_c.cmbEinschlag.visible = einschlag;
    }
    // The window caption and the list name field: the open list, or none.
    void showListCaption(const QString& listName);
    void showNoListCaption();
    // The multiple selection of the record table (mnuMehrfach).
    void setMultipleSelection(bool on) { m_c.mnuMehrfach.checked = on; }

    // ---- The record on screen ---------------------------------------------
    // Its texts as the measurement rules work on them. Every part reads them;
    // a change is one of the operations below, named after why the texts
    // change, so no part assigns a field of another part's event.
    const rules::RecordFields& record() const { return m_record; }
    // A stored record was read: its texts replace the screen's.
    void showStoredRecord(const rules::RecordFields& stored) { m_record = stored; }
    // A new record begins, or the typed input is dropped: `next` holds what
    // the new record carries over and what it starts afresh with.
    void startRecord(const rules::RecordFields& next) { m_record = next; }
    // The text of a field that field entry edits (in the record, or in its
    // control for the fields the record has no place for); empty for None.
    QString fieldText(EntryField field) const;
    // A value entered into a field: typed, keyed on the keypad, emptied when
    // field entry selects it, or put by a change of many records.
    void enterField(EntryField field, const QString& text);
    // The codes chosen from a list, a quick button, a preset or the
    // keyboard, or put by a change of many records.
    enum class Code { Holzart, Sorte, Guete, Staerke, Los, AbzRinde };
    void chooseCode(Code code, const QString& value);
    // A single log counts one piece.
    void countOnePiece() { m_record.txtStueck = QStringLiteral("1"); }
    // Stacked wood was chosen: class "-", grade "-" for "S ", factor 1 unless
    // one was typed, and the volume caption of its factor.
    void startStackedWood();
    // The volume caption follows the record kind and the factor ("Raumm³"
    // for stacked wood counted with factor 1).
    void followKubaturCaption();

    // ---- The measured values of the record on screen ----------------------
    // Feldmodus, Dezimalpunkt, Durchmesser, Laenge, KubaturWert. Only the
    // recomputation (Datensatz_Berechnen) and the operations below change
    // them; each says where the values come from.
    const rules::RecordState& calc() const { return m_calc; }
    // Decided once from the system locale (FrmHolz).
    void setDezimalpunkt(bool dezimalpunkt) { m_calc.Dezimalpunkt = dezimalpunkt; }
    // Keys go to the active field (true) or to the input buffer (false).
    void setFieldMode(bool on) { m_calc.Feldmodus = on; }
    // No length and no diameter measured yet.
    void clearMeasurement()
    {
        m_calc.Laenge = 0;
        m_calc.Durchmesser = 0;
    }
    void measureLength(float laenge) { m_calc.Laenge = laenge; }
    void measureDiameter(float durchmesser) { m_calc.Durchmesser = durchmesser; }
    // In change mode the fields may have been edited directly: the measured
    // values follow what the fields can be read as, and keep their value
    // where a field cannot be read.
    void measureFromFields();
    // A stored record was read: its values, not the previous record's.
    void measureStored(float laenge, float durchmesser, float kubatur);
    // The stack samples gave the record's volume, shown as `text`.
    void setSampleVolume(const QString& text, float kubatur)
    {
        m_record.txtKubatur = text;
        m_calc.KubaturWert = kubatur;
    }

    // ---- What happened to the record on screen ----------------------------
    // Every part reads the flags; each change is one of the operations
    // below, named after what happened, so a flag never says "stored" while
    // another part still thinks the record is being changed.
    const ScreenState& state() const { return m_state; }
    // Field entry edits `field` now (the rules' Feldmodus is the caller's).
    void beginFieldEntry(EntryField field) { m_state.Eingabefeld = field; }
    // Field entry ends: no active field, keys go to the input buffer again.
    void endFieldEntry()
    {
        m_state.Eingabefeld = EntryField::None;
        m_calc.Feldmodus = false;
    }
    // The input on screen differs from any stored record.
    void markEdited() { m_state.gespeichert = false; }
    // The stored record on screen is being changed: its save rewrites it.
    void startChange()
    {
        m_state.aendern = true;
        m_state.gespeichert = false;
    }
    // Change mode ends without a save (Esc, a deleted record, a change of
    // many records taken back).
    void endChange() { m_state.aendern = false; }
    // The screen shows a record as it is stored (or none): the next input
    // starts a new record.
    void markStored()
    {
        m_state.gespeichert = true;
        m_state.aendern = false;
    }
    // The record on screen was saved: field entry ends, and the next
    // record keeps grade and length unless an assortment is chosen again.
    void markSaved()
    {
        m_state.sorteGeaendert = false;
        markStored();
        endFieldEntry();
    }
    // A stored record was read into the fields.
    void markStoredRecordShown()
    {
        markStored();
        m_state.nummerErhoeht = false;
        endFieldEntry();
    }
    // A list was opened for entry: no change, no raised number, no new
    // assortment, and the next-number question is on.
    void startListEntry()
    {
        m_state.aendern = false;
        m_state.naechsteNummer = true;
        m_state.nummerErhoeht = false;
        m_state.sorteGeaendert = false;
    }
    // A quick button or lstKlasse chose another assortment; the new record
    // forgets it once it has emptied grade and length.
    void markSorteChosen() { m_state.sorteGeaendert = true; }
    void forgetSorteChoice() { m_state.sorteGeaendert = false; }
    // The number of the record being prepared was raised past the highest
    // one; the raise is forgotten when a save is tried or input discarded.
    void markNumberRaised() { m_state.nummerErhoeht = true; }
    void forgetNumberRaise() { m_state.nummerErhoeht = false; }
    // Whether a save with a number at or below the highest offers the next one.
    void offerNextNumber(bool offer) { m_state.naechsteNummer = offer; }

    // ---- The open list's totals -------------------------------------------
    // As last stored in the list's row or counted by ListTotals; written by
    // whoever stored or counted them.
    double listVolume() const { return m_listVolume; }
    qint32 listPieces() const { return m_listPieces; }
    void setListTotals(double volume, qint64 pieces)
    {
        m_listVolume = volume;
        m_listPieces = qint32(pieces);
    }
    void setListPieces(qint64 pieces) { m_listPieces = qint32(pieces); }
    void moveListVolume(double by) { m_listVolume += by; }

    // ---- Options and hooks -------------------------------------------------
    // The options are read from the settings by ScreenLifecycle, or set by
    // the options window through FrmHolz; the parts only read them.
    const EntryOptions& options() const { return m_options; }
    void setOptions(const EntryOptions& options) { m_options = options; }
    const EntryHooks& hooks() const { return m_hooks; }
    // Step 0 of every save: the lot rules' hook, unless a change of many
    // records holds it off (it must not move records into other lots).
    void assignLot() const
    {
        if (!m_lotAssignmentHeld && m_hooks.AutoLos_Zuordnen)
            m_hooks.AutoLos_Zuordnen();
    }
    void holdLotAssignment(bool held) { m_lotAssignmentHeld = held; }

    // Focus on the input buffer, cursor at its end.
    void Eingabe_Daten() { focus(ControlId::txtEingabe); }
    void focus(ControlId control) { m_pendingFocus = control; }
    // The control that asked for the focus during the current handler, once.
    std::optional<ControlId> takeFocusRequest() { return std::exchange(m_pendingFocus, std::nullopt); }
    // The selection changed: field entry's buffer emptied, decimal key for
    // the assortments with decimals, every field back to its normal colour.
    void Auswahl_geaendert();
    void Listen_Ausblenden();
    void Disable_Move() { setNavigation(false); }
    void Enable_Move() { setNavigation(true); }
    void Satz_Position_Anzeigen();
    // Recomputes volume and class of the record on screen; messages of the
    // computation are shown once per record.
    void Datensatz_Berechnen();
    // Runs after every recomputation of the record (the price follows the
    // volume); FrmHolz sets it once, when it builds the parts.
    void onRecomputed(std::function<void()> callback) { m_recomputed = std::move(callback); }
    // The region's bark table the computation deducts with; the selection
    // lists reload it with the species when the region changes.
    const rules::BarkTable& barkTable() const { return m_barkTable; }
    void setBarkTable(rules::BarkTable table) { m_barkTable = std::move(table); }
    // Another record or another species is on screen: the computation's
    // messages are worth showing again.
    void forgetShownMessages() { m_messagesShown.clear(); }
    // The messages shown so far, for a change of many records that shows
    // each message once for all of them.
    const QSet<QString>& shownMessages() const { return m_messagesShown; }
    void setShownMessages(QSet<QString> shown) { m_messagesShown = std::move(shown); }

    // Single log or assortment (option buttons and the rules' flag together).
    void setKind(bool einzelstamm);
    bool isStackedWood() const { return m_record.isStackedWood(); }
    // The bark mode (cmdAbzRinde) across the record kinds: stacked wood
    // carries its own mode ("o"), and the mode the user had for logs waits
    // for the next log assortment, which takes it back; a stored log comes
    // with its own mode, and none waits any more.
    void setStackBarkMode(const QString& mode);
    void returnLogBarkMode();
    void setStoredLogBarkMode(const QString& mode);

    // The list open for entry: its `Listen` row id (0: none) and its name.
    // Only the list of lists opens, closes and renames it.
    qint64 openListId() const { return m_openListId; }
    const QString& listName() const { return m_listName; }
    void openList(qint64 id, const QString& name)
    {
        m_openListId = id;
        m_listName = name;
    }
    void closeList() { openList(0, QString()); }
    void renameOpenList(const QString& name) { m_listName = name; }
    // True while a list is open for entry (its records are open).
    bool listOpen() const { return m_openListId != 0 && store.Holz.isOpen(); }
    // Moves `Listen` to the open list's row; false when there is none.
    bool positionOnOpenList();

    // The "Fehl.Nr : … / Beschr. : …" box of a database error.
    void showError(const store::DbError& error);
    // "Liste mit Stift auswählen (unter Liste)".
    void noListMessage();

    // Copies the record's texts into the controls, for the view.
    void syncControls();

private:
    void setNavigation(bool enabled);
    EntryControls m_c;
    rules::RecordFields m_record;
    rules::RecordState m_calc;
    ScreenState m_state;
    double m_listVolume = 0; // fm
    qint32 m_listPieces = 0;
    EntryOptions m_options;
    const EntryHooks& m_hooks;
    bool m_lotAssignmentHeld = false;
    std::optional<ControlId> m_pendingFocus;
    qint64 m_openListId = 0;
    QString m_listName;
    rules::BarkTable m_barkTable; // of the region; reloaded when the region changes
    std::function<void()> m_recomputed;
    // Messages of the volume computation shown for the record on screen; the
    // same one is not repeated on every key.
    QSet<QString> m_messagesShown;
    // The log bark mode waiting while stacked wood is on screen; empty
    // while the record is no stacked wood.
    QString m_logBarkMode;
};

} // namespace entry
