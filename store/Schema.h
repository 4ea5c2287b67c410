// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/DbError.h"

#include <QtGlobal>
#include <vector>

// The tables of the three database files, in one place, with their version.
//
// Text columns that the programs compare are declared COLLATE NOCASE so
// that "=" ignores case as the users expect; ORDER BY names the collation
// "JET" (registered on every connection) for German order. Column order
// follows the established table layouts, because some readers (the master
// data import, the report's record list) work by position. Every list table
// ends in an "Id INTEGER PRIMARY KEY" that record sets use as bookmark.
namespace store::schema {

// Version of each kind's schema that this program writes.
int currentVersion(DatabaseKind kind);
// PRAGMA application_id of each kind, so a foreign file is recognised.
quint32 applicationId(DatabaseKind kind);
// SQL that creates the current schema in an empty database.
const char* createSql(DatabaseKind kind);
// SQL steps from version n to n+1, index n-1. Each runs in the opening
// transaction; a failing step leaves the file at its old version.
std::vector<const char*> upgradeSteps(DatabaseKind kind);
// Indexes that let a save find the list's highest log and record number
// without reading the list. Files written before they existed get them when
// opened for writing; they change no row and no version, so older programs
// still read the file.
struct Index {
    const char* name;
    const char* createSql;
};
std::vector<Index> lookupIndexes(DatabaseKind kind);
// Name of the file kind for messages ("Holzlisten-Datenbank", ...).
QString kindName(DatabaseKind kind);
// The refusal of a database that a newer program version wrote; `where`
// names the file or the server, quoted.
DbError newerSchemaError(DatabaseKind kind, const QString& where, int version);

} // namespace store::schema
