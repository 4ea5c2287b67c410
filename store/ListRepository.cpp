// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRepository.h"

#include "Database.h"

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

} // namespace store
