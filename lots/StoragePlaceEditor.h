// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/LagerRow.h"
#include "store/LotPhotoRow.h"

#include <QStringList>

namespace store {
class Database;
}

namespace lots {

// The changes of the storage places and photos of a list's lots, one
// transaction each, for the window and the command line alike.
//
// A position is stored in its normalised form whatever form it was typed
// in; a photo is copied into the lot's photo folder, its row written in the
// same transaction as the lot's row, and the copy named only once that
// transaction committed.
class StoragePlaceEditor {
public:
    struct Outcome {
        bool ok = false;
        QString error;         // German, when refused; nothing was changed
        QStringList fileNotes; // stored, but a file could not be handled
        qint64 id = 0;         // the row written
    };
    struct Place {
        QString ort;
        QString gps; // in any form GeoPosition reads; empty for none
        QString zusatz;
    };

    explicit StoragePlaceEditor(store::Database& db) : m_db(db) {}

    // Stores the place of a lot: in the lot's row when it has one, else in
    // a new row.
    Outcome save(const QString& list, int lot, const Place& place);
    // Removes a lot's row with its photos (rows and files).
    Outcome remove(qint64 placeId);
    // Adds a photo to a lot (creating the lot's row when it has none).
    Outcome addPhoto(const QString& list, int lot, const QString& file);
    Outcome removePhoto(qint64 photoId);
    // Sets the lot's position to the one the photo was taken at.
    Outcome takePosition(qint64 photoId);

    // The file of a stored photo.
    QString photoPath(const store::LagerRow& place, const store::LotPhotoRow& photo) const;
    // A German reason when the file is no image Qt can read, else empty.
    static QString imageProblem(const QString& file);

private:
    store::Database& m_db;
};

} // namespace lots
