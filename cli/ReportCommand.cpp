// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/ReportSource.h"
#include "report/AssortmentSummary.h"
#include "report/LotPlaces.h"
#include "report/ReportError.h"
#include "report/ReportLayout.h"
#include "report/ReportTexts.h"

#include <QDir>
#include <QJsonObject>

namespace cli {

int runReport(CliContext& context, const QStringList& args)
{
    const Options options(args, {QStringLiteral("pdf")},
                          {QStringLiteral("verdichtet"), QStringLiteral("losweise"), QStringLiteral("fotos")});
    const QString usage = QStringLiteral("report LISTE --pdf DATEI [--verdichtet] [--losweise] [--fotos]");
    options.expectPositional(1, usage);
    const QString pdf = options.value(QStringLiteral("pdf"));
    if (pdf.isEmpty())
        throw CommandError{QStringLiteral("Aufruf: stemmo %1").arg(usage), 2};

    ReportSource source(context, options.positional().at(0));
    report::ReportDocument document;
    document.list = source.list();
    document.headerText = report::ReportTexts::headerText(source.list());
    document.rows = source.work().rows();
    if (options.has(QStringLiteral("verdichtet")))
        document.summary =
            report::AssortmentSummary::build(source.list().Liste, source.species(), document.rows);
    document.lotTotals = options.has(QStringLiteral("losweise"));
    document.places = report::LotPlaces::read(context.holzDb(), source.list().Liste);
    document.photoPages = options.has(QStringLiteral("fotos"));
    document.dezimalpunkt = source.dezimalpunkt();

    int pages = 0;
    try {
        pages = report::ReportLayout(document).writePdf(pdf);
    } catch (const report::ReportError& error) {
        throw CommandError{error.message()};
    }
    const QString path = QDir(pdf).absolutePath();
    if (context.json()) {
        context.printJson(QJsonObject{{QStringLiteral("Datei"), path},
                                      {QStringLiteral("Seiten"), pages},
                                      {QStringLiteral("Datensaetze"), document.rows.size()}});
        return 0;
    }
    context.out() << path << " (" << pages << (pages == 1 ? " Seite, " : " Seiten, ") << document.rows.size()
                  << " Datensätze)" << Qt::endl;
    return 0;
}

} // namespace cli
