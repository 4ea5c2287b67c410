// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace entry {

// Behaviour that other parts of the program plug into the entry screen.
// Every hook is optional; an empty one does nothing.
struct EntryHooks {
    // Step 0 of every save: may set txtLos from the lot rules and register
    // that lot (FrmHolz::Los_Pruefen). The table's multi-record change
    // switches it off while it runs.
    std::function<void()> AutoLos_Zuordnen;
    // A stored record was read into the fields: the stack-sample window
    // empties itself, or shows the samples of this record
    // (FrmHolz::stackRecordValues()).
    std::function<void()> Daten_Lesen_Mantel;
    // "Statistik": FrmHolz::statistics() holds the open list's statistics;
    // without this hook they are shown as a message of tab-separated lines.
    std::function<void()> Statistik_Anzeigen;
};

// Menu entries whose work lives in other windows or drivers. Each is
// disabled until FrmHolz::setMenuHandler() gave it a handler. Before the
// handler runs, the `Listen` record set stands on the list selected in the
// list of lists (FrmHolz::listSelected() says whether there is one).
// (Assortment generation works inside the entry screen and has no
// command here.)
enum class MenuCommand {
    Konvertieren, // export; the lists are refreshed afterwards
    Einlesen,     // import; the lists are refreshed afterwards (ListenNr selects the new list)
    Stammdaten,   // master data import; code lists and species are reloaded afterwards
    Auswahl,      // options window; options, code lists and species are reloaded afterwards
    AutoLos,      // lot rules window
    Mantel,       // stack samples of the current record
    Drucken,      // report program
    Lagerorte,    // storage places and photos of the selected list's lots
    // Exchange beyond the format of the options: ELDATsmart export and
    // import, CSV tables, workbook. Lists refreshed as after Konvertieren.
    Eldat,
    EldatEinlesen,
    Csv,
    Excel,
    // The table menu's entries: handled by the screen itself
    // (FrmHolz::Tabelle_Mehrfach_Aendern), always enabled, no handler needed.
    AendernGuete,
    AendernLos,
    AendernLaenge,
    AendernDurchm,
    AendernSorte,
    AendernAbteilung,
    ListeT,
};

} // namespace entry
