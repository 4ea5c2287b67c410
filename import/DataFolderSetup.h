// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DataFolder.h"

#include <QString>
#include <QStringList>

namespace importer {

// Prepares a user's data folder: creates the folder, an empty list database
// and, on the first start, the master-data database filled from the master
// data shipped with the program. Running it again changes nothing.
//
// A master-data database without master data (an empty file, one without
// tables) would give volumes without bark deduction; it is filled again from
// the shipped master data, and the result says so. An empty list database
// is refused (store::Database::open): its lists are gone, and a new empty
// file would hide that.
//
// On a server database (several workstations) the tables are created by
// the first program that opens it, and the shipped master data are read
// in while it holds none; the folder keeps only the local files.
class DataFolderSetup {
public:
    struct Result {
        QStringList created;  // files created by this run
        QStringList messages; // what was found and mended, for the user
    };

    // Throws store::DbError when a database cannot be created or is not ours,
    // and std::runtime_error (German text) when the folder cannot be created
    // or the shipped master data cannot be read.
    static Result ensure(const store::DataFolder& folder);

    // The master-data file shipped with the program: the installed one in
    // share/stemmo, else the copy built into the program.
    static QByteArray defaultMasterData();

private:
    static void ensureFiles(const store::DataFolder& folder, Result& result);
    static void ensureServer(const store::DataFolder& folder, Result& result);
};

} // namespace importer
