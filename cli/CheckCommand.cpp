// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "store/DatabaseCheck.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {

int runCheck(CliContext& context, const QStringList& args)
{
    const Options options(args, {});
    options.expectPositional(0, QStringLiteral("check"));
    // Reads the files as they are: the check neither creates a missing
    // database nor opens one for writing.
    const store::DataFolder& folder = context.folder();
    struct File {
        QString path;
        store::DatabaseKind kind;
    };
    const QList<File> files{{folder.holzDb(), store::DatabaseKind::Holz},
                            {folder.masterDb(), store::DatabaseKind::MasterData}};
    bool allOk = true;
    QJsonArray results;
    for (const File& file : files) {
        const store::DatabaseCheck::Result result = store::DatabaseCheck::run(file.path, file.kind);
        allOk = allOk && result.ok();
        if (context.json()) {
            QJsonObject object{{QStringLiteral("Datei"), file.path},
                               {QStringLiteral("Ergebnis"), result.ok() ? QStringLiteral("ok")
                                                            : result.outcome == store::DatabaseCheck::Outcome::Missing
                                                                ? QStringLiteral("fehlt")
                                                                : QStringLiteral("beschädigt")},
                               {QStringLiteral("Befunde"), QJsonArray::fromStringList(result.findings)}};
            if (!result.keptCopy.isEmpty())
                object.insert(QStringLiteral("Kopie"), result.keptCopy);
            results.append(object);
        } else if (result.ok()) {
            context.out() << file.path << ": in Ordnung" << Qt::endl;
        } else {
            context.err() << result.message << Qt::endl;
        }
    }
    if (context.json())
        context.printJson(results);
    return allOk ? 0 : 1;
}

} // namespace cli
