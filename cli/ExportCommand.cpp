// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "export/ExportDriver.h"
#include "export/ExportFormats.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace cli {

// Exit codes: 0 written whole, 1 nothing written, 3 written without values
// the format cannot carry (the question naming them went to stderr).
int runExport(CliContext& context, const QStringList& args)
{
    const QString usage = QStringLiteral("export LISTE [--format %1] [--je-los] DATEI")
                              .arg(exporter::ExportFormats::names().join(QLatin1Char('|')));
    const Options options(args, {QStringLiteral("format")}, {QStringLiteral("je-los")});
    options.expectPositional(2, usage);
    const QString list = options.positional().at(0);
    const QString file = QFileInfo(options.positional().at(1)).absoluteFilePath();

    const exporter::ExportFormat* format = nullptr;
    if (options.has(QStringLiteral("format"))) {
        format = exporter::ExportFormats::byName(options.value(QStringLiteral("format")));
        if (!format)
            throw CommandError{QStringLiteral("Unbekanntes Format „%1“; möglich: %2")
                                   .arg(options.value(QStringLiteral("format")),
                                        exporter::ExportFormats::names().join(QStringLiteral(", "))),
                               2};
    } else {
        const QString setting = context.settings().get(store::keys::Konvertierung);
        format = exporter::ExportFormats::bySetting(setting);
        if (!format)
            throw CommandError{
                QStringLiteral("Kein Ausgabeformat eingestellt (Konvertierung „%1“); --format angeben")
                    .arg(setting),
                2};
    }

    store::TimberStore timber(context.holzDb(), context.settings());
    timber.Listen_Oeffnen();
    if (!timber.moveToList(list))
        throw CommandError{QStringLiteral("Liste '%1' nicht vorhanden").arg(list)};

    exporter::ExportDriver driver(context.masterDb(), context.settings(), context.ui());
    // Workbooks: a sheet for each lot.
    driver.setSheetPerLot(options.has(QStringLiteral("je-los")));
    const auto result = driver.Konvertieren(timber, file, format->number);
    switch (result.outcome) {
    case exporter::ExportDriver::Outcome::Written:
        break;
    case exporter::ExportDriver::Outcome::NoRecords:
    case exporter::ExportDriver::Outcome::Cancelled:
        return 1; // the reason was shown as a message
    case exporter::ExportDriver::Outcome::Failed:
        throw CommandError{result.errorText()};
    }
    if (context.json()) {
        QJsonObject object;
        object.insert(QStringLiteral("liste"), list);
        object.insert(QStringLiteral("format"), format->name);
        object.insert(QStringLiteral("dateien"), QJsonArray::fromStringList(result.files));
        object.insert(QStringLiteral("verluste_anzahl"), result.lossCount);
        object.insert(QStringLiteral("verluste"), QJsonArray::fromStringList(result.losses));
        context.printJson(object);
    } else {
        for (const QString& path : result.files)
            context.out() << path << Qt::endl;
    }
    // Written, but without what the format could not carry (named on stderr).
    return result.lossCount > 0 ? 3 : 0;
}

} // namespace cli
