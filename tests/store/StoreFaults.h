// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace store {
class Database;
}

namespace testing {

// Faults of the list database for the tests of the windows above the
// store: what another program or a damaged file can do to it, made in the
// engine's own terms so that those tests need none.
class StoreFaults {
public:
    // Every change of a record fails from now on (a lock, a full disk) …
    static void refuseRecordChanges(store::Database& holz);
    // … until this.
    static void allowRecordChanges(store::Database& holz);
    // The records can no longer be read at all.
    static void hideRecords(store::Database& holz);
};

} // namespace testing
