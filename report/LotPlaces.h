// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace store {
class Database;
}

namespace report {

// The storage places of a list's lots and their photos, as the printed list
// and the Word document show them: a table of places, and on request a
// page of photos per lot.
struct LotPlaces {
    struct Place {
        int lot = 0;
        QString ort;
        QString gps; // normalised position, or the text a handheld file brought
        QString zusatz;
    };
    struct Photo {
        int lot = 0;
        QString file;    // full path; may be missing
        QString caption; // "14.03.2026 09:26 · 48.200000, 11.600000"
    };
    QList<Place> places;
    QList<Photo> photos;

    bool isEmpty() const { return places.isEmpty(); }
    // Reads the list's places and photos from the list database.
    static LotPlaces read(store::Database& holz, const QString& list);
};

} // namespace report
