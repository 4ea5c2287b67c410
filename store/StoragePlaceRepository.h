// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/LagerRow.h"
#include "store/LotPhotoRow.h"

#include <QList>
#include <optional>

namespace store {

class Database;

// The storage places of the lots (`Lager`) and their photos (`LagerFoto`).
// Writes join the caller's transaction; one user action opens one.
class StoragePlaceRepository {
public:
    explicit StoragePlaceRepository(Database& db) : m_db(db) {}

    // The rows of a list (any case of its name), by lot.
    QList<LagerRow> places(const QString& list) const;
    std::optional<LagerRow> place(qint64 id) const;
    // The first row of a lot, if it has one.
    std::optional<LagerRow> placeOfLot(const QString& list, int lot) const;
    // The lots the list's records name, ascending.
    QList<int> recordLots(const QString& list) const;

    // Stores a new row; returns its id.
    qint64 insert(const LagerRow& row);
    void update(const LagerRow& row);
    // Removes the row and its photos' rows.
    void remove(qint64 id);

    QList<LotPhotoRow> photos(qint64 placeId) const;
    std::optional<LotPhotoRow> photo(qint64 id) const;
    // The photos of every lot of a list with the row they belong to, by lot.
    QList<std::pair<LagerRow, LotPhotoRow>> photosOfList(const QString& list) const;
    qint64 insertPhoto(const LotPhotoRow& row);
    void removePhoto(qint64 id);

private:
    Database& m_db;
};

} // namespace store
