// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "store/DatabaseCheck.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {
namespace {

QString outcomeName(store::DatabaseCheck::Outcome outcome)
{
    switch (outcome) {
    case store::DatabaseCheck::Outcome::Ok:
        return QStringLiteral("ok");
    case store::DatabaseCheck::Outcome::Missing:
        return QStringLiteral("fehlt");
    case store::DatabaseCheck::Outcome::Damaged:
        return QStringLiteral("beschädigt");
    case store::DatabaseCheck::Outcome::Unreachable:
        return QStringLiteral("nicht zu öffnen");
    }
    return QString();
}

} // namespace

int runCheck(CliContext& context, const QStringList& args)
{
    const Options options(args, {});
    options.expectPositional(0, QStringLiteral("check"));
    // Reads the files as they are: the check neither creates a missing
    // database nor opens one for writing. A server database is opened
    // read-only instead: its server checks its own pages.
    const store::DataFolder& folder = context.folder();
    struct File {
        QString path;
        store::DatabaseKind kind;
    };
    QList<File> files{{folder.holzDb(), store::DatabaseKind::Holz}};
    // Lists and master data share one server database.
    if (!folder.onServer())
        files.append({folder.masterDb(), store::DatabaseKind::MasterData});
    bool allOk = true;
    QJsonArray results;
    const auto shown = [](const QString& path) { return store::DatabaseLocation(path).forDisplay(); };
    for (const File& file : files) {
        const store::DatabaseCheck::Result result = store::DatabaseCheck::run(file.path, file.kind);
        allOk = allOk && result.ok();
        if (context.json()) {
            QJsonObject object{{QStringLiteral("Datei"), shown(file.path)},
                               {QStringLiteral("Ergebnis"), outcomeName(result.outcome)},
                               {QStringLiteral("Befunde"), QJsonArray::fromStringList(result.findings)}};
            if (!result.keptCopy.isEmpty())
                object.insert(QStringLiteral("Kopie"), result.keptCopy);
            results.append(object);
        } else if (result.ok()) {
            context.out() << shown(file.path) << ": in Ordnung"
                          << (folder.onServer() ? QStringLiteral(" (Server-Datenbank erreichbar)")
                                                : QString())
                          << Qt::endl;
        } else {
            context.err() << result.message << Qt::endl;
        }
    }
    if (context.json())
        context.printJson(results);
    return allOk ? 0 : 1;
}

} // namespace cli
