// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {
class Settings;
}

namespace entry {

// The options of the options window that the entry screen follows, read
// from the settings in one place. The options window calls
// FrmHolz::reloadOptions() after storing them.
struct EntryOptions {
    bool chkGuete = true;        // a chosen grade moves onto the grade quick buttons
    bool chkSorte = true;        // a chosen assortment moves onto the assortment quick buttons
    bool chkNutzung = true;      // cmbNutzung always visible
    bool chkEinschlagtyp = true; // cmbEinschlag always visible
    bool UebernStaerke = true;   // the diameter class is carried over to a new record
    bool Sortimentsliste = true; // assortment list entry
    QString AutoLos = QStringLiteral("0");
    int RegionIndex = 8;

    static EntryOptions load(const store::Settings& settings);
};

} // namespace entry
