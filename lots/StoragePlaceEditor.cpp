// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoragePlaceEditor.h"

#include "rules/GeoPosition.h"
#include "rules/PhotoExif.h"
#include "store/DbError.h"
#include "store/PhotoFileChanges.h"
#include "store/StoragePlaceRepository.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <cmath>

namespace lots {

namespace {

using Outcome = StoragePlaceEditor::Outcome;

Outcome refused(const QString& error)
{
    Outcome outcome;
    outcome.error = error;
    return outcome;
}

int lotOf(const store::LagerRow& row)
{
    return int(std::lround(row.Los));
}

// Storage texts are limited by the exchange files' columns.
QString checkedText(const QString& text, int width, const QString& what, QString* error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() > width)
        *error = QStringLiteral("%1 ist länger als %2 Zeichen.").arg(what).arg(width);
    if (trimmed.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f]"))))
        *error = QStringLiteral("%1 enthält Steuerzeichen.").arg(what);
    return trimmed;
}

} // namespace

Outcome StoragePlaceEditor::save(const QString& list, int lot, const Place& place)
{
    if (lot < 0 || lot > 999)
        return refused(QStringLiteral("Los %1 gibt es nicht (0–999).").arg(lot));
    QString error;
    store::LagerRow row;
    row.Lagerort = checkedText(place.ort, 50, QStringLiteral("Der Lagerort"), &error);
    row.Zusatz1 = checkedText(place.zusatz, 50, QStringLiteral("Der Zusatz"), &error);
    if (!error.isEmpty())
        return refused(error);
    if (!place.gps.trimmed().isEmpty()) {
        const rules::GeoPosition::Parsed parsed = rules::GeoPosition::parse(place.gps);
        if (!parsed.position)
            return refused(parsed.error);
        row.GPS = parsed.position->text();
    }
    try {
        store::Transaction transaction(m_db);
        store::StoragePlaceRepository places(m_db);
        Outcome outcome;
        if (const auto existing = places.placeOfLot(list, lot)) {
            store::LagerRow changed = *existing;
            changed.Lagerort = row.Lagerort;
            changed.GPS = row.GPS;
            changed.Zusatz1 = row.Zusatz1;
            places.update(changed);
            outcome.id = changed.Id;
        } else {
            row.Liste = list;
            row.Los = lot;
            row.LL = QStringLiteral("LL");
            outcome.id = places.insert(row);
        }
        transaction.commit();
        outcome.ok = true;
        return outcome;
    } catch (const store::DbError& e) {
        return refused(e.userText());
    }
}

Outcome StoragePlaceEditor::remove(qint64 placeId)
{
    try {
        store::Transaction transaction(m_db);
        store::StoragePlaceRepository places(m_db);
        const auto row = places.place(placeId);
        if (!row)
            return refused(QStringLiteral("Der Lagerort ist nicht mehr gespeichert."));
        store::PhotoFileChanges files(store::LotPhotoFiles::of(m_db));
        // Another row of the same lot keeps the lot's folder.
        for (const store::LotPhotoRow& photo : places.photos(placeId))
            files.removeFile(row->Liste, lotOf(*row), photo.Datei);
        places.remove(placeId);
        transaction.commit();
        Outcome outcome;
        outcome.fileNotes = files.commit();
        outcome.ok = true;
        outcome.id = placeId;
        return outcome;
    } catch (const store::DbError& e) {
        return refused(e.userText());
    }
}

QString StoragePlaceEditor::imageProblem(const QString& file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return QStringLiteral("Die Datei „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(file));
    QImageReader reader(file);
    if (!reader.canRead())
        return QStringLiteral("„%1“ ist kein Bild, das dieses Programm lesen kann (JPEG, PNG%2).")
            .arg(info.fileName(), QImageReader::supportedImageFormats().contains("heic") ? QStringLiteral(", HEIC")
                                                                                       : QString());
    return QString();
}

Outcome StoragePlaceEditor::addPhoto(const QString& list, int lot, const QString& file)
{
    if (lot < 0 || lot > 999)
        return refused(QStringLiteral("Los %1 gibt es nicht (0–999).").arg(lot));
    if (const QString problem = imageProblem(file); !problem.isEmpty())
        return refused(problem);
    QFile in(file);
    const rules::PhotoExif exif =
        rules::PhotoExif::read(in.open(QIODevice::ReadOnly) ? in.read(1 << 16) : QByteArray());
    try {
        store::Transaction transaction(m_db);
        store::StoragePlaceRepository places(m_db);
        store::PhotoFileChanges files(store::LotPhotoFiles::of(m_db));
        store::LotPhotoRow photo;
        if (const auto existing = places.placeOfLot(list, lot)) {
            photo.LagerId = existing->Id;
        } else {
            store::LagerRow row;
            row.Liste = list;
            row.Los = lot;
            row.LL = QStringLiteral("LL");
            photo.LagerId = places.insert(row);
        }
        QString error;
        photo.Datei = files.stage(list, lot, file, &error);
        if (photo.Datei.isEmpty())
            return refused(error);
        if (exif.taken.isValid())
            photo.Aufnahme = exif.taken.toString(Qt::ISODate);
        if (exif.position)
            photo.GPS = exif.position->text();
        Outcome outcome;
        outcome.id = places.insertPhoto(photo);
        transaction.commit();
        outcome.fileNotes = files.commit();
        outcome.ok = true;
        return outcome;
    } catch (const store::DbError& e) {
        return refused(e.userText());
    }
}

Outcome StoragePlaceEditor::removePhoto(qint64 photoId)
{
    try {
        store::Transaction transaction(m_db);
        store::StoragePlaceRepository places(m_db);
        const auto photo = places.photo(photoId);
        const auto row = photo ? places.place(photo->LagerId) : std::nullopt;
        if (!photo || !row)
            return refused(QStringLiteral("Das Foto ist nicht mehr gespeichert."));
        store::PhotoFileChanges files(store::LotPhotoFiles::of(m_db));
        files.removeFile(row->Liste, lotOf(*row), photo->Datei);
        places.removePhoto(photoId);
        transaction.commit();
        Outcome outcome;
        outcome.fileNotes = files.commit();
        outcome.ok = true;
        return outcome;
    } catch (const store::DbError& e) {
        return refused(e.userText());
    }
}

Outcome StoragePlaceEditor::takePosition(qint64 photoId)
{
    try {
        store::Transaction transaction(m_db);
        store::StoragePlaceRepository places(m_db);
        const auto photo = places.photo(photoId);
        auto row = photo ? places.place(photo->LagerId) : std::nullopt;
        if (!photo || !row)
            return refused(QStringLiteral("Das Foto ist nicht mehr gespeichert."));
        if (photo->GPS.isEmpty())
            return refused(QStringLiteral("Das Foto „%1“ trägt keine GPS-Position.").arg(photo->Datei));
        row->GPS = photo->GPS;
        places.update(*row);
        transaction.commit();
        Outcome outcome;
        outcome.ok = true;
        outcome.id = row->Id;
        return outcome;
    } catch (const store::DbError& e) {
        return refused(e.userText());
    }
}

QString StoragePlaceEditor::photoPath(const store::LagerRow& place, const store::LotPhotoRow& photo) const
{
    return store::LotPhotoFiles::of(m_db).path(place.Liste, lotOf(place), photo.Datei);
}

} // namespace lots
