// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoragePlaceRepository.h"

#include "Database.h"
#include "Statement.h"

namespace store {

namespace {

const char* const PlaceColumns = "Liste, Los, LL, GPS, Lagerort, Zusatz1, Id";
const char* const PhotoColumns = "LagerId, Datei, Aufnahme, GPS, Id";

LagerRow placeAt(const Statement& st, int first = 0)
{
    LagerRow row;
    row.Liste = st.text(first);
    row.Los = st.real(first + 1);
    row.LL = st.text(first + 2);
    row.GPS = st.text(first + 3);
    row.Lagerort = st.text(first + 4);
    row.Zusatz1 = st.text(first + 5);
    row.Id = st.int64(first + 6);
    return row;
}

LotPhotoRow photoAt(const Statement& st, int first = 0)
{
    LotPhotoRow row;
    row.LagerId = st.int64(first);
    row.Datei = st.text(first + 1);
    row.Aufnahme = st.text(first + 2);
    row.GPS = st.text(first + 3);
    row.Id = st.int64(first + 4);
    return row;
}

QByteArray sql(std::initializer_list<const char*> parts)
{
    QByteArray text;
    for (const char* part : parts)
        text += part;
    return text;
}

} // namespace

QList<LagerRow> StoragePlaceRepository::places(const QString& list) const
{
    Statement st = m_db.prepare(sql({"SELECT ", PlaceColumns, " FROM Lager WHERE Liste = ? ORDER BY Los, Id"}));
    st.bind(1, list);
    QList<LagerRow> rows;
    while (st.step())
        rows << placeAt(st);
    return rows;
}

std::optional<LagerRow> StoragePlaceRepository::place(qint64 id) const
{
    Statement st = m_db.prepare(sql({"SELECT ", PlaceColumns, " FROM Lager WHERE Id = ?"}));
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return placeAt(st);
}

std::optional<LagerRow> StoragePlaceRepository::placeOfLot(const QString& list, int lot) const
{
    Statement st =
        m_db.prepare(sql({"SELECT ", PlaceColumns, " FROM Lager WHERE Liste = ? AND Los = ? ORDER BY Id LIMIT 1"}));
    st.bindAll(list, double(lot));
    if (!st.step())
        return std::nullopt;
    return placeAt(st);
}

QList<int> StoragePlaceRepository::recordLots(const QString& list) const
{
    Statement st = m_db.prepare("SELECT DISTINCT coalesce(Los, 0) FROM Holz WHERE Liste = ? ORDER BY 1");
    st.bind(1, list);
    QList<int> lots;
    while (st.step())
        lots << st.integer(0);
    return lots;
}

qint64 StoragePlaceRepository::insert(const LagerRow& row)
{
    Statement st = m_db.prepare("INSERT INTO Lager (Liste, Los, LL, GPS, Lagerort, Zusatz1) VALUES (?, ?, ?, ?, ?, ?)");
    st.bindAll(row.Liste, row.Los, row.LL, row.GPS, row.Lagerort, row.Zusatz1);
    st.run();
    return m_db.lastInsertRowId();
}

void StoragePlaceRepository::update(const LagerRow& row)
{
    Statement st =
        m_db.prepare("UPDATE Lager SET Liste = ?, Los = ?, LL = ?, GPS = ?, Lagerort = ?, Zusatz1 = ? WHERE Id = ?");
    st.bindAll(row.Liste, row.Los, row.LL, row.GPS, row.Lagerort, row.Zusatz1, row.Id);
    st.run();
}

void StoragePlaceRepository::remove(qint64 id)
{
    Statement st = m_db.prepare("DELETE FROM Lager WHERE Id = ?");
    st.bind(1, id);
    st.run();
}

QList<LotPhotoRow> StoragePlaceRepository::photos(qint64 placeId) const
{
    Statement st = m_db.prepare(sql({"SELECT ", PhotoColumns, " FROM LagerFoto WHERE LagerId = ? ORDER BY Id"}));
    st.bind(1, placeId);
    QList<LotPhotoRow> rows;
    while (st.step())
        rows << photoAt(st);
    return rows;
}

std::optional<LotPhotoRow> StoragePlaceRepository::photo(qint64 id) const
{
    Statement st = m_db.prepare(sql({"SELECT ", PhotoColumns, " FROM LagerFoto WHERE Id = ?"}));
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return photoAt(st);
}

QList<std::pair<LagerRow, LotPhotoRow>> StoragePlaceRepository::photosOfList(const QString& list) const
{
    Statement st = m_db.prepare(
        "SELECT l.Liste, l.Los, l.LL, l.GPS, l.Lagerort, l.Zusatz1, l.Id, f.LagerId, f.Datei, f.Aufnahme, f.GPS, f.Id "
        "FROM Lager l JOIN LagerFoto f ON f.LagerId = l.Id WHERE l.Liste = ? ORDER BY l.Los, l.Id, f.Id");
    st.bind(1, list);
    QList<std::pair<LagerRow, LotPhotoRow>> rows;
    while (st.step())
        rows.append({placeAt(st), photoAt(st, 7)});
    return rows;
}

qint64 StoragePlaceRepository::insertPhoto(const LotPhotoRow& row)
{
    Statement st = m_db.prepare("INSERT INTO LagerFoto (LagerId, Datei, Aufnahme, GPS) VALUES (?, ?, ?, ?)");
    st.bindAll(row.LagerId, row.Datei, row.Aufnahme, row.GPS);
    st.run();
    return m_db.lastInsertRowId();
}

void StoragePlaceRepository::removePhoto(qint64 id)
{
    Statement st = m_db.prepare("DELETE FROM LagerFoto WHERE Id = ?");
    st.bind(1, id);
    st.run();
}

} // namespace store
