// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace platform {
class UserInterface;
}
namespace store {
class Database;
class TimberStore;
} // namespace store

namespace entry {

// Assortment generation: logs typed one record each in assortment mode are
// merged. In the order lot, length, grade, diameter, every run of records
// that agree in lot, length, diameter, assortment and grade and starts with
// an assortment record (not a single log) becomes its first record, with
// the run's pieces and the first record's volume per piece times those
// pieces; the run's other records are deleted. A single log with a stem
// number ends a run and is never merged, so its number and its mark stay.
//
// The compaction is one pass over the list and one transaction: a failure
// leaves the list exactly as it was. The record-order setting is never
// touched (the pass reads in its own order). A run whose first record has
// no pieces gives no volume per piece and stays as it is.
class AssortmentGenerator {
public:
    struct Result {
        qint64 recordsBefore = 0;
        qint64 recordsAfter = 0;
        qint64 runsMerged = 0;     // runs that became one record
        qint64 recordsRemoved = 0; // records merged into the first of their run
        qint64 runsWithoutPieces = 0;
    };
    // Position reached (1-based, in the pass's order) and the list's record count.
    using Progress = std::function<void(qint64 position, qint64 total)>;

    // The compaction alone; throws store::DbError (nothing changed then).
    // The list's stored totals follow in the same transaction.
    static Result compact(store::Database& db, const QString& list, const Progress& progress = {});

    AssortmentGenerator(store::TimberStore& store, platform::UserInterface& ui) : m_store(store), m_ui(ui) {}

    // The menu action on the list `Listen` stands on: the question, the
    // refusal of a list without data, the progress window, the compaction
    // and the confirmation sound. nullopt when it stopped before changing
    // anything or failed (and said why). The list's open record set is
    // closed: the screen opens the list again.
    std::optional<Result> Sortiment_Erzeugen();

private:
    void Sortiment_Abschluss(bool success);

    store::TimberStore& m_store;
    platform::UserInterface& m_ui;
};

} // namespace entry
