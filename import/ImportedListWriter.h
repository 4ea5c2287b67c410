// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"
#include "store/ListImportWriter.h"

#include <functional>

namespace importer {

// Stores an imported list: its list row, records, storage rows and stack
// samples in one transaction, so the list arrives whole or not at all —
// a failure on the way, a full disk or a killed program leave the database
// as it was.
//
// The records can be handed over one by one while the file is still being
// read (begin, add, finish), so a big list is never held in memory; the
// list row follows them, with the header and the totals known only at the
// end. A writer destroyed before finish() stores nothing.
class ImportedListWriter {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    explicit ImportedListWriter(store::Database& holz) : m_writer(holz) {}

    // Opens the write transaction. False, with nothing written, when a
    // list of that name exists (checked under the write lock, so another
    // program cannot slip one in between). Throws store::DbError when the
    // database refuses; nothing is written then.
    bool begin(const QString& listName);
    // One record of the list; returns its stored Id.
    qint64 add(const store::HolzRow& row);
    // The list row with the list's totals, the storage rows and the stack
    // samples, whose HolzId must be the stored Id of their record; commits.
    void finish(ImportedList& list);

    // All of a list read whole: begin, every record of list.records, finish.
    // A sample's HolzId is the position of its record, counted from 1.
    bool write(ImportedList& list, const Progress& progress = {});

    // The list's stored totals as the entry screen computes them, from the
    // records the list holds. An imported list gets them at once, so it
    // shows its true volume in the lists browser and opens in the
    // configured order like any other list with records.
    static void computeTotals(ImportedList& list);

private:
    store::ListImportWriter m_writer;
};

} // namespace importer
