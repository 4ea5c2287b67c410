// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MantelRow.h"
#include "store/RecordSet.h"

namespace store {

class Database;

// The stack samples (`Mantel` rows): the diameters measured on a stack of
// stacked wood, each at its position (Indx) under the record (HolzId) whose
// volume they give.
//
// Writes run in the caller's transaction when there is one.
class StackSampleRepository {
public:
    explicit StackSampleRepository(Database& db) : m_db(&db) {}

    // Opens `samples` on the samples of one record in their order.
    void openSamplesOf(RecordSet<MantelRow>& samples, qint64 holzId) const;
    // Drops the sample at position `indx` of the record and closes the gap
    // in the positions behind it.
    void deleteSample(qint64 holzId, int indx);

private:
    Database* m_db;
};

} // namespace store
