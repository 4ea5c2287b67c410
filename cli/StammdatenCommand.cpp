// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "import/MasterDataImport.h"

#include <QJsonObject>

namespace cli {

int runStammdaten(CliContext& context, const QStringList& args)
{
    const Options options(args, {});
    options.expectPositional(1, QStringLiteral("stammdaten DATEI"));
    const auto result = importer::MasterDataImport(context.masterDb()).readFile(options.positional().at(0));
    if (!result.ok)
        throw CommandError{result.message ? result.message->text
                                          : QStringLiteral("Stammdaten nicht eingelesen.")};
    if (context.json()) {
        context.printJson(QJsonObject{{QStringLiteral("lines"), result.lines},
                                      {QStringLiteral("regions"), result.regions},
                                      {QStringLiteral("species"), result.species}});
        return 0;
    }
    context.out() << "Stammdaten eingelesen: " << result.lines << " Zeilen, " << result.regions
                  << " Region(en), " << result.species << " Holzarten." << Qt::endl;
    return 0;
}

} // namespace cli
