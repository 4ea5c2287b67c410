// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace store {

class Database;
class EngineStatement;

// One connection of one database engine, behind store::Database. All that
// differs between the engines lives behind this: how SQL is prepared and
// run, how a write transaction takes the writers' lock, where ids come
// from, and how the schema is created and upgraded. Errors throw DbError.
class Engine {
public:
    virtual ~Engine() = default;

    // A statement for sql; the caller owns it until it hands it back to
    // recycle(), which may keep it for the next prepare() of the same text.
    virtual EngineStatement* prepare(const QByteArray& sql) = 0;
    virtual void recycle(EngineStatement* statement) = 0;
    // Runs SQL without parameters (may hold several statements).
    virtual void exec(const char* sql) = 0;

    virtual qint64 lastInsertRowId() const = 0;
    virtual int changes() const = 0;

    // Opens a write transaction holding the writers' lock, waiting for
    // another writer no longer than the busy timeout.
    virtual void begin() = 0;
    // Throws when the commit failed; the transaction is then still open or
    // already gone (transactionGone()), and the caller rolls back.
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;
    // True when a transaction was begun but the engine has ended it by itself.
    virtual bool transactionGone() const = 0;

    // Creates the schema in an empty database or upgrades it to the
    // current version, inside a transaction of db.
    virtual void upgrade(Database& db) = 0;
    virtual int schemaVersion() const = 0;
    virtual bool onServer() const = 0;
};

} // namespace store
