// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"

#include <QString>

namespace rules {

// The name of a timber list. Every way a name comes in — the header dialog,
// renaming, the command line, an imported file — goes through this one
// check, so no way stores a name another would refuse.
//
// A name is at most MaxLength characters (the width of the name column;
// characters, not bytes, and a character beyond the basic plane counts
// once). It holds no control characters, no line breaks and no characters
// that change the writing direction: a name is shown in lists, message
// boxes and file names, where such characters hide or reorder what the
// user sees ("Nord<RLO>gpj.exe" shows as "Nordexe.jpg").
class ListName {
public:
    static constexpr int MaxLength = 50;

    // The name as lists are stored: without blanks, points and commas.
    static QString cleaned(const QString& typed);
    // Why the (cleaned) name cannot be stored, as a German message line;
    // empty when it can. An empty name is the caller's own message.
    static QString problem(const QString& name);
    // The number of characters the length limit counts.
    static int length(const QString& name);

    // The boxes that the windows show when a name is stored already (the
    // header dialog, the import) and when the current list has none (its
    // records cannot be opened): one wording wherever they come up.
    static platform::Message existsMessage(const QString& name);
    static platform::Message missingMessage();
};

} // namespace rules
