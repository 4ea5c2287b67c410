// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace store {
class Database;
}

namespace importer {

// Reads a master-data file (sections "[bezeichnung]", "[holzarten]",
// "[rindenabzuege]", "[sorten]", "[gueten]", "[einschlagtyp]",
// "[nutzungsart]"; fields separated by ";") into the master-data database.
//
// All or nothing: the whole file is applied in one transaction, so a file
// that fails at line 40 leaves the previous master data exactly as it was
// (the code lists are never left half emptied).
class MasterDataImport {
public:
    struct Result {
        bool ok = false;
        int lines = 0;                            // lines read
        int regions = 0;                          // [bezeichnung] lines stored
        int species = 0;                          // [holzarten] lines stored
        int lastRegion = 0;                       // region of the last [bezeichnung] line
        std::optional<platform::Message> message; // what to show on failure
    };

    explicit MasterDataImport(store::Database& masterDb) : m_db(masterDb) {}

    // Stammdaten_Einlesen on file content (ANSI text; UTF-8 is accepted too).
    Result Stammdaten_Einlesen(const QByteArray& content);
    // Reads the file first; an unreadable file is a failed import.
    Result readFile(const QString& path);

private:
    store::Database& m_db;
};

} // namespace importer
