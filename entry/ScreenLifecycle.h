// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace entry {

class EntryScreen;
class ListsBrowser;
class ListListenModel;
class EntryLists;
class RecordStorage;
struct EntryOptions;

// Start-up, options and closing of the entry screen.
class ScreenLifecycle {
public:
    ScreenLifecycle(EntryScreen& screen, ListsBrowser& browser, ListListenModel& listen, EntryLists& lists, RecordStorage& storage) : s(screen), browser(browser), listen(listen), lists(lists), storage(storage) {}

    // Options, list of lists, quick buttons, code lists and species.
    void Form_Load();
    void Form_Activate();
    void reloadOptions();
    void setOptions(const EntryOptions& options);
    void reloadMasterData();
    void refreshLists();

    bool mnuBeenden_Click();
    // Offers an unsaved record for saving, then stores the quick buttons and
    // the selected list. False when the user wanted the record saved and it
    // could not be: the program stays open with the record on screen.
    bool Form_Unload();

private:
    EntryScreen& s;
    ListsBrowser& browser;
    ListListenModel& listen;
    EntryLists& lists;
    RecordStorage& storage;
};

} // namespace entry
