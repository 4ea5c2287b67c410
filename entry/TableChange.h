// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace entry {

// What the table menu does with the selected rows: put a new value into one
// of their fields, move them to another list, or delete them.
enum class TableChange : std::uint8_t {
    Guete,
    Los,
    Laenge,
    Durchm,
    Sorte,
    Abteilung,
    Liste,    // move to another list
    Loeschen, // delete
};

// The word the question for the new value names the field with
// ("Neue Laenge eingeben").
QString tableChangeWord(TableChange change);

} // namespace entry
