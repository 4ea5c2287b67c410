// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRepository.h"

#include "Database.h"
#include "Transaction.h"

namespace store {

std::optional<ListenRow> ListRepository::find(const QString& name) const
{
    const auto& table = listenTable();
    Statement st = m_db->prepare("SELECT " + table.selectList() +
                                 " FROM Listen WHERE Liste = ? COLLATE JET ORDER BY Id LIMIT 1");
    st.bind(1, name);
    if (!st.step())
        return std::nullopt;
    return table.read(st);
}

bool ListRepository::exists(const QString& name) const
{
    Statement st = m_db->prepare("SELECT 1 FROM Listen WHERE Liste = ? COLLATE JET LIMIT 1");
    st.bind(1, name);
    return st.step();
}

void ListRepository::openInOrder(RecordSet<ListenRow>& lists, ListenOrder order) const
{
    lists.open(ListQueries::listenIds(order));
}

std::optional<QString> ListRepository::lotRegister(const QString& list) const
{
    Statement st = m_db->prepare("SELECT Los FROM Listen WHERE Liste = ?");
    st.bind(1, list);
    if (!st.step())
        return std::nullopt;
    return st.text(0);
}

void ListRepository::storeTotals(const QString& list, const Totals& totals, const QDate& bearbeitet)
{
    Statement st = m_db->prepare("UPDATE Listen SET Kubatur = ?, Stueckzahl = ?, NummerHigh = ?, "
                                 "Konvertiert = NULL, Bearbeitet = ? WHERE Liste = ?");
    st.bindAll(totals.kubatur, totals.stueckzahl, totals.nummerHigh, bearbeitet, list);
    st.run();
}

void ListRepository::storeTotals(const QString& list, const Totals& totals, const QString& lotRegister,
                                 const QDate& bearbeitet)
{
    Statement st = m_db->prepare("UPDATE Listen SET Kubatur = ?, Stueckzahl = ?, NummerHigh = ?, Los = ?, "
                                 "Konvertiert = NULL, Bearbeitet = ? WHERE Liste = ?");
    st.bindAll(totals.kubatur, totals.stueckzahl, totals.nummerHigh, lotRegister, bearbeitet, list);
    st.run();
}

void ListRepository::stampChanged(const QString& list, const QDate& bearbeitet)
{
    Statement st = m_db->prepare("UPDATE Listen SET Konvertiert = NULL, Bearbeitet = ? WHERE Liste = ?");
    st.bindAll(bearbeitet, list);
    st.run();
}

void ListRepository::deleteList(const ListenRow& list)
{
    for (const char* sql : {"DELETE FROM Holz WHERE Liste = ?", "DELETE FROM Mantel WHERE Liste = ?",
                            "DELETE FROM Lager WHERE Liste = ?"}) {
        Statement st = m_db->prepare(sql);
        st.bind(1, list.Liste);
        st.run();
    }
    Statement st = m_db->prepare("DELETE FROM Listen WHERE Id = ?");
    st.bind(1, list.Id);
    st.run();
}

namespace {

qint64 countOf(Database& db, const char* sql, const QString& list)
{
    Statement st = db.prepare(sql);
    st.bind(1, list);
    return st.step() ? st.int64(0) : 0;
}

} // namespace

QList<ListenRow> ListRepository::all(ListenOrder order) const
{
    RecordSet<ListenRow> lists(*m_db, listenTable());
    lists.open(ListQueries::listenIds(order));
    QList<ListenRow> rows;
    rows.reserve(lists.recordCount());
    for (int i = 0; i < lists.recordCount(); ++i)
        rows << lists.at(i);
    return rows;
}

void ListRepository::stampConverted(qint64 listId, const QDate& date)
{
    Transaction transaction(*m_db);
    Statement st = m_db->prepare("UPDATE Listen SET Konvertiert = ? WHERE Id = ?");
    st.bindAll(date, listId);
    st.run();
    transaction.commit();
}

ListRepository::Contents ListRepository::contents(const QString& list) const
{
    return {countOf(*m_db, "SELECT count(*) FROM Holz WHERE Liste = ?", list),
            countOf(*m_db, "SELECT count(*) FROM Mantel WHERE Liste = ?", list),
            countOf(*m_db, "SELECT count(*) FROM Lager WHERE Liste = ?", list)};
}

void ListRepository::renameContents(const QString& from, const QString& to)
{
    Transaction transaction(*m_db);
    for (const char* sql :
         {"UPDATE Holz SET Liste = ? WHERE Liste = ?", "UPDATE Mantel SET Liste = ? WHERE Liste = ?",
          "UPDATE Lager SET Liste = ? WHERE Liste = ?"}) {
        Statement st = m_db->prepare(sql);
        st.bindAll(to, from);
        st.run();
    }
    transaction.commit();
}

std::optional<ListenRow> ListRepository::byId(qint64 id) const
{
    const auto& table = listenTable();
    Statement st = m_db->prepare(table.selectByIdSql());
    st.bind(1, id);
    if (!st.step())
        return std::nullopt;
    return table.read(st);
}

} // namespace store
