// SPDX-License-Identifier: GPL-3.0-or-later
#include "LotPlaces.h"

#include "store/DbError.h"
#include "store/LotPhotoFiles.h"
#include "store/StoragePlaceRepository.h"

#include <QDateTime>
#include <cmath>

namespace report {

LotPlaces LotPlaces::read(store::Database& holz, const QString& list)
{
    LotPlaces result;
    store::StoragePlaceRepository repository(holz);
    for (const store::LagerRow& row : repository.places(list)) {
        if (row.Lagerort.trimmed().isEmpty() && row.GPS.trimmed().isEmpty() && row.Zusatz1.trimmed().isEmpty())
            continue; // a row made for photos only
        result.places.append({int(std::lround(row.Los)), row.Lagerort.trimmed(), row.GPS.trimmed(),
                              row.Zusatz1.trimmed()});
    }
    const store::LotPhotoFiles files = store::LotPhotoFiles::of(holz);
    QList<std::pair<store::LagerRow, store::LotPhotoRow>> photos;
    try {
        photos = repository.photosOfList(list);
    } catch (const store::DbError&) {
        // A file of an older version opened read-only has no photos yet.
    }
    for (const auto& [row, photo] : photos) {
        const int lot = int(std::lround(row.Los));
        QStringList caption;
        const QDateTime taken = QDateTime::fromString(photo.Aufnahme, Qt::ISODate);
        if (taken.isValid())
            caption << taken.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
        if (!photo.GPS.isEmpty())
            caption << photo.GPS;
        if (caption.isEmpty())
            caption << photo.Datei;
        result.photos.append({lot, files.path(row.Liste, lot, photo.Datei), caption.join(QStringLiteral(" · "))});
    }
    return result;
}

} // namespace report
