// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

namespace entry {

class EntryScreen;
class RecordEntry;
class EntryLists;
class RecordNavigation;
class FunctionKeyPresets;
class RecordPrice;
class RecordStorage;

// The screen-wide key handling of the entry screen (see KeyCodes.h for the
// codes). keyDown() returns true when it used the key; the view then
// drops it. Otherwise the focused widget may type it (free text fields).
class EntryKeys {
public:
    EntryKeys(EntryScreen& screen, RecordEntry& entry, EntryLists& lists, RecordNavigation& navigation, FunctionKeyPresets& presets, RecordPrice& price, RecordStorage& storage) : s(screen), entry(entry), lists(lists), navigation(navigation), presets(presets), price(price), storage(storage) {}

    bool keyDown(int keyCode, Qt::KeyboardModifiers modifiers, const QString& text);
    // Every key release recomputes the record being typed or changed.
    void keyUp(int keyCode, Qt::KeyboardModifiers modifiers);

private:
    bool typing(int keyCode, const QString& text);
    bool freeTextField() const;
    EntryScreen& s;
    RecordEntry& entry;
    EntryLists& lists;
    RecordNavigation& navigation;
    FunctionKeyPresets& presets;
    RecordPrice& price;
    RecordStorage& storage;
};

} // namespace entry
