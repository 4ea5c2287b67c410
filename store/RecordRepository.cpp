// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordRepository.h"

#include "Database.h"
#include "ListQueries.h"

#include <algorithm>

namespace store {
namespace {

// Lot, length, grade, diameter.
const QString MergeOrder = QStringLiteral("2");

} // namespace

void RecordRepository::openRecords(RecordSet<HolzRow>& records, const QString& list,
                                   const QString& sortierung, bool listIsEmpty) const
{
    records.open(ListQueries::holzIds(sortierung, listIsEmpty), {list});
}

void RecordRepository::forEachRecord(const QString& list, const QString& sortierung, bool listIsEmpty,
                                     const std::function<void(const HolzRow&)>& visit) const
{
    Statement st = m_db->prepare(ListQueries::holzRows(sortierung, listIsEmpty));
    st.bind(1, list);
    const auto& table = holzTable();
    while (st.step())
        visit(table.read(st));
}

qint64 RecordRepository::recordCount(const QString& list) const
{
    Statement st = m_db->prepare("SELECT count(*) FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    return st.step() ? st.int64(0) : 0;
}

bool RecordRepository::hasRecords(const QString& list) const
{
    Statement st = m_db->prepare("SELECT 1 FROM Holz WHERE Liste = ? LIMIT 1");
    st.bind(1, list);
    return st.step();
}

int RecordRepository::highestNumber(const QString& list) const
{
    Statement st = m_db->prepare("SELECT coalesce(max(Nummer), 0) FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    return st.step() ? st.integer(0) : 0;
}

int RecordRepository::nextRecordNumber(const QString& list) const
{
    Statement st = m_db->prepare("SELECT coalesce(max(SatzNr), 0) FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    return (st.step() ? std::max(0, st.integer(0)) : 0) + 1;
}

qint64 RecordRepository::singleLogWithNumber(const QString& list, int nummer, qint64 except) const
{
    Statement st = m_db->prepare("SELECT Id FROM Holz WHERE Liste = ? AND Nummer = ? AND Id <> ? "
                                 "AND coalesce(Einzelstamm, 0) <> 0 ORDER BY Id LIMIT 1");
    st.bindAll(list, nummer, except);
    return st.step() ? st.int64(0) : 0;
}

void RecordRepository::moveRecords(const QList<qint64>& ids, const QString& target)
{
    qint64 satzNr = 0;
    {
        Statement last = m_db->prepare("SELECT coalesce(max(SatzNr), 0), count(*) FROM Holz WHERE Liste = ?");
        last.bind(1, target);
        if (last.step())
            satzNr = std::max(last.int64(0), last.int64(1));
    }
    Statement move = m_db->prepare("UPDATE Holz SET Liste = ?, SatzNr = ? WHERE Id = ?");
    for (const qint64 id : ids) {
        move.bindAll(target, ++satzNr, id);
        move.run();
        move.reset();
    }
}

void RecordRepository::deleteRecords(const QList<qint64>& ids)
{
    Statement remove = m_db->prepare("DELETE FROM Holz WHERE Id = ?");
    for (const qint64 id : ids) {
        remove.bind(1, id);
        remove.run();
        remove.reset();
    }
}

void RecordRepository::forEachTotalsFields(const QString& list,
                                           const std::function<void(const TotalsFields&)>& visit) const
{
    Statement st = m_db->prepare("SELECT Sorte, Stueck, Folgestamm, Los, Kubatur FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    TotalsFields fields;
    while (st.step()) {
        fields.sorte = st.text(0);
        fields.stueck = st.real(1);
        fields.folgestamm = st.boolean(2);
        fields.los = st.integer(3);
        fields.kubatur = st.real(4);
        visit(fields);
    }
}

void RecordRepository::forEachInMergeOrder(const QString& list,
                                           const std::function<void(const MergeFields&)>& visit) const
{
    Statement st = m_db->prepare("SELECT Id, Einzelstamm, Laenge, Durchm, Sorte, Guete, Los, Stueck, "
                                 "Kubatur, Folgestamm, Stamm, Nummer "
                                 "FROM Holz WHERE Liste = ?" +
                                 ListQueries::holzOrder(MergeOrder, false));
    st.bind(1, list);
    MergeFields fields;
    while (st.step()) {
        fields.id = st.int64(0);
        fields.einzelstamm = st.boolean(1);
        fields.laenge = st.real(2);
        fields.durchm = st.real(3);
        fields.sorte = st.text(4);
        fields.guete = st.text(5);
        fields.los = st.integer(6);
        fields.stueck = st.real(7);
        fields.kubatur = st.real(8);
        fields.folgestamm = st.boolean(9);
        fields.sampleMeasured = st.text(10) == HolzRow::sampleMark();
        fields.nummer = st.integer(11);
        visit(fields);
    }
}

void RecordRepository::storeMerged(const std::vector<Merged>& merged)
{
    Statement update = m_db->prepare("UPDATE Holz SET Stueck = ?, Kubatur = ? WHERE Id = ?");
    for (const Merged& record : merged) {
        update.bindAll(record.stueck, record.kubatur, record.id);
        update.run();
        update.reset();
    }
}

std::optional<RecordRepository::StackBefore> RecordRepository::setStackVolume(qint64 holzId, double kubatur,
                                                                              bool measured)
{
    Statement old = m_db->prepare("SELECT Kubatur, Liste FROM Holz WHERE Id = ?");
    old.bind(1, holzId);
    if (!old.step())
        return std::nullopt;
    const StackBefore before{old.text(1), old.real(0)};
    old.reset();
    Statement update = m_db->prepare("UPDATE Holz SET Kubatur = ?, Stamm = ? WHERE Id = ?");
    update.bindAll(kubatur, measured ? HolzRow::sampleMark() : QStringLiteral("1"), holzId);
    update.run();
    return before;
}

} // namespace store
