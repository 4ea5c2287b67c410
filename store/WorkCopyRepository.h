// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ListQueries.h"
#include "store/ListenRow.h"
#include "store/WorkRow.h"

#include <QList>
#include <optional>

namespace store {

class Database;

// The report program's working copy (vorl.db, table Holz) and what it reads
// out of the list database to fill it. Every output of the report program
// is made from the copy, so what is printed is exactly one consistent
// reading of a list, however the recording program changes it meanwhile.
// All operations throw DbError.
class WorkCopyRepository {
public:
    explicit WorkCopyRepository(Database& work) : m_work(&work) {}

    // Working copies written by older versions lack the columns Folgestamm
    // and Klammerstamm; adds them (one transaction). True when columns were added.
    bool addMissingColumns();

    // Replaces the copy's content with the records of `list` from the list
    // database `holz`: single logs first, by lot and number, then
    // assortments and stacks by lot, length, assortment, grade and diameter.
    // With a lot, only that lot's records: single logs by number, the others
    // by species, length, assortment, grade and diameter. Equal keys keep
    // the order in which they were entered.
    // One transaction: when anything fails the previous content stays.
    // Returns the number of rows copied.
    int copyList(Database& holz, const QString& list, std::optional<int> lot = std::nullopt);

    // The rows in the order they were copied.
    QList<WorkRow> rows() const;
    int count() const;
    // The lots present, ascending (0 included when records carry it).
    QList<int> lots() const;

private:
    Database* m_work;
};

} // namespace store
