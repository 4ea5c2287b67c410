// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListRows.h"

#include "Database.h"
#include "RecordSet.h"
#include "Transaction.h"

namespace store {
namespace {

qint64 count(Database& db, const char* sql, const QString& list)
{
    Statement st = db.prepare(sql);
    st.bind(1, list);
    return st.step() ? st.int64(0) : 0;
}

} // namespace

QList<ListenRow> ListRows::all(ListenOrder order) const
{
    RecordSet<ListenRow> lists(*m_db, listenTable());
    lists.open(ListQueries::listenIds(order));
    QList<ListenRow> rows;
    rows.reserve(lists.recordCount());
    for (int i = 0; i < lists.recordCount(); ++i)
        rows << lists.at(i);
    return rows;
}

void ListRows::stampConverted(qint64 listId, const QDate& date)
{
    Transaction transaction(*m_db);
    Statement st = m_db->prepare("UPDATE Listen SET Konvertiert = ? WHERE Id = ?");
    st.bindAll(date, listId);
    st.run();
    transaction.commit();
}

ListRows::Contents ListRows::contents(const QString& list) const
{
    return {count(*m_db, "SELECT count(*) FROM Holz WHERE Liste = ?", list),
            count(*m_db, "SELECT count(*) FROM Mantel WHERE Liste = ?", list),
            count(*m_db, "SELECT count(*) FROM Lager WHERE Liste = ?", list)};
}

void ListRows::renameContents(const QString& from, const QString& to)
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

} // namespace store
