// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "import/DataFolderSetup.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {

int runInit(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(0, QStringLiteral("init"));
    const auto result = importer::DataFolderSetup::ensure(context.folder());
    for (const QString& message : result.messages)
        context.err() << message << Qt::endl;
    if (context.json()) {
        context.printJson(
            QJsonObject{{QStringLiteral("folder"), context.folder().path()},
                        {QStringLiteral("created"), QJsonArray::fromStringList(result.created)}});
        return 0;
    }
    context.out() << "Datenordner: " << context.folder().path() << Qt::endl;
    if (result.created.isEmpty())
        context.out() << "Alles schon vorhanden, nichts geändert." << Qt::endl;
    for (const QString& file : result.created)
        context.out() << "angelegt: " << file << Qt::endl;
    return 0;
}

} // namespace cli
