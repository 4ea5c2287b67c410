// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "entry/FrmHolz.h"

#include <memory>

namespace lots {
class LotRules;
}

namespace cli {

// The entry screen's model on the console, for the commands that work on
// lists and records: the same rules, checks, automatic lot assignment and
// transactions as the screen, with the console answering its questions. Numbers are shown with
// a decimal point. The list the screen opens next (ListenNr) is left as it
// was: a script does not change what the user sees at the next start.
class EntrySession {
public:
    explicit EntrySession(CliContext& context);
    ~EntrySession();
    EntrySession(const EntrySession&) = delete;
    EntrySession& operator=(const EntrySession&) = delete;

    entry::FrmHolz& form() { return *m_form; }
    // Selects the list in the list of lists; throws CommandError when there is none.
    void select(const QString& list);
    // Selects and opens the list for entry.
    void open(const QString& list);

private:
    CliContext& m_context;
    QString m_lastList;
    std::unique_ptr<lots::LotRules> m_lotRules;
    std::unique_ptr<entry::FrmHolz> m_form;
};

// Types a number into the field that field entry has chosen, key by key
// as on the keypad, so the field's limits apply. Throws CommandError when
// the text is not a number.
void typeNumber(entry::FrmHolz& form, const QString& option, const QString& value);

} // namespace cli
