// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"

#include <QByteArray>
#include <QStringList>

namespace store {

// The server's schema, derived from the table descriptions the file engine
// creates (store::schema): the same tables, columns, defaults and indexes
// in the server's types; the case-blind NOCASE columns in a
// nondeterministic ICU collation; the triggers as trigger functions; the
// German order as two key functions; a real "rowid" in the master tables,
// which the repositories address their rows by.
class PgSchema {
public:
    // Collation and functions both kinds share; repeatable.
    static QByteArray sharedSql();
    // Creates the kind's tables, indexes and triggers in an empty database.
    static QByteArray createSql(DatabaseKind kind);
    // The tables the kind creates, to find a foreign application's tables.
    static QStringList tables(DatabaseKind kind);
    // Steps from version n to n+1 (index n-1) for databases the server
    // engine created; the server starts at the file engine's current
    // version, so there are none yet.
    static std::vector<QByteArray> upgradeSteps(DatabaseKind kind);
};

} // namespace store
