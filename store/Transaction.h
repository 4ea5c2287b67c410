// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace store {

class Database;

// One user action = one transaction. Opens BEGIN IMMEDIATE (waiting for the
// other program's write lock up to the busy timeout) and rolls back in the
// destructor unless commit() succeeded. Transactions nest: an inner one
// joins the outer, and an inner one left without commit makes the outer
// commit fail, so half an action is never stored.
//
// commit() throws DbError. When the engine has already rolled the whole
// transaction back by itself (disk full, I/O error) the error says so
// (transactionLost()): nothing of the action was stored.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    bool m_outer;
    bool m_done = false;
};

} // namespace store
