// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"

#include <QString>
#include <QStringList>

namespace store {

// The engine's quick check of one database file, reading only. A server
// location passes unchecked: there is no file, and the server keeps its own.
//
// A damaged file is never written to again: the check keeps a copy of it
// (with its write-ahead log) as "<file>.defekt" beside it, so that whoever
// restores a backup copy still has the damaged data to rescue from, and its
// message tells the user what to do.
//
// A server database has no file to check: its server guards its pages. The
// check opens it read-only instead, and names what the connection answered.
class DatabaseCheck {
public:
    enum class Outcome {
        Ok,
        Missing,     // no file at the path
        Damaged,     // the file fails the check, is empty or is no database
        Unreachable, // a server database that cannot be opened
    };
    struct Result {
        Outcome outcome = Outcome::Ok;
        QStringList findings; // what the engine found, at most a few lines
        QString keptCopy;     // the .defekt copy, when one exists
        QString message;      // German text for the user; empty when Ok
        bool ok() const { return outcome == Outcome::Ok; }
    };

    static Result run(const QString& path, DatabaseKind kind);
};

} // namespace store
