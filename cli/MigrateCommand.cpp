// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "store/Database.h"
#include "store/DatabaseTransfer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace cli {
namespace {

const char* const Usage = "migrate --to ORT | --from ORT";

// ORT is a server database or another data folder.
store::DataFolder folderAt(const store::DatabaseLocation& location, const QString& dataFolder)
{
    return location.isServer() ? store::DataFolder(dataFolder, location.text())
                               : store::DataFolder::files(location.text());
}

struct Databases {
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
};

Databases open(const store::DataFolder& folder, store::OpenMode mode)
{
    Databases databases;
    databases.master = store::Database::open(folder.masterDb(), store::DatabaseKind::MasterData, mode);
    databases.holz = store::Database::open(folder.holzDb(), store::DatabaseKind::Holz, mode);
    return databases;
}

// Lists and master data of a server share one database: written through
// one connection they are stored in one transaction.
store::Database& masterOf(Databases& databases, const store::DataFolder& folder)
{
    return folder.onServer() ? *databases.holz : *databases.master;
}

QString describe(const store::DataFolder& folder)
{
    return folder.onServer() ? folder.server().forDisplay() : QDir::toNativeSeparators(folder.path());
}

} // namespace

int runMigrate(CliContext& context, const QStringList& args)
{
    const Options options(args, {QStringLiteral("to"), QStringLiteral("from")});
    options.expectPositional(0, QLatin1String(Usage));
    if (options.has(QStringLiteral("to")) == options.has(QStringLiteral("from")))
        throw CommandError{QStringLiteral("Aufruf: stemmo %1").arg(QLatin1String(Usage)), 2};
    const bool outward = options.has(QStringLiteral("to"));
    const store::DatabaseLocation other(
        options.value(outward ? QStringLiteral("to") : QStringLiteral("from")).trimmed());
    if (other.isEmpty())
        throw CommandError{QStringLiteral("Aufruf: stemmo %1").arg(QLatin1String(Usage)), 2};

    // This side is always the data folder's own files, whatever server the
    // workstation works on otherwise.
    const store::DataFolder files = store::DataFolder::files(context.folder().path());
    const store::DataFolder there = folderAt(other, files.path());
    if (!there.onServer() && QFileInfo(there.path()) == QFileInfo(files.path()))
        throw CommandError{QStringLiteral("Quelle und Ziel sind derselbe Datenordner."), 2};
    const store::DataFolder& source = outward ? files : there;
    const store::DataFolder& target = outward ? there : files;
    if (!source.onServer() && !QFileInfo::exists(source.holzDb()))
        throw CommandError{QStringLiteral("In „%1“ liegt keine Listendatenbank.").arg(describe(source)), 1};
    if (!target.onServer() && !QDir().mkpath(target.path()))
        throw CommandError{
            QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(describe(target)), 1};

    QElapsedTimer clock;
    clock.start();
    Databases from = open(source, store::OpenMode::ReadOnly);
    Databases to = open(target, store::OpenMode::ReadWrite);
    store::DatabaseTransfer transfer(*from.holz, *from.master, *to.holz, masterOf(to, target));
    // The data folder's files always hold master data (the shipped ones at
    // least); what comes back from the server replaces them.
    transfer.setReplaceMasterData(!target.onServer() && !outward);
    const store::DatabaseTransfer::Outcome outcome = transfer.run();
    const double seconds = clock.elapsed() / 1000.0;

    if (!outcome.done) {
        context.err() << "Nichts übertragen, das Ziel „" << describe(target)
                      << "“ ist unverändert:" << Qt::endl;
        for (const QString& problem : outcome.problems)
            context.err() << "  " << problem << Qt::endl;
        return 1;
    }
    qint64 records = 0, samples = 0, places = 0, photos = 0;
    for (const auto& list : outcome.lists) {
        records += list.records;
        samples += list.samples;
        places += list.storageRows;
        photos += list.photos;
    }
    if (context.json()) {
        context.printJson(
            QJsonObject{{QStringLiteral("Ziel"), describe(target)},
                        {QStringLiteral("Listen"), outcome.lists.size()},
                        {QStringLiteral("Datensaetze"), records},
                        {QStringLiteral("Stapelproben"), samples},
                        {QStringLiteral("Lagerorte"), places},
                        {QStringLiteral("Fotos"), photos},
                        {QStringLiteral("Stammdatenzeilen"), outcome.masterRows},
                        {QStringLiteral("NichtUebertragen"), QJsonArray::fromStringList(outcome.leftBehind)},
                        {QStringLiteral("Sekunden"), seconds}});
    } else {
        context.out() << "Übertragen von „" << describe(source) << "“ nach „" << describe(target)
                      << "“: " << outcome.lists.size() << " Listen, " << records << " Datensätze, " << samples
                      << " Stapelproben, " << places << " Lagerorte, " << photos << " Fotos, "
                      << outcome.masterRows << " Stammdatenzeilen; geprüft, in "
                      << QString::number(seconds, 'f', 1) << " s." << Qt::endl;
        if (!outcome.leftBehind.isEmpty())
            context.err() << "Nicht übertragen (gehören zu keiner Liste): "
                          << outcome.leftBehind.join(QStringLiteral(", ")) << Qt::endl;
    }
    // The photo files stay where they are: in the data folder.
    return outcome.leftBehind.isEmpty() ? 0 : 3;
}

} // namespace cli
