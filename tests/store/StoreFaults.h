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

    // A new record with this log number cannot be stored, as when the disk
    // fills up in the middle of an import …
    static void refuseNewRecordNumber(store::Database& holz, int nummer);
    // … until this (or until the connection closes).
    static void allowNewRecords(store::Database& holz);
    // Storage rows cannot be changed while this connection lasts.
    static void refuseStorageChanges(store::Database& holz);

    // No list row can be changed …
    static void refuseListChanges(store::Database& holz);
    // … until this.
    static void allowListChanges(store::Database& holz);
    // No list row can be deleted while this connection lasts.
    static void refuseListDeletion(store::Database& holz);
    // The grade of the record with this log number cannot be changed, nor
    // can a record of this diameter be deleted, while this connection lasts:
    // an action on several records fails part way through.
    static void refuseGradeChangeOfNumber(store::Database& holz, int nummer);
    static void refuseRecordDeletionOfDiameter(store::Database& holz, int durchm);
};

} // namespace testing
