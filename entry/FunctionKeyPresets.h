// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

namespace entry {

class EntryScreen;
class RecordEntry;
class EntryLists;

// The presets of the function keys F1 … F13: the assortment and grade,
// optionally also the species and the lot, of the record being typed.
// A modifier with the key stores them (after asking), the plain key puts
// them back. Each key's preset is one setting named by its key code,
// "assortment;grade[;species[;lot]]".
class FunctionKeyPresets {
public:
    FunctionKeyPresets(EntryScreen& screen, RecordEntry& entry, EntryLists& lists) : s(screen), entry(entry), lists(lists) {}

    // A function key (112 … 124) as the keyboard sent it. Alt stores four
    // values, Ctrl three, Shift two; when several are held the longer
    // preset wins. Without a modifier the preset is applied.
    void functionKey(int keyCode, Qt::KeyboardModifiers modifiers);

    // Asks, then stores the first `parts` values (2, 3 or 4) under the key.
    void Vorgabe_Speichern(int keyCode, int parts);
    void Vorgabe_Speichern_SG(int keyCode) { Vorgabe_Speichern(keyCode, 2); }
    void Vorgabe_Speichern_SGH(int keyCode) { Vorgabe_Speichern(keyCode, 3); }
    void Vorgabe_Speichern_SGHL(int keyCode) { Vorgabe_Speichern(keyCode, 4); }
    void Vorgabe_Anwenden(int keyCode);

    // The stored preset of a key, split into its values.
    QStringList preset(int keyCode) const;

private:
    EntryScreen& s;
    RecordEntry& entry;
    EntryLists& lists;
};

} // namespace entry
