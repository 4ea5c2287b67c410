// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/ReportSource.h"
#include "report/AssortmentSummary.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {

int runSummary(CliContext& context, const QStringList& args)
{
    const Options options(args, {});
    options.expectPositional(1, QStringLiteral("summary LISTE"));
    // One pass over the list's records; no working copy is needed for sums.
    ReportSource source(context, options.positional().at(0), ReportSource::Copy::No);
    const auto summary = report::AssortmentSummary::build(source.list().Liste, source.species(), context.holzDb());

    if (context.json()) {
        QJsonArray species;
        for (const auto& s : summary.species()) {
            QJsonArray groups;
            for (const auto& g : s.groups)
                groups.append(QJsonObject{{QStringLiteral("Sorte"), g.sorte.trimmed()},
                                          {QStringLiteral("Staerke"), g.staerke.trimmed()},
                                          {QStringLiteral("Guete"), g.guete.trimmed()},
                                          {QStringLiteral("Stueck"), g.pieces},
                                          {QStringLiteral("Kubatur"), g.volume}});
            species.append(QJsonObject{{QStringLiteral("Holzart"), s.name},
                                       {QStringLiteral("Kuerzel"), s.code},
                                       {QStringLiteral("Stueck"), s.pieces},
                                       {QStringLiteral("Kubatur"), s.volume},
                                       {QStringLiteral("Gruppen"), groups}});
        }
        context.printJson(QJsonObject{{QStringLiteral("Liste"), summary.listName()},
                                      {QStringLiteral("Holzarten"), species},
                                      {QStringLiteral("Gesamt"), summary.totalVolume()}});
        return 0;
    }
    // The text's lines end with CR; a terminal wants line feeds.
    QString text = summary.text(source.dezimalpunkt());
    text.replace(QChar(13), QChar(10));
    context.out() << text;
    context.out().flush();
    return 0;
}

} // namespace cli
