// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/ListGenerator.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/TimberStore.h"

namespace cli {

int runGenerate(CliContext& context, const QStringList& args)
{
    const Options options(args, {QStringLiteral("seed")});
    options.expectPositional(2, QStringLiteral("generate LISTE ANZAHL [--seed N]"));
    const QString list = options.positional().at(0);
    bool ok = false;
    const int count = options.positional().at(1).toInt(&ok);
    if (!ok || count < 0 || count > 10'000'000)
        throw CommandError{QStringLiteral("ANZAHL muss eine Zahl von 0 bis 10000000 sein."), 2};
    if (store::ListRepository(context.holzDb()).exists(list))
        throw CommandError{QStringLiteral("Liste '%1' schon vorhanden").arg(list)};
    QStringList species;
    const int region = context.settings().number(store::keys::RegionIndex, 8);
    for (const auto& row : store::MasterData(context.masterDb()).species(region))
        species << row.Holzart;
    const quint32 seed = options.has(QStringLiteral("seed"))
                             ? quint32(options.wholeNumber(QStringLiteral("seed"), 0, 4294967295LL))
                             : 1;
    if (!ListGenerator(species, seed).generate(context.holzDb(), list, count))
        throw CommandError{QStringLiteral("Liste '%1' schon vorhanden").arg(list)};
    context.out() << "Liste '" << list << "' mit " << count << " Datensätzen angelegt." << Qt::endl;
    return 0;
}

} // namespace cli
