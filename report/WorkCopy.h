// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/WorkRow.h"

#include <QList>
#include <optional>

namespace store {
class Database;
}

namespace report {

// The report program's working copy of one list (vorl.db, table Holz).
// Every output is made from it, so what is printed is exactly one
// consistent reading of the list, however the recording program changes
// the list meanwhile.
class WorkCopy {
public:
    // `work` is the working database; columns missing in an older working
    // copy are added here. Throws store::DbError.
    explicit WorkCopy(store::Database& work);

    store::Database& database() const { return *m_work; }

    // Replaces the working table's content with the records of `list` from
    // the list database `holz`: single logs first, by lot and number, then
    // assortments and stacks by lot, length, assortment, grade and diameter.
    // With a lot, only that lot's records: single logs by number, the others
    // by species, length, assortment, grade and diameter.
    // One transaction: when anything fails the previous content stays and
    // store::DbError is thrown. Returns the number of rows copied.
    int takeOver(store::Database& holz, const QString& list, std::optional<int> lot = std::nullopt);

    // The rows in the order they were copied.
    QList<store::WorkRow> rows() const;
    int count() const;
    // The lots present, ascending (0 included when records carry it).
    QList<int> lots() const;

private:
    store::Database* m_work;
};

} // namespace report
