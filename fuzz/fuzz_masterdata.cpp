// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target of the master-data reader. It writes into a real master-data
// database in a temporary folder, inside an outer transaction that is
// always rolled back, so every input starts from the same shipped data and
// the file never grows.
#include "import/DataFolderSetup.h"
#include "import/MasterDataImport.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace {

store::Database& database()
{
    // Prefer a memory-backed folder: every import commits its transaction.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/stemmo-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/stemmo-fuzz-XXXXXX"));
    static std::unique_ptr<store::Database> db = [] {
        auto opened = store::Database::open(folder.filePath(QStringLiteral("MRinden.db")),
                                            store::DatabaseKind::MasterData);
        importer::MasterDataImport(*opened).Stammdaten_Einlesen(
            importer::DataFolderSetup::defaultMasterData());
        return opened;
    }();
    return *db;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    store::Database& db = database();
    store::Transaction keepNothing(db);
    importer::MasterDataImport(db).Stammdaten_Einlesen(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
