// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRepository.h"
#include "ListImportWriter.h"

#include "Database.h"
#include "DbError.h"
#include "Transaction.h"

namespace store {

ListImportWriter::ListImportWriter(Database& db) : m_db(db) {}

ListImportWriter::~ListImportWriter()
{
    // The statement goes before the transaction that rolls back.
    m_record.reset();
    m_transaction.reset();
}

bool ListImportWriter::begin(const QString& listName)
{
    // A list begun before and not finished is dropped first.
    m_record.reset();
    m_transaction.reset();
    m_transaction = std::make_unique<Transaction>(m_db);
    if (ListRepository(m_db).exists(listName)) {
        m_transaction.reset();
        return false;
    }
    m_record = std::make_unique<Statement>(m_db.prepare(holzTable().insertSql()));
    m_hasPrevious = false;
    return true;
}

qint64 ListImportWriter::addRecord(const HolzRow& row)
{
    if (!m_record)
        throw DbError(DbError::NoCurrentRecord, DbError::describe(DbError::NoCurrentRecord));
    // Only the values that differ from the row before are bound again.
    holzTable().bindChangedValues(*m_record, row, m_hasPrevious ? &m_previous : nullptr);
    m_record->run();
    m_previous = row;
    m_hasPrevious = true;
    return m_db.lastInsertRowId();
}

void ListImportWriter::finish(ListenRow& header, const std::vector<LagerRow>& storage,
                              const std::vector<MantelRow>& samples)
{
    if (!m_transaction)
        throw DbError(DbError::NoCurrentRecord, DbError::describe(DbError::NoCurrentRecord));
    Statement listRow = m_db.prepare(listenTable().insertSql());
    listenTable().bindValues(listRow, header);
    listRow.run();
    header.Id = m_db.lastInsertRowId();
    Statement place = m_db.prepare(lagerTable().insertSql());
    for (const auto& row : storage) {
        lagerTable().bindValues(place, row);
        place.run();
    }
    Statement sample = m_db.prepare(mantelTable().insertSql());
    for (const auto& row : samples) {
        mantelTable().bindValues(sample, row);
        sample.run();
    }
    m_record.reset();
    m_transaction->commit();
    m_transaction.reset();
}

} // namespace store
