// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkCopyRepository.h"

#include "Database.h"
#include "RecordSet.h"
#include "Transaction.h"

namespace store {
namespace {

// Source columns in the order of the working table's columns; the bark
// column of the copy holds the deduction that was applied.
constexpr char SourceColumns[] =
    "SELECT Holzart, Nummer, Los, Stueck, Laenge, Durchm, Sorte, Staerke, Guete, "
    "Kubatur, RindenAbzug, Liste, Einzelstamm, Folgestamm, Klammerstamm "
    "FROM Holz WHERE Liste = ?";

WorkRow readSource(const Statement& st)
{
    WorkRow row;
    row.Holzart = st.text(0);
    row.Nummer = st.integer(1);
    row.Los = st.integer(2);
    row.Stueck = st.real(3);
    row.Laenge = st.real(4);
    row.Durchm = st.real(5);
    row.Sorte = st.text(6);
    row.Staerke = st.text(7);
    row.Guete = st.text(8);
    row.Kubatur = st.real(9);
    row.Rinde = st.real(10);
    row.Liste = st.text(11);
    row.optionLangholz = st.boolean(12);
    row.Folgestamm = st.boolean(13);
    row.Klammerstamm = st.boolean(14);
    return row;
}

QByteArray sourceQuery(bool singleLogs, bool oneLot)
{
    QByteArray sql = SourceColumns;
    sql += singleLogs ? " AND coalesce(Einzelstamm, 0) <> 0" : " AND coalesce(Einzelstamm, 0) = 0";
    if (oneLot)
        sql += " AND Los = ?";
    // Entry order (Id) breaks ties, so equal keys print as they were typed.
    if (singleLogs)
        sql += oneLot ? " ORDER BY Nummer, Id" : " ORDER BY Los, Nummer, Id";
    else
        sql += oneLot
                   ? " ORDER BY Holzart COLLATE JET, Laenge, Sorte COLLATE JET, Guete COLLATE JET, Durchm, Id"
                   : " ORDER BY Los, Laenge, Sorte COLLATE JET, Guete COLLATE JET, Durchm, Id";
    return sql;
}

} // namespace

bool WorkCopyRepository::addMissingColumns()
{
    auto columns = [&] {
        QStringList names;
        Statement info = m_work->prepare("SELECT name FROM pragma_table_info('Holz')");
        while (info.step())
            names << info.text(0);
        return names;
    };
    const QStringList present = columns();
    const bool hasBracket = present.contains(QStringLiteral("Klammerstamm"), Qt::CaseInsensitive);
    const bool hasFollow = present.contains(QStringLiteral("Folgestamm"), Qt::CaseInsensitive);
    if (hasBracket && hasFollow)
        return false;
    Transaction transaction(*m_work);
    if (!hasBracket)
        m_work->exec("ALTER TABLE Holz ADD COLUMN Klammerstamm INTEGER NOT NULL DEFAULT 0");
    if (!hasFollow)
        m_work->exec("ALTER TABLE Holz ADD COLUMN Folgestamm INTEGER NOT NULL DEFAULT 0");
    transaction.commit();
    return true;
}

int WorkCopyRepository::copyList(Database& holz, const QString& list, std::optional<int> lot)
{
    const auto& table = workTable();
    Transaction transaction(*m_work);
    m_work->exec("DELETE FROM Holz");
    Statement insert = m_work->prepare(table.insertSql());
    int copied = 0;
    for (const bool singleLogs : {true, false}) {
        Statement source = holz.prepare(sourceQuery(singleLogs, lot.has_value()));
        source.bind(1, list);
        if (lot)
            source.bind(2, *lot);
        while (source.step()) {
            table.bindValues(insert, readSource(source));
            insert.run();
            ++copied;
        }
    }
    transaction.commit();
    return copied;
}

QList<WorkRow> WorkCopyRepository::rows() const
{
    const auto& table = workTable();
    Statement st = m_work->prepare("SELECT " + table.selectList() + " FROM Holz ORDER BY rowid");
    QList<WorkRow> rows;
    while (st.step())
        rows << table.read(st);
    return rows;
}

int WorkCopyRepository::count() const
{
    Statement st = m_work->prepare("SELECT count(*) FROM Holz");
    st.step();
    return st.integer(0);
}

QList<int> WorkCopyRepository::lots() const
{
    Statement st = m_work->prepare("SELECT DISTINCT Los FROM Holz ORDER BY Los");
    QList<int> lots;
    while (st.step())
        lots << st.integer(0);
    return lots;
}


} // namespace store
