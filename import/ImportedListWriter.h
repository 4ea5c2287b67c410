#pragma once

#include "import/ImportedList.h"

#include <functional>

namespace store {
class Database;
}

namespace importer {

// Stores an imported list: its list row, records, storage rows and stack
// samples in one transaction, so the list arrives whole or not at all —
// a failure on the way, a full disk or a killed program leave the database
// as it was.
class ImportedListWriter {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    explicit ImportedListWriter(store::Database& holz) : m_db(holz) {}

    // False, with nothing written, when a list of that name exists (checked
    // under the write lock, so another program cannot slip one in between).
    // Throws store::DbError when the database refuses; nothing is written then.
    bool write(ImportedList& list, const Progress& progress = {});

    // The list's stored totals as the entry screen computes them: the volume
    // of all records, the pieces of all records that are not follow-on logs
    // (a stack counts as one), and the highest log number. An imported list
    // gets them at once, so it shows its true volume in the lists browser
    // and opens in the configured order like any other list with records.
    static void computeTotals(ImportedList& list);

private:
    store::Database& m_db;
};

} // namespace importer
