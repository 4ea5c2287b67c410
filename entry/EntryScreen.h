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
// controls, the record on screen, the flags of ScreenState, and the small
// procedures every part calls. State that one part alone uses lives in that
// part (the master data and an open drop-down in EntryLists, the pending
// price question in RecordPrice, the batch save in RecordStorage, the sort
// order of the list of lists in ListsBrowser). The computation of the record
// is this class's own: its bark table, the messages already shown and the
// log bark mode kept during stacked wood change only through the operations
// below, and so do the open list's id and name, which only the list of
// lists changes. FrmHolz owns it together with the parts; it is not meant to be
// used outside this folder.
//
// Identity of the open list: the screen remembers the open list by its
// `Listen` row id rather than by its position in the list of lists, so
// re-ordering or refilling the list of lists never makes the screen write
// totals into another list's row.
class EntryScreen {
public:
    EntryScreen(store::Database& holz, store::Settings& settings, platform::UserInterface& ui);

    // Shared by most parts, each reading and writing its share: the list
    // database, the settings, the message boxes, the controls, the record
    // with its measurement state, the flags several parts use, the options
    // of the screen and the hooks other windows plug in.
    store::TimberStore store;
    store::Settings& settings;
    platform::UserInterface& ui;

    EntryControls c;
    rules::RecordFields record;
    rules::RecordState calc; // Feldmodus, Dezimalpunkt, Durchmesser, Laenge, KubaturWert
    ScreenState state;
    EntryOptions options;
    EntryHooks hooks;

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
    bool isStackedWood() const { return record.isStackedWood(); }
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
