#pragma once

#include <Qt>
#include <functional>

namespace entry {

// Behaviour that other parts of the program plug into the entry screen.
// Every hook is optional; an empty one does nothing.
struct EntryHooks {
    // Step 0 of every save: may set txtLos from the lot rules and register
    // that lot (FrmHolz::Los_Pruefen).
    std::function<void()> AutoLos_Zuordnen;
    // Last step of every volume computation: recomputes txtPreis.
    std::function<void()> Preis_berrechnen;
    // F1 (112) … F13 (124): plain applies the key's preset, with Shift, Ctrl
    // or Alt it stores one.
    std::function<void(int keyCode, Qt::KeyboardModifiers modifiers)> functionKey;
};

// Menu entries whose work lives in other windows or drivers. Each is
// disabled until FrmHolz::setMenuHandler() gave it a handler. Before the
// handler runs, the `Listen` record set stands on the list selected in the
// list of lists (FrmHolz::listSelected() says whether there is one).
enum class MenuCommand {
    Konvertieren, // export; the lists are refreshed afterwards
    Einlesen,     // import; the lists are refreshed afterwards (ListenNr selects the new list)
    Sortiment,    // assortment generation; the lists are refreshed afterwards
    Stammdaten,   // master data import; code lists and species are reloaded afterwards
    Auswahl,      // options window; options, code lists and species are reloaded afterwards
    AutoLos,      // lot rules window
    Mantel,       // stack samples of the current record
    Drucken,      // report program
    AendernGuete, // table: change the selected rows' grade
    AendernLos,
    AendernLaenge,
    AendernDurchm,
    AendernSorte,
    AendernAbteilung,
    ListeT, // table: move the selected rows to another list
};

} // namespace entry
