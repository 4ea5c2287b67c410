// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryField.h"

#include <QString>

namespace entry {

// The flags of the entry screen that several of its parts read. EntryScreen
// keeps them and changes them only through its named operations (a flag one
// part alone uses is a member of that part). (Feldmodus, Durchmesser, Laenge
// and KubaturWert belong to the measurement rules and live in
// rules::RecordState.)
struct ScreenState {
    EntryField Eingabefeld = EntryField::None; // active field in field entry
    bool aendern = false;        // change mode: the save rewrites the current record
    bool gespeichert = true;     // the record shown is stored and unchanged
    bool sorteGeaendert = false; // a quick button or lstKlasse chose another assortment
    bool naechsteNummer = false; // offer the next log number when a lower one is saved
    bool nummerErhoeht = false;  // the number of the record being prepared was raised
};

} // namespace entry
