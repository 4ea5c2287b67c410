// SPDX-License-Identifier: GPL-3.0-or-later
#include "StackSampleRepository.h"

#include "Database.h"

namespace store {

void StackSampleRepository::openSamplesOf(RecordSet<MantelRow>& samples, qint64 holzId) const
{
    samples.open("SELECT Id FROM Mantel WHERE HolzId = ? ORDER BY Indx, Id", {holzId});
}

void StackSampleRepository::deleteSample(qint64 holzId, int indx)
{
    Statement remove = m_db->prepare("DELETE FROM Mantel WHERE HolzId = ? AND Indx = ?");
    remove.bindAll(holzId, indx);
    remove.run();
    Statement close = m_db->prepare("UPDATE Mantel SET Indx = Indx - 1 WHERE HolzId = ? AND Indx > ?");
    close.bindAll(holzId, indx);
    close.run();
}

} // namespace store
