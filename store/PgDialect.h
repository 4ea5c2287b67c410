// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace store {

// One statement of the repositories, as the server runs it.
struct PgSql {
    QByteArray text;
    int parameters = 0;
    // Set for an INSERT into a table with a row id: the text returns that id.
    bool returnsId = false;
    // INSERT, UPDATE or DELETE.
    bool writes = false;
    // For "INSERT INTO t (a, b) VALUES (?, ?)": the table, its id column and
    // the column list, so that many such rows can go in one statement.
    QByteArray table;
    QByteArray idColumn;
    QByteArray columns;
};

// Rewrites the SQL the repositories write once for both engines into the
// server's dialect: "?" becomes "$n"; ORDER BY keeps the file engine's
// order (NULL before every value; "COLLATE JET" as the two byte-order sort
// keys of the German order); "x = ? COLLATE JET" compares the lower-case
// keys; an INSERT returns the new row's id, since the server keeps no
// "last inserted row" of a connection.
class PgDialect {
public:
    static PgSql translate(const QByteArray& sql);
    // The id column of a table ("Id", or the "rowid" the master tables get
    // on the server), empty for a table without one.
    static QByteArray idColumn(const QByteArray& table);
};

} // namespace store
