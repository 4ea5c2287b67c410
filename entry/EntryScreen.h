// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryControls.h"
#include "entry/EntryHooks.h"
#include "entry/EntryOptions.h"
#include "entry/ScreenState.h"
#include "rules/BarkTable.h"
#include "rules/RecordFields.h"
#include "rules/Volume.h"
#include "store/MasterData.h"
#include "store/TimberStore.h"

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

// What all parts of the entry screen share: the databases, the controls,
// the record on screen, the screen flags, and the small procedures every
// part calls. FrmHolz owns it together with the parts; it is not meant to
// be used outside this folder.
//
// Identity of the open list: the screen remembers the open list by its
// `Listen` row id rather than by its position in the list of lists, so
// re-ordering or refilling the list of lists never makes the screen write
// totals into another list's row.
class EntryScreen {
public:
    EntryScreen(store::Database& holz, store::Database& master, store::Settings& settings,
                platform::UserInterface& ui);

    store::TimberStore store;
    store::MasterData master;
    store::Settings& settings;
    platform::UserInterface& ui;

    EntryControls c;
    rules::RecordFields record;
    rules::RecordState calc; // Feldmodus, Dezimalpunkt, Durchmesser, Laenge, KubaturWert
    ScreenState state;
    EntryOptions options;
    EntryHooks hooks;
    rules::BarkTable barkTable; // of the region; reloaded when the region changes
    bool dropDownOpen = false;  // cmbEinschlag or cmbNutzung is dropped down
    // Many records are stored in one action (the table's multi-record
    // change): one confirmation sound at its end instead of one per record.
    bool batchSave = false;

    // Runs after every recomputation of the record (the price follows the volume).
    std::function<void()> recomputed;

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

    // Single log or assortment (option buttons and the rules' flag together).
    void setKind(bool einzelstamm);
    bool isStackedWood() const { return record.isStackedWood(); }

    // True while a list is open for entry (its records are open).
    bool listOpen() const { return state.openListId != 0 && store.Holz.isOpen(); }
    // Moves `Listen` to the open list's row; false when there is none.
    bool positionOnOpenList();

    // The text of the field that field entry edits (in the record or in its
    // control); nullptr for None.
    QString* fieldText(EntryField field);

    // The "Fehl.Nr : … / Beschr. : …" box of a database error.
    void showError(const store::DbError& error);
    // "Liste mit Stift auswählen (unter Liste)".
    void noListMessage();

    // Copies the record's texts into the controls, for the view.
    void syncControls();

private:
    void setNavigation(bool enabled);
    std::optional<ControlId> m_pendingFocus;
};

} // namespace entry
