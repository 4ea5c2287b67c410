// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoragePlaceRepository.h"

#include "Database.h"
#include "Statement.h"

namespace store {

namespace {

template <class Row> QByteArray selectWhere(const TableDef<Row>& table, const char* condition)
{
    return "SELECT " + table.selectList() + " FROM " + table.table() + " WHERE " + condition;
}

} // namespace

QList<LagerRow> StoragePlaceRepository::places(const QString& list) const
{
    Statement st = m_db.prepare(selectWhere(lagerTable(), "Liste = ? ORDER BY Los, Id"));
    st.bind(1, list);
    QList<LagerRow> rows;
    while (st.step())
        rows << lagerTable().read(st);
    return rows;
}

std::optional<LagerRow> StoragePlaceRepository::place(qint64 id) const
{
    Statement st = m_db.prepare(lagerTable().selectByIdSql());
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return lagerTable().read(st);
}

std::optional<LagerRow> StoragePlaceRepository::placeOfLot(const QString& list, int lot) const
{
    Statement st = m_db.prepare(selectWhere(lagerTable(), "Liste = ? AND Los = ? ORDER BY Id LIMIT 1"));
    st.bindAll(list, double(lot));
    if (!st.step())
        return std::nullopt;
    return lagerTable().read(st);
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
    Statement st = m_db.prepare(lagerTable().insertSql());
    lagerTable().bindValues(st, row);
    st.run();
    return m_db.lastInsertRowId();
}

void StoragePlaceRepository::update(const LagerRow& row)
{
    Statement st = m_db.prepare(lagerTable().updateSql());
    st.bind(lagerTable().bindValues(st, row), row.Id);
    st.run();
}

void StoragePlaceRepository::remove(qint64 id)
{
    Statement st = m_db.prepare(lagerTable().deleteSql());
    st.bind(1, id);
    st.run();
}

QList<LotPhotoRow> StoragePlaceRepository::photos(qint64 placeId) const
{
    Statement st = m_db.prepare(selectWhere(lotPhotoTable(), "LagerId = ? ORDER BY Id"));
    st.bind(1, placeId);
    QList<LotPhotoRow> rows;
    while (st.step())
        rows << lotPhotoTable().read(st);
    return rows;
}

std::optional<LotPhotoRow> StoragePlaceRepository::photo(qint64 id) const
{
    Statement st = m_db.prepare(lotPhotoTable().selectByIdSql());
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return lotPhotoTable().read(st);
}

QList<std::pair<LagerRow, LotPhotoRow>> StoragePlaceRepository::photosOfList(const QString& list) const
{
    Statement st = m_db.prepare(
        "SELECT l.Liste, l.Los, l.LL, l.GPS, l.Lagerort, l.Zusatz1, l.Id, f.LagerId, f.Datei, f.Aufnahme, "
        "f.GPS, f.Id "
        "FROM Lager l JOIN LagerFoto f ON f.LagerId = l.Id WHERE l.Liste = ? ORDER BY l.Los, l.Id, f.Id");
    st.bind(1, list);
    QList<std::pair<LagerRow, LotPhotoRow>> rows;
    while (st.step())
        rows.append({lagerTable().read(st), lotPhotoTable().read(st, lagerTable().columnCount() + 1)});
    return rows;
}

qint64 StoragePlaceRepository::insertPhoto(const LotPhotoRow& row)
{
    Statement st = m_db.prepare(lotPhotoTable().insertSql());
    lotPhotoTable().bindValues(st, row);
    st.run();
    return m_db.lastInsertRowId();
}

void StoragePlaceRepository::removePhoto(qint64 id)
{
    Statement st = m_db.prepare(lotPhotoTable().deleteSql());
    st.bind(1, id);
    st.run();
}

} // namespace store
