// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasterData.h"

#include "Transaction.h"

#include "rules/BarkTable.h"
#include "rules/Numbers.h"

namespace store {
namespace {

RindenabzugRow readBark(const Statement& st)
{
    RindenabzugRow row;
    row.Landindex = st.integer(0);
    row.RindenIndex = st.integer(1);
    for (int k = 0; k < 5; ++k) {
        row.D[size_t(k)] = st.integer(2 + 2 * k);
        row.R[size_t(k)] = st.real(3 + 2 * k);
    }
    return row;
}

constexpr const char* BarkColumns = "Landindex, RindenIndex, D1, R1, D2, R2, D3, R3, D4, R4, D5, R5";

} // namespace

bool MasterData::isEmpty() const
{
    Statement st = m_db->prepare("SELECT (SELECT count(*) FROM Laender) + (SELECT count(*) FROM Holzart)");
    return st.step() && st.int64(0) == 0;
}

QList<LaenderRow> MasterData::laender() const
{
    const auto& table = laenderTable();
    Statement st = m_db->prepare("SELECT " + table.selectList() + " FROM Laender ORDER BY Landindex, rowid");
    QList<LaenderRow> rows;
    while (st.step())
        rows << table.read(st);
    return rows;
}

QList<HolzartRow> MasterData::species(int region) const
{
    const auto& table = holzartTable();
    Statement st = m_db->prepare("SELECT " + table.selectList() +
                                 " FROM Holzart WHERE IndexLand = ? ORDER BY IndexHolzart, rowid");
    st.bind(1, region);
    QList<HolzartRow> rows;
    while (st.step())
        rows << table.read(st);
    return rows;
}

std::optional<RindenabzugRow> MasterData::barkRow(int region, int barkGroup) const
{
    Statement st = m_db->prepare(QByteArray("SELECT ") + BarkColumns +
                                 " FROM Rindenabzug WHERE Landindex = ? AND RindenIndex = ? ORDER BY rowid");
    st.bindAll(region, barkGroup);
    if (!st.step())
        return std::nullopt;
    return readBark(st);
}

QList<RindenabzugRow> MasterData::barkRows(int region) const
{
    Statement st = m_db->prepare(QByteArray("SELECT ") + BarkColumns +
                                 " FROM Rindenabzug WHERE Landindex = ? ORDER BY RindenIndex, rowid");
    st.bind(1, region);
    QList<RindenabzugRow> rows;
    while (st.step())
        rows << readBark(st);
    return rows;
}

QStringList MasterData::gueten() const
{
    Statement st = m_db->prepare("SELECT Guete FROM Gueten ORDER BY Guete COLLATE JET, rowid");
    QStringList codes;
    while (st.step())
        codes << st.text(0);
    return codes;
}

QStringList MasterData::sorten() const
{
    Statement st = m_db->prepare("SELECT Sorte FROM Sorten ORDER BY Sorte COLLATE JET, rowid");
    QStringList codes;
    while (st.step())
        codes << st.text(0);
    return codes;
}

QList<CodeRow> MasterData::codes(const char* sql) const
{
    Statement st = m_db->prepare(sql);
    QList<CodeRow> rows;
    while (st.step())
        rows << CodeRow{st.text(0), st.text(1), st.integer(2)};
    return rows;
}

QList<CodeRow> MasterData::nutzungsarten() const
{
    return codes("SELECT Nutzungsart, Kuerzel, Indx FROM Nutzungsart ORDER BY Indx, rowid");
}

QList<CodeRow> MasterData::einschlagtypen() const
{
    return codes("SELECT Einschlagtyp, Kuerzel, Indx FROM Einschlagtyp ORDER BY Indx, rowid");
}

std::optional<CodeRow> MasterData::nutzungsart(int indx) const
{
    Statement st =
        m_db->prepare("SELECT Nutzungsart, Kuerzel, Indx FROM Nutzungsart WHERE Indx = ? ORDER BY rowid");
    st.bind(1, indx);
    if (!st.step())
        return std::nullopt;
    return CodeRow{st.text(0), st.text(1), st.integer(2)};
}

std::optional<CodeRow> MasterData::einschlagtyp(int indx) const
{
    Statement st =
        m_db->prepare("SELECT Einschlagtyp, Kuerzel, Indx FROM Einschlagtyp WHERE Indx = ? ORDER BY rowid");
    st.bind(1, indx);
    if (!st.step())
        return std::nullopt;
    return CodeRow{st.text(0), st.text(1), st.integer(2)};
}

rules::BarkTable MasterData::barkTable(int region) const
{
    return barkTable(region, species(region));
}

rules::BarkTable MasterData::barkTable(int region, const QList<HolzartRow>& species) const
{
    rules::BarkTable table;
    for (const HolzartRow& row : species)
        table.addSpecies(row.Holzart, row.IndexRinde);
    for (const RindenabzugRow& row : barkRows(region)) {
        rules::BarkBands bands;
        for (size_t k = 0; k < 5; ++k)
            bands[k] = {row.D[k], row.R[k]};
        table.setBands(row.RindenIndex, bands);
    }
    return table;
}

void MasterData::moveSpeciesToFront(int region, const QString& species)
{
    const QList<HolzartRow> rows = this->species(region);
    Transaction transaction(*m_db);
    Statement st = m_db->prepare("UPDATE Holzart SET IndexHolzart = ? WHERE rowid = ?");
    int counter = 1;
    bool chosenSeen = false;
    for (const HolzartRow& row : rows) {
        // Only the first row of that name moves to the front; a duplicate keeps its place.
        const bool chosen = !chosenSeen && row.Holzart == species;
        chosenSeen = chosenSeen || chosen;
        st.bindAll(chosen ? 0 : counter++, row.Id);
        st.run();
    }
    transaction.commit();
}

} // namespace store
