// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportedListWriter.h"

#include "store/Database.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace importer {

ImportedListWriter::ImportedListWriter(store::Database& holz) : m_db(holz) {}

ImportedListWriter::~ImportedListWriter()
{
    // The statement goes before the transaction that rolls back.
    m_record.reset();
    m_transaction.reset();
}

void ImportedListWriter::computeTotals(ImportedList& list)
{
    list.totals = ImportTotals();
    for (const auto& row : list.records)
        list.totals.add(row);
}

bool ImportedListWriter::begin(const QString& listName)
{
    m_transaction = std::make_unique<store::Transaction>(m_db);
    if (store::TimberStore::listExists(m_db, listName)) {
        m_transaction.reset();
        return false;
    }
    m_record = std::make_unique<store::Statement>(m_db.prepare(store::holzTable().insertSql()));
    m_previous = nullptr;
    return true;
}

qint64 ImportedListWriter::add(const store::HolzRow& row)
{
    // Only the values that differ from the row before are bound again.
    store::holzTable().bindChangedValues(*m_record, row, m_previous);
    m_record->run();
    m_last = row;
    m_previous = &m_last;
    return m_db.lastInsertRowId();
}

void ImportedListWriter::finish(ImportedList& list)
{
    const ImportTotals& totals = list.totals;
    list.header.Kubatur = std::round(totals.volume * 100.0) / 100.0;
    list.header.Stueckzahl = int(std::min<qint64>(totals.pieces, std::numeric_limits<int>::max()));
    list.header.NummerHigh = totals.highest;

    store::Statement listRow = m_db.prepare(store::listenTable().insertSql());
    store::listenTable().bindValues(listRow, list.header);
    listRow.run();
    list.header.Id = m_db.lastInsertRowId();
    store::Statement storage = m_db.prepare(store::lagerTable().insertSql());
    for (const auto& row : list.storage) {
        store::lagerTable().bindValues(storage, row);
        storage.run();
    }
    store::Statement sample = m_db.prepare(store::mantelTable().insertSql());
    for (const auto& row : list.samples) {
        store::mantelTable().bindValues(sample, row);
        sample.run();
    }
    m_record.reset();
    m_transaction->commit();
    m_transaction.reset();
}

bool ImportedListWriter::write(ImportedList& list, const Progress& progress)
{
    computeTotals(list);
    if (!begin(list.header.Liste))
        return false;
    const qint64 total = qint64(list.records.size());
    qint64 done = 0;
    std::vector<qint64> recordIds;
    recordIds.reserve(list.records.size());
    for (const auto& row : list.records) {
        recordIds.push_back(add(row));
        if (progress && (++done & 1023) == 0)
            progress(done, total);
    }
    for (auto& sample : list.samples) {
        const qint64 position = sample.HolzId;
        sample.HolzId =
            position >= 1 && position <= qint64(recordIds.size()) ? recordIds[size_t(position - 1)] : 0;
    }
    finish(list);
    if (progress)
        progress(total, total);
    return true;
}

} // namespace importer
