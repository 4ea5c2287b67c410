// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transaction.h"

#include "Database.h"
#include "DbError.h"
#include "Engine.h"

namespace store {

Transaction::Transaction(Database& db) : m_db(db), m_outer(db.m_transactionDepth == 0)
{
    if (m_outer) {
        if (db.m_readOnly)
            throw DbError(DbError::ReadOnly, DbError::describe(DbError::ReadOnly));
        db.m_engine->begin();
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
    m_db.m_engine->rollback();
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
    Engine& engine = *m_db.m_engine;
    auto fail = [&](DbError error) {
        engine.rollback();
        m_db.finishTransaction(false);
        error.setTransactionLost(true);
        throw error;
    };
    if (m_db.m_rollbackOnly)
        fail(DbError(DbError::RolledBack, DbError::describe(DbError::RolledBack),
                     QStringLiteral("a nested step failed")));
    if (engine.transactionGone())
        fail(DbError(DbError::RolledBack, DbError::describe(DbError::RolledBack),
                     QStringLiteral("transaction rolled back by the engine")));
    try {
        engine.commit();
    } catch (const DbError& error) {
        fail(error);
    }
    m_db.finishTransaction(true);
}

} // namespace store
