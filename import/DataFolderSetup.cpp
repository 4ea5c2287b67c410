// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolderSetup.h"

#include "MasterDataImport.h"

#include "export/EldatCodes.h"
#include "platform/InstallLayout.h"
#include "store/Database.h"
#include "store/MasterData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

namespace importer {

QByteArray DataFolderSetup::defaultMasterData()
{
    const QByteArray bytes = platform::InstallLayout::read(QStringLiteral("stammdaten.dat"),
                                                           QStringLiteral(":/stemmo/stammdaten.dat"));
    if (bytes.isEmpty())
        throw std::runtime_error("Die mitgelieferten Stammdaten fehlen im Programm.");
    return bytes;
}

DataFolderSetup::Result DataFolderSetup::ensure(const store::DataFolder& folder)
{
    Result result;
    if (!QDir().mkpath(folder.path()))
        throw std::runtime_error(QStringLiteral("Der Datenordner „%1“ kann nicht angelegt werden.")
                                     .arg(folder.path())
                                     .toStdString());

    if (folder.onServer())
        ensureServer(folder, result);
    else
        ensureFiles(folder, result);

    // The ELDATsmart code table lies beside the master data, for the user
    // to edit; one already there is the user's and stays.
    const QString codes = folder.file(QLatin1String(exporter::EldatCodes::FileName));
    if (!QFileInfo::exists(codes)) {
        QSaveFile file(codes);
        if (file.open(QIODevice::WriteOnly) && file.write(exporter::EldatCodes::shipped()) > 0 &&
            file.commit())
            result.created << codes;
    }
    return result;
}

void DataFolderSetup::ensureServer(const store::DataFolder& folder, Result& result)
{
    // Opening creates the tables of an empty server database; its first
    // user brings the shipped master data, as a new data folder gets them.
    const QString shown = folder.server().forDisplay();
    store::Database::open(folder.holzDb(), store::DatabaseKind::Holz);
    auto master = store::Database::open(folder.masterDb(), store::DatabaseKind::MasterData);
    if (!store::MasterData(*master).isEmpty())
        return;
    const auto loaded = MasterDataImport(*master).Stammdaten_Einlesen(defaultMasterData());
    if (!loaded.ok)
        throw std::runtime_error(QStringLiteral("Die mitgelieferten Stammdaten sind fehlerhaft: %1")
                                     .arg(loaded.message ? loaded.message->text : QString())
                                     .toStdString());
    result.created << shown;
}

void DataFolderSetup::ensureFiles(const store::DataFolder& folder, Result& result)
{
    const bool newLists = !QFileInfo::exists(folder.holzDb());
    store::Database::open(folder.holzDb(), store::DatabaseKind::Holz);
    if (newLists)
        result.created << folder.holzDb();

    const QString masterPath = folder.masterDb();
    const QFileInfo masterInfo(masterPath);
    const bool masterExisted = masterInfo.exists();
    bool newMaster = !masterExisted;
    if (!newMaster && masterInfo.isFile() && masterInfo.size() == 0 &&
        QFileInfo(masterPath + QLatin1String("-wal")).size() == 0) {
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(masterPath + QLatin1String(suffix));
        newMaster = true;
    }
    auto master = store::Database::open(masterPath, store::DatabaseKind::MasterData);
    const bool refill = !newMaster && store::MasterData(*master).isEmpty();
    if (newMaster || refill) {
        const auto loaded = MasterDataImport(*master).Stammdaten_Einlesen(defaultMasterData());
        if (!loaded.ok) {
            master.reset();
            if (newMaster) {
                for (const char* suffix : {"", "-wal", "-shm"})
                    QFile::remove(masterPath + QLatin1String(suffix));
            }
            throw std::runtime_error(QStringLiteral("Die mitgelieferten Stammdaten sind fehlerhaft: %1")
                                         .arg(loaded.message ? loaded.message->text : QString())
                                         .toStdString());
        }
        result.created << masterPath;
        // On the first start both files are new; a master-data database
        // that goes missing or empty later is worth a word.
        if (masterExisted || !newLists)
            result.messages << QStringLiteral("Die Stammdaten-Datenbank „%1“ %2; sie wurde aus den "
                                              "mitgelieferten Stammdaten neu angelegt.")
                                   .arg(QDir::toNativeSeparators(masterPath),
                                        masterExisted ? QStringLiteral("enthielt keine Stammdaten")
                                                      : QStringLiteral("fehlte"));
    }
}

} // namespace importer
