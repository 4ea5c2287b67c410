// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "entry/AssortmentGenerator.h"
#include "store/TimberStore.h"

#include <QJsonObject>

namespace cli {

int runSortiment(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(1, QStringLiteral("sortiment LISTE"));
    const QString name = args.first();
    store::TimberStore timber(context.holzDb(), context.settings());
    timber.Listen_Oeffnen();
    if (!timber.moveToList(name))
        throw CommandError{QStringLiteral("Liste '%1' nicht vorhanden").arg(name)};

    // The question is answered with yes; what the screen would say instead
    // of merging goes to stderr.
    ConsoleUserInterface& ui = context.ui();
    ui.setQuiet(true);
    const qsizetype asked = ui.messages().size() + 1;
    const auto result = entry::AssortmentGenerator(timber, ui).Sortiment_Erzeugen();
    ui.setQuiet(false);
    if (!result) {
        for (qsizetype i = asked; i < ui.messages().size(); ++i)
            context.err() << ui.messages().at(i).trimmed() << Qt::endl;
        throw CommandError{QStringLiteral("Für Liste '%1' wurden keine Sortimente erzeugt.").arg(name)};
    }

    if (context.json()) {
        context.printJson(QJsonObject{{QStringLiteral("Liste"), timber.Listen.current().Liste},
                                      {QStringLiteral("DatensaetzeVorher"), result->recordsBefore},
                                      {QStringLiteral("DatensaetzeNachher"), result->recordsAfter},
                                      {QStringLiteral("Sortimente"), result->runsMerged},
                                      {QStringLiteral("Zusammengefasst"), result->recordsRemoved},
                                      {QStringLiteral("OhneStueckzahl"), result->runsWithoutPieces}});
        return 0;
    }
    context.out() << "Liste '" << timber.Listen.current().Liste << "': " << result->recordsBefore
                  << " Datensätze, " << result->runsMerged << " Sortimente aus "
                  << result->runsMerged + result->recordsRemoved << " Datensätzen gebildet, "
                  << result->recordsAfter << " Datensätze bleiben." << Qt::endl;
    if (result->runsWithoutPieces > 0)
        context.out() << result->runsWithoutPieces
                      << " Folgen gleicher Datensätze ohne Stückzahl im ersten Datensatz blieben unverändert."
                      << Qt::endl;
    return 0;
}

} // namespace cli
