// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "export/ExportFormats.h"
#include "import/ImportDriver.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace cli {
namespace {

QString formatName(importer::SourceFormat format)
{
    const auto* known = exporter::ExportFormats::byNumber(int(format));
    return known ? known->name : QString();
}

} // namespace

// Exit codes: 0 imported, 1 nothing imported (the reason went to stderr),
// 3 imported but some values of the file could not be read or held, or
// the file may have been cut off (said on stderr).
int runImport(CliContext& context, const QStringList& args)
{
    const Options options(args, {});
    options.expectPositional(1, QStringLiteral("import DATEI"));
    const QString path = QFileInfo(options.positional().at(0)).absoluteFilePath();

    importer::ImportDriver driver(context.holzDb(), context.masterDb(), context.settings(), context.ui());
    const auto result = driver.importFile(path);
    if (!result.imported())
        return 1;

    if (context.json()) {
        QJsonArray errors;
        for (const auto& error : result.errors.first())
            errors.append(QJsonObject{{QStringLiteral("zeile"), error.line},
                                      {QStringLiteral("fehlernr"), error.number},
                                      {QStringLiteral("text"), error.description}});
        context.printJson(QJsonObject{
            {QStringLiteral("liste"), result.listName},
            {QStringLiteral("format"), formatName(result.format)},
            {QStringLiteral("datensaetze"), result.records},
            {QStringLiteral("lager"), result.storage},
            {QStringLiteral("mantel"), result.samples},
            {QStringLiteral("fehlende_holzarten"), QJsonArray::fromStringList(result.missingSpecies)},
            {QStringLiteral("fehler_anzahl"), result.errors.count()},
            {QStringLiteral("verluste"), QJsonArray::fromStringList(result.losses)},
            {QStringLiteral("unvollstaendig"), result.incomplete},
            {QStringLiteral("fehler"), errors}});
    } else {
        context.out() << "Liste '" << result.listName << "' eingelesen (" << formatName(result.format)
                      << "): " << result.records << " Datensätze, " << result.storage << " Lagerzeilen, "
                      << result.samples << " Mantelmessungen." << Qt::endl;
    }
    return result.withLosses() ? 3 : 0;
}

} // namespace cli
