#include "Commands.h"

#include "cli/EntrySession.h"
#include "entry/ListDatenModel.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {

int runRecords(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(1, QStringLiteral("records LISTE"));
    EntrySession session(context);
    session.open(args.first());
    const entry::ListDatenModel& table = session.form().listDaten();
    const int columns = entry::ListDatenModel::ColumnCount;

    if (context.json()) {
        QJsonArray rows;
        for (int row = 0; row < table.rowCount(); ++row) {
            QJsonObject object;
            for (int column = 0; column < columns; ++column)
                object.insert(entry::ListDatenModel::columnCaption(column), table.text(row, column));
            rows.append(object);
        }
        context.printJson(rows);
        return 0;
    }
    QTextStream& out = context.out();
    for (int column = 0; column < columns; ++column)
        out << (column ? "\t" : "") << entry::ListDatenModel::columnCaption(column);
    out << '\n';
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            out << (column ? "\t" : "") << table.text(row, column);
        out << '\n';
    }
    out.flush();
    return 0;
}

} // namespace cli
