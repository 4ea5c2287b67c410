// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/Engine.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

struct sqlite3;

namespace store {

class SqliteStatement;

// The file engine: one database file of the data folder.
//
// Durability: the file runs in WAL mode with synchronous=FULL, so a
// transaction is on disk once commit() returned. Every write goes through
// BEGIN IMMEDIATE, because a deferred transaction that reads first fails at
// once with "database is locked" when the other program committed in
// between; the busy timeout covers the rest.
//
// Safety: before anything is written, the file is probed read-only. A file
// that is not a database, belongs to another application or carries a newer
// schema version is refused with a German message and left untouched.
class SqliteEngine final : public Engine {
public:
    ~SqliteEngine() override;

    // Opens the file at path; the path returned in `absolutePath`.
    static std::unique_ptr<SqliteEngine> open(const QString& path, DatabaseKind kind, OpenMode mode,
                                              QString& absolutePath);

    EngineStatement* prepare(const QByteArray& sql) override;
    void recycle(EngineStatement* statement) override;
    void exec(const char* sql) override;
    qint64 lastInsertRowId() const override;
    int changes() const override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;
    bool transactionGone() const override;
    void upgrade(Database& db) override;
    int schemaVersion() const override;
    bool onServer() const override { return false; }

    // Throws the DbError for an engine result code, with this connection's message.
    [[noreturn]] void raise(int rc) const;

private:
    SqliteEngine(sqlite3* db, QString path, DatabaseKind kind, bool readOnly);
    void configure();
    void upgradeSchema(Database& db, int target);
    void addLookupIndexes(Database& db);

    sqlite3* m_db = nullptr;
    QString m_path;
    DatabaseKind m_kind;
    bool m_readOnly = false;
    bool m_inTransaction = false;
    QHash<QByteArray, std::vector<SqliteStatement*>> m_cache;
};

} // namespace store
