// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/Engine.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

struct pg_conn;
struct pg_result;

namespace store {

class PgStatement;

// The server engine: one database on a PostgreSQL server, shared by the
// workstations. The list data and the master data live side by side in it
// (their tables do not collide), each kind with its row in a version table.
//
// Locking: every write transaction takes, right after BEGIN, a
// transaction-scoped advisory lock of its kind, which serialises the
// writers the way the file's write lock does; so what a save reads to
// compute what it writes (record number, next log number, totals) is read
// under that lock. A wait longer than the file engine's busy timeout is the
// same "busy" error. Commits are durable (the server's synchronous commit).
//
// Errors: connection failures, lost connections and refused logins become a
// DbError with a German message naming the server without its password.
class PgEngine final : public Engine {
public:
    ~PgEngine() override;

    static std::unique_ptr<PgEngine> open(const QString& location, DatabaseKind kind, OpenMode mode);

    EngineStatement* prepare(const QByteArray& sql) override;
    void recycle(EngineStatement* statement) override;
    void exec(const char* sql) override;
    qint64 lastInsertRowId() const override { return m_lastInsertId; }
    int changes() const override { return m_changes; }
    void begin() override;
    void commit() override;
    void rollback() noexcept override;
    bool transactionGone() const override;
    void upgrade(Database& db) override;
    int schemaVersion() const override;
    bool onServer() const override { return true; }

    // Runs a statement; the result belongs to the caller. Throws DbError.
    pg_result* run(PgStatement& statement);
    // Queues the row of a plain INSERT when the same statement has inserted
    // many rows in this transaction (an import); false when it is to run now.
    // The queued rows go to the server in one COPY, with ids
    // taken from the table's sequence in blocks, before anything else runs.
    bool deferInsert(PgStatement& statement);

private:
    PgEngine(pg_conn* conn, QString display, DatabaseKind kind, bool readOnly);
    void configure();
    pg_result* check(pg_result* result);
    [[noreturn]] void raise(pg_result* result);
    QString quotedServer() const;
    void flush();
    void reconnectIfLost();
    qint64 nextId(const QByteArray& table, const QByteArray& idColumn);

    pg_conn* m_conn;
    QString m_display;
    DatabaseKind m_kind;
    bool m_readOnly;
    bool m_inTransaction = false;
    bool m_savepoint = false; // a statement's savepoint is open in the transaction
    qint64 m_lastInsertId = 0;
    int m_changes = 0;
    // Statements prepared on this connection, by their SQL as written.
    struct Prepared {
        QByteArray name;
        int parameters;
        bool returnsId;
        bool writes;
        QByteArray table, idColumn, columns; // of a plain INSERT
    };
    struct Batch {
        QByteArray sql;
        QByteArray head;
        int width = 0;
        int rows = 0;
        std::vector<QByteArray> values;
        std::vector<char> nulls;
    };
    Batch m_batch;
    QHash<QByteArray, int> m_inserted; // rows per INSERT in this transaction
    QByteArray m_idTable;
    std::vector<qint64> m_ids; // reserved ids of m_idTable not yet used
    size_t m_nextId = 0;
    QHash<QByteArray, Prepared> m_prepared;
    int m_preparedCount = 0;
    QHash<QByteArray, Prepared>::const_iterator prepared(const QByteArray& sql);
    QHash<QByteArray, std::vector<PgStatement*>> m_cache;
};

} // namespace store
