#pragma once

#include "store/DataFolder.h"

#include <QString>
#include <QStringList>

namespace importer {

// Prepares a user's data folder: creates the folder, an empty list database
// and, on the first start, the master-data database filled from the master
// data shipped with the program. Running it again changes nothing.
class DataFolderSetup {
public:
    struct Result {
        QStringList created; // files created by this run
    };

    // Throws store::DbError when a database cannot be created or is not ours,
    // and std::runtime_error (German text) when the folder cannot be created
    // or the shipped master data cannot be read.
    static Result ensure(const store::DataFolder& folder);

    // The master-data file shipped with the program (a Qt resource).
    static QByteArray defaultMasterData();
};

} // namespace importer
