// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "store/MasterData.h"
#include "store/SettingKeys.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {

int runSpecies(CliContext& context, const QStringList& args)
{
    const Options options(args, {QStringLiteral("region")});
    options.expectPositional(0, QStringLiteral("species [--region N]"));
    const int region = options.has(QStringLiteral("region"))
                           ? int(options.wholeNumber(QStringLiteral("region"), 0, 255))
                           : context.settings().number(store::keys::RegionIndex, 8);
    const store::MasterData master(context.masterDb());
    const auto species = master.species(region);
    if (context.json()) {
        QJsonArray rows;
        for (const auto& s : species)
            rows.append(QJsonObject{{QStringLiteral("Holzart"), s.Holzart},
                                    {QStringLiteral("Kuerzel1"), s.Kuerzel1},
                                    {QStringLiteral("IndexRinde"), s.IndexRinde},
                                    {QStringLiteral("NL"), s.NL}});
        context.printJson(rows);
        return 0;
    }
    if (species.isEmpty()) {
        context.out() << "Keine Holzarten für Region " << region << "." << Qt::endl;
        return 0;
    }
    QTextStream& out = context.out();
    out << "Region " << region << Qt::endl;
    for (const auto& s : species)
        out << qSetFieldWidth(22) << Qt::left << s.Holzart << qSetFieldWidth(6) << s.Kuerzel1
            << qSetFieldWidth(0) << "Rindengruppe " << s.IndexRinde << "  " << s.NL << Qt::endl;
    return 0;
}

} // namespace cli
