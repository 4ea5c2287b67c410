// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MantelRow.h"

#include <QList>

namespace store {

class Database;

// The sample diameters of stacks measured by samples (table Mantel). A
// sample belongs to one stored record: it moves to another list and goes
// away with its record. All operations throw DbError.
class MantelSamples {
public:
    explicit MantelSamples(Database& db) : m_db(&db) {}

    // The samples of one stored record, in their order.
    QList<MantelRow> ofRecord(qint64 holzId) const;
    // Drops the sample at position `indx` of the record and closes the gap
    // in the positions behind it, in the caller's transaction.
    void remove(qint64 holzId, int indx);

private:
    Database* m_db;
};

} // namespace store
