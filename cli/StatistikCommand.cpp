// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/EntrySession.h"
#include "entry/StatisticsModel.h"
#include "store/TimberStore.h"

#include <algorithm>

namespace cli {

int runStatistik(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(1, QStringLiteral("statistik LISTE"));
    EntrySession session(context);
    session.open(args.first());
    entry::FrmHolz& form = session.form();
    // The screen's statistics, in German numbers as the screen shows them.
    entry::StatisticsModel statistik;
    statistik.load(form.store().database(), form.openListName(), form.controls().lstHolzart.items, false);

    if (context.json()) {
        context.printJson(statistik.json());
        return 0;
    }
    using Model = entry::StatisticsModel;
    QList<qsizetype> widths(Model::ColumnCount, 0);
    for (int column = 0; column < Model::ColumnCount; ++column) {
        widths[column] = statistik.headerData(column, Qt::Horizontal).toString().size();
        for (int row = 0; row < statistik.rowCount(); ++row)
            widths[column] = std::max(widths[column], statistik.cellText(row, column).size());
    }
    const auto line = [&](const auto& cell) {
        QString text;
        for (int column = 0; column < Model::ColumnCount; ++column) {
            const QString value = cell(column);
            const bool number = column == Model::Stueck || column == Model::Kubatur;
            text += (column ? QStringLiteral("  ") : QString()) +
                    (number ? value.rightJustified(widths[column]) : value.leftJustified(widths[column]));
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text;
    };
    QTextStream& out = context.out();
    out << statistik.title() << '\n';
    out << line([&](int column) { return statistik.headerData(column, Qt::Horizontal).toString(); }) << '\n';
    for (int row = 0; row < statistik.rowCount(); ++row) {
        if (statistik.lines().at(row).kind == Model::LineKind::GrandTotal) {
            qsizetype total = 0;
            for (const qsizetype w : widths)
                total += w + 2;
            out << QString(total - 2, QLatin1Char('-')) << '\n';
        }
        out << line([&](int column) { return statistik.cellText(row, column); }) << '\n';
    }
    out.flush();
    return 0;
}

} // namespace cli
