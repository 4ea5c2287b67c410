// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Statement.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// The three database files of the system.
enum class DatabaseKind {
    Holz,       // lists and their records (Holz.db)
    MasterData, // species, bark tables, code lists (MRinden.db)
    Work,       // the report program's working copy (vorl.db)
};

enum class OpenMode {
    ReadWrite,         // open an existing database or create a new one
    ReadWriteExisting, // refuse a missing file
    ReadOnly,          // never write, never create
};

// One connection to one database file of ours.
//
// Durability: the file runs in WAL mode with synchronous=FULL, so a
// transaction is on disk once commit() returned. Every write goes through
// a Transaction (BEGIN IMMEDIATE), because a deferred transaction that
// reads first fails at once with "database is locked" when the other
// program committed in between; the busy timeout covers the rest.
//
// Safety: before anything is written, the file is probed read-only. A file
// that is not a database, belongs to another application or carries a newer
// schema version is refused with a German message and left untouched.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (and when allowed creates and upgrades) the database at path.
    // Throws DbError.
    static std::unique_ptr<Database> open(const QString& path, DatabaseKind kind,
                                          OpenMode mode = OpenMode::ReadWrite);

    // A prepared statement; statements are cached by their SQL text.
    Statement prepare(const QByteArray& sql);
    Statement prepare(const char* sql) { return prepare(QByteArray(sql)); }
    // Runs SQL without parameters (may hold several statements).
    void exec(const char* sql);

    qint64 lastInsertRowId() const;
    int changes() const;
    bool inTransaction() const;
    // True when a transaction was opened but the engine has rolled it back
    // by itself; nothing may run until the owner has noticed.
    bool transactionVanished() const;
    bool readOnly() const { return m_readOnly; }
    const QString& path() const { return m_path; }
    DatabaseKind kind() const { return m_kind; }
    int schemaVersion() const;

    // Called when the current transaction is rolled back, so that objects
    // holding copies of database state (record sets) can drop them.
    // Listeners are forgotten after commit or rollback.
    void onRollback(std::function<void()> listener);
    // Counts outer transactions; lets an object take one snapshot per transaction.
    quint64 transactionSerial() const { return m_transactionSerial; }

    // Throws the DbError for an engine result code, with this connection's message.
    [[noreturn]] void raise(int rc) const;

    // Used by Statement and Transaction.
    void recycle(sqlite3_stmt* stmt);
    sqlite3* handle() const { return m_db; }

private:
    friend class Transaction;
    Database(sqlite3* db, QString path, DatabaseKind kind, bool readOnly);
    void configure();
    void upgrade();
    void upgradeSchema(int target);
    void addLookupIndexes();
    void finishTransaction(bool committed);

    sqlite3* m_db = nullptr;
    QString m_path;
    DatabaseKind m_kind;
    bool m_readOnly = false;
    QHash<QByteArray, std::vector<sqlite3_stmt*>> m_cache;
    int m_transactionDepth = 0;
    quint64 m_transactionSerial = 0;
    bool m_rollbackOnly = false;
    std::vector<std::function<void()>> m_rollbackListeners;
    // Statements that outlive their connection finalize themselves instead
    // of returning to the cache.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    friend class Statement;
};

} // namespace store
