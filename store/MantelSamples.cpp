// SPDX-License-Identifier: GPL-3.0-or-later
#include "MantelSamples.h"

#include "Database.h"

namespace store {

QList<MantelRow> MantelSamples::ofRecord(qint64 holzId) const
{
    const auto& table = mantelTable();
    Statement st =
        m_db->prepare("SELECT " + table.selectList() + " FROM Mantel WHERE HolzId = ? ORDER BY Indx, Id");
    st.bind(1, holzId);
    QList<MantelRow> samples;
    while (st.step())
        samples << table.read(st);
    return samples;
}

void MantelSamples::remove(qint64 holzId, int indx)
{
    Statement remove = m_db->prepare("DELETE FROM Mantel WHERE HolzId = ? AND Indx = ?");
    remove.bindAll(holzId, indx);
    remove.run();
    Statement close = m_db->prepare("UPDATE Mantel SET Indx = Indx - 1 WHERE HolzId = ? AND Indx > ?");
    close.bindAll(holzId, indx);
    close.run();
}

} // namespace store
