// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HolzRow.h"
#include "store/LagerRow.h"
#include "store/ListenRow.h"
#include "store/MantelRow.h"

#include <memory>
#include <vector>

namespace store {

class Database;
class Statement;
class Transaction;

// Stores a whole new list in one transaction: its records one by one as
// they come, then its header row, storage rows and stack samples. The list
// arrives whole or not at all: a writer destroyed before finish(), a
// failure on the way, a full disk or a killed program leave the database
// as it was.
//
// Built for lists of a million records: the insert of a record is prepared
// once and only the values that differ from the record before are bound
// again.
class ListImportWriter {
public:
    explicit ListImportWriter(Database& db);
    ~ListImportWriter();
    ListImportWriter(const ListImportWriter&) = delete;
    ListImportWriter& operator=(const ListImportWriter&) = delete;

    // Opens the write transaction. False, with nothing written, when a
    // list of that name exists (compared as list names are, and checked
    // under the write lock, so another program cannot slip one in between).
    // Throws DbError when the database refuses; nothing is written then.
    bool begin(const QString& listName);
    // One record; returns its stored Id. Throws DbError.
    qint64 addRecord(const HolzRow& row);
    // The header row (which gets its stored Id), the storage rows and the
    // samples, whose HolzId must be the stored Id of their record; commits.
    // Throws DbError; nothing of the list is stored then.
    void finish(ListenRow& header, const std::vector<LagerRow>& storage,
                const std::vector<MantelRow>& samples);

private:
    Database& m_db;
    std::unique_ptr<Transaction> m_transaction;
    std::unique_ptr<Statement> m_record;
    bool m_hasPrevious = false;
    HolzRow m_previous; // the row the statement's bound values came from
};

} // namespace store
