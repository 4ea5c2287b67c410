#include "ImportedListWriter.h"

#include "rules/Numbers.h"
#include "store/Database.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace importer {

void ImportedListWriter::computeTotals(ImportedList& list)
{
    double volume = 0;
    qint64 pieces = 0;
    int highest = 0;
    for (const auto& row : list.records) {
        volume += row.Kubatur;
        if (row.isStackedWood())
            ++pieces;
        else if (!row.Folgestamm)
            pieces += rules::roundHalfEven(row.Stueck);
        highest = qMax(highest, row.Nummer);
    }
    list.header.Kubatur = std::round(volume * 100.0) / 100.0;
    list.header.Stueckzahl = int(std::min<qint64>(pieces, std::numeric_limits<int>::max()));
    list.header.NummerHigh = highest;
}

bool ImportedListWriter::write(ImportedList& list, const Progress& progress)
{
    computeTotals(list);
    const qint64 total = qint64(list.records.size() + list.storage.size() + list.samples.size());
    qint64 done = 0;
    auto advance = [&] {
        if (progress && (++done & 1023) == 0)
            progress(done, total);
    };

    store::Transaction transaction(m_db);
    if (store::TimberStore::listExists(m_db, list.header.Liste))
        return false;

    store::Statement listRow = m_db.prepare(store::listenTable().insertSql());
    store::listenTable().bindValues(listRow, list.header);
    listRow.run();
    list.header.Id = m_db.lastInsertRowId();

    store::Statement record = m_db.prepare(store::holzTable().insertSql());
    const store::HolzRow* previous = nullptr;
    std::vector<qint64> recordIds;
    recordIds.reserve(list.records.size());
    for (const auto& row : list.records) {
        store::holzTable().bindChangedValues(record, row, previous);
        record.run();
        recordIds.push_back(m_db.lastInsertRowId());
        previous = &row;
        advance();
    }
    store::Statement storage = m_db.prepare(store::lagerTable().insertSql());
    for (const auto& row : list.storage) {
        store::lagerTable().bindValues(storage, row);
        storage.run();
        advance();
    }
    store::Statement sample = m_db.prepare(store::mantelTable().insertSql());
    for (auto row : list.samples) {
        const qint64 position = row.HolzId;
        row.HolzId =
            position >= 1 && position <= qint64(recordIds.size()) ? recordIds[size_t(position - 1)] : 0;
        store::mantelTable().bindValues(sample, row);
        sample.run();
        advance();
    }
    transaction.commit();
    if (progress)
        progress(total, total);
    return true;
}

} // namespace importer
