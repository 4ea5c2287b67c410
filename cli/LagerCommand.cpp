// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "lots/StoragePlaceEditor.h"
#include "store/ListRepository.h"
#include "store/StoragePlaceRepository.h"
#include "store/TimberStore.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <cmath>

namespace cli {
namespace {

const QString Usage =
    QStringLiteral("lager LISTE [set LOS [--ort TEXT] [--gps POSITION] [--zusatz TEXT] | photo add LOS DATEI]");

int lotNumber(const QString& text)
{
    bool ok = false;
    const int lot = text.toInt(&ok);
    if (!ok || lot < 0 || lot > 999 || !text.front().isDigit())
        throw CommandError{QStringLiteral("Los „%1“ ungültig: eine Zahl von 0 bis 999.").arg(text), 2};
    return lot;
}

void finish(CliContext& context, const lots::StoragePlaceEditor::Outcome& outcome)
{
    if (!outcome.ok)
        throw CommandError{outcome.error};
    for (const QString& note : outcome.fileNotes)
        context.err() << note << Qt::endl;
}

int show(CliContext& context, const QString& list)
{
    store::Database& db = context.holzDb();
    store::StoragePlaceRepository places(db);
    lots::StoragePlaceEditor editor(db);
    QJsonArray array;
    for (const store::LagerRow& row : places.places(list)) {
        QJsonArray photos;
        for (const store::LotPhotoRow& photo : places.photos(row.Id))
            photos.append(QJsonObject{{QStringLiteral("datei"), QDir::toNativeSeparators(editor.photoPath(row, photo))},
                                      {QStringLiteral("aufnahme"), photo.Aufnahme},
                                      {QStringLiteral("gps"), photo.GPS}});
        array.append(QJsonObject{{QStringLiteral("los"), int(std::lround(row.Los))},
                                 {QStringLiteral("ort"), row.Lagerort},
                                 {QStringLiteral("gps"), row.GPS.trimmed()},
                                 {QStringLiteral("zusatz"), row.Zusatz1},
                                 {QStringLiteral("fotos"), photos}});
    }
    const QList<int> lots = places.recordLots(list);
    if (context.json()) {
        context.printJson(array);
        return 0;
    }
    QList<int> shown;
    for (const QJsonValue& value : array) {
        const QJsonObject place = value.toObject();
        shown << place.value(QStringLiteral("los")).toInt();
        context.out() << "Los " << place.value(QStringLiteral("los")).toInt() << ": "
                      << place.value(QStringLiteral("ort")).toString();
        if (!place.value(QStringLiteral("gps")).toString().isEmpty())
            context.out() << " | GPS " << place.value(QStringLiteral("gps")).toString();
        if (!place.value(QStringLiteral("zusatz")).toString().isEmpty())
            context.out() << " | " << place.value(QStringLiteral("zusatz")).toString();
        const int photos = int(place.value(QStringLiteral("fotos")).toArray().size());
        if (photos > 0)
            context.out() << " | " << photos << (photos == 1 ? " Foto" : " Fotos");
        context.out() << Qt::endl;
    }
    for (const int lot : lots)
        if (!shown.contains(lot))
            context.out() << "Los " << lot << ": kein Lagerort" << Qt::endl;
    return 0;
}

} // namespace

int runLager(CliContext& context, const QStringList& args)
{
    const Options options(args, {QStringLiteral("ort"), QStringLiteral("gps"), QStringLiteral("zusatz")});
    const QStringList& positional = options.positional();
    if (positional.isEmpty())
        throw CommandError{QStringLiteral("Aufruf: stemmo ") + Usage, 2};
    const QString action = positional.value(1);
    const bool set = action == QLatin1String("set") && positional.size() == 3;
    const bool photo = action == QLatin1String("photo") && positional.value(2) == QLatin1String("add") &&
                       positional.size() == 5;
    if (!(positional.size() == 1 || set || photo) ||
        (!set && (options.has(QStringLiteral("ort")) || options.has(QStringLiteral("gps")) ||
                  options.has(QStringLiteral("zusatz")))))
        throw CommandError{QStringLiteral("Aufruf: stemmo ") + Usage, 2};
    const int lot = set ? lotNumber(positional[2]) : photo ? lotNumber(positional[3]) : 0;

    store::Database& db = context.holzDb();
    const std::optional<store::ListenRow> list = store::ListRepository(db).find(positional[0]);
    if (!list)
        throw CommandError{QStringLiteral("Liste '%1' nicht gefunden.").arg(positional[0])};
    if (positional.size() == 1)
        return show(context, list->Liste);

    lots::StoragePlaceEditor editor(db);
    if (set) {
        // What is not given stays as it is.
        lots::StoragePlaceEditor::Place place;
        if (const auto row = store::StoragePlaceRepository(db).placeOfLot(list->Liste, lot))
            place = {row->Lagerort, row->GPS, row->Zusatz1};
        place.ort = options.value(QStringLiteral("ort"), place.ort);
        place.gps = options.value(QStringLiteral("gps"), place.gps);
        place.zusatz = options.value(QStringLiteral("zusatz"), place.zusatz);
        finish(context, editor.save(list->Liste, lot, place));
        const auto stored = store::StoragePlaceRepository(db).placeOfLot(list->Liste, lot);
        context.out() << "Los " << lot << " von Liste '" << list->Liste << "': " << stored->Lagerort;
        if (!stored->GPS.isEmpty())
            context.out() << " | GPS " << stored->GPS;
        context.out() << Qt::endl;
        return 0;
    }
    const QString file = QFileInfo(positional[4]).absoluteFilePath();
    const auto outcome = editor.addPhoto(list->Liste, lot, file);
    finish(context, outcome);
    store::StoragePlaceRepository places(db);
    const auto stored = places.photo(outcome.id);
    const auto row = stored ? places.place(stored->LagerId) : std::nullopt;
    context.out() << "Foto für Los " << lot << " abgelegt: "
                  << QDir::toNativeSeparators(row ? editor.photoPath(*row, *stored) : QString()) << Qt::endl;
    return 0;
}

} // namespace cli
