// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transaction.h"

#include "Database.h"
#include "DbError.h"

#include <sqlite3.h>

namespace store {

Transaction::Transaction(Database& db) : m_db(db), m_outer(db.m_transactionDepth == 0)
{
    if (m_outer) {
        if (db.m_readOnly)
            throw DbError(SQLITE_READONLY, DbError::describe(SQLITE_READONLY));
        db.exec("BEGIN IMMEDIATE");
        db.m_rollbackOnly = false;
        ++db.m_transactionSerial;
    }
    ++db.m_transactionDepth;
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    --m_db.m_transactionDepth;
    if (!m_outer) {
        m_db.m_rollbackOnly = true;
        return;
    }
    if (!sqlite3_get_autocommit(m_db.handle()))
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    m_db.finishTransaction(false);
}

void Transaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    --m_db.m_transactionDepth;
    if (!m_outer)
        return;
    sqlite3* handle = m_db.handle();
    auto fail = [&](int number, const QString& detail) {
        const int systemError = sqlite3_system_errno(handle);
        if (!sqlite3_get_autocommit(handle))
            sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
        m_db.finishTransaction(false);
        DbError error(number, DbError::describe(number, systemError), detail);
        error.setTransactionLost(true);
        throw error;
    };
    if (m_db.m_rollbackOnly)
        fail(DbError::RolledBack, QStringLiteral("a nested step failed"));
    if (sqlite3_get_autocommit(handle))
        fail(DbError::RolledBack, QStringLiteral("transaction rolled back by the engine"));
    const int rc = sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, QString::fromUtf8(sqlite3_errmsg(handle)));
    m_db.finishTransaction(true);
}

} // namespace store
