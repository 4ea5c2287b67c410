// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "entry/ListDatenModel.h"
#include "store/ListRepository.h"
#include "store/RecordRepository.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {

int runRecords(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(1, QStringLiteral("records LISTE"));
    store::Database& db = context.holzDb();
    const std::optional<store::ListenRow> list = store::ListRepository(db).find(args.first());
    if (!list)
        throw CommandError{QStringLiteral("Liste '%1' gibt es nicht.").arg(args.first())};
    // The rows as the entry screen's table shows them, in the order it opens
    // the list, streamed from the database instead of loading the screen.
    const QString sortierung = context.settings().get(store::keys::Sortierung);
    const int columns = entry::ListDatenModel::ColumnCount;
    const bool dezimalpunkt = true;
    int position = 0;

    if (context.json()) {
        QJsonArray rows;
        store::RecordRepository(db).forEachRecord(list->Liste, sortierung, list->Kubatur == 0,
                                          [&](const store::HolzRow& row) {
                                              ++position;
                                              QJsonObject object;
                                              for (int column = 0; column < columns; ++column)
                                                  object.insert(entry::ListDatenModel::columnCaption(column),
                                                                entry::ListDatenModel::cellText(
                                                                    row, position, column, dezimalpunkt));
                                              rows.append(object);
                                          });
        context.printJson(rows);
        return 0;
    }
    QTextStream& out = context.out();
    for (int column = 0; column < columns; ++column) {
        if (column)
            out << '\t';
        out << entry::ListDatenModel::columnCaption(column);
    }
    out << '\n';
    store::RecordRepository(db).forEachRecord(list->Liste, sortierung, list->Kubatur == 0,
                                      [&](const store::HolzRow& row) {
                                          ++position;
                                          // A character, not a C string: converting "\t" for
                                          // every cell cost a tenth of a small list's run.
                                          for (int column = 0; column < columns; ++column) {
                                              if (column)
                                                  out << '\t';
                                              out << entry::ListDatenModel::cellText(row, position, column,
                                                                                     dezimalpunkt);
                                          }
                                          out << '\n';
                                      });
    out.flush();
    return 0;
}

} // namespace cli
