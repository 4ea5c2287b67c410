// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/ReportSource.h"
#include "report/DocumentFiles.h"
#include "report/ReportError.h"
#include "report/WordExport.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

#include <QJsonArray>

namespace cli {

int runWord(CliContext& context, const QStringList& args)
{
    const Options options(args, {QStringLiteral("out"), QStringLiteral("ueberschrift")},
                          {QStringLiteral("losweise"), QStringLiteral("verdichtet"), QStringLiteral("fotos")});
    options.expectPositional(
        1, QStringLiteral("word LISTE [--losweise] [--verdichtet] [--fotos] [--out ORDNER] [--ueberschrift TEXT]"));
    ReportSource source(context, options.positional().at(0));

    report::WordExport::Options word;
    word.losweise = options.has(QStringLiteral("losweise"));
    word.verdichtet = options.has(QStringLiteral("verdichtet"));
    word.heading = options.has(QStringLiteral("ueberschrift"))
                       ? options.value(QStringLiteral("ueberschrift"))
                       : context.settings().get(store::keys::Ueberschrift);
    word.folder = options.value(QStringLiteral("out"), report::DocumentFiles::folder());
    word.dezimalpunkt = source.dezimalpunkt();
    word.photos = options.has(QStringLiteral("fotos"));

    QStringList written;
    try {
        written =
            report::WordExport(context.holzDb(), source.work(), source.species()).write(source.list(), word);
    } catch (const report::ReportError& error) {
        throw CommandError{error.message()};
    }
    if (context.json()) {
        context.printJson(QJsonArray::fromStringList(written));
        return 0;
    }
    if (written.isEmpty())
        context.err() << "Die Liste enthält keine Datensätze; es wurde kein Dokument erstellt." << Qt::endl;
    for (const QString& path : written)
        context.out() << path << '\n';
    context.out().flush();
    return 0;
}

} // namespace cli
