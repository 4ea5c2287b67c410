// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Statement.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace store {

class Engine;
class EngineStatement;

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

// One connection to one database of ours: a file of the data folder or a
// database on a server (DatabaseLocation). The engine behind it
// (SqliteEngine, PgEngine) keeps what differs between the two; the
// repositories write one SQL for both. Every write goes through a
// Transaction, which takes the writers' lock first, so what a write reads
// to compute what it writes is read under that lock.
//
// Safety: a database that belongs to another application or carries a
// newer schema version is refused with a German message and left untouched.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (and when allowed creates and upgrades) the database at the
    // location: a file path or a server's connection string. Throws DbError.
    static std::unique_ptr<Database> open(const QString& location, DatabaseKind kind,
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
    // The file's absolute path, or the server location without its password.
    const QString& path() const { return m_path; }
    // True when the database lies on a server, shared by several workstations.
    bool onServer() const;
    // This PC's folder for what belongs beside the database but is no part
    // of it: the lots' photo files, the ELDATsmart code table. A file's own
    // folder; for a server, the data folder the program was given
    // (setLocalFolder), else the user's default data folder.
    QString localFolder() const;
    void setLocalFolder(const QString& folder) { m_localFolder = folder; }
    DatabaseKind kind() const { return m_kind; }
    int schemaVersion() const;

    // Called when the current transaction is rolled back, so that objects
    // holding copies of database state (record sets) can drop them.
    // Listeners are forgotten after commit or rollback.
    void onRollback(std::function<void()> listener);
    // Counts outer transactions; lets an object take one snapshot per transaction.
    quint64 transactionSerial() const { return m_transactionSerial; }

private:
    friend class Transaction;
    friend class Statement;
    Database(std::unique_ptr<Engine> engine, QString path, DatabaseKind kind, bool readOnly);
    void finishTransaction(bool committed);

    std::unique_ptr<Engine> m_engine;
    QString m_path;
    QString m_localFolder;
    DatabaseKind m_kind;
    bool m_readOnly = false;
    int m_transactionDepth = 0;
    quint64 m_transactionSerial = 0;
    bool m_rollbackOnly = false;
    std::vector<std::function<void()>> m_rollbackListeners;
    // Statements that outlive their connection finalize themselves instead
    // of returning to the cache.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace store
