// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasterDataWriter.h"

#include "Database.h"

#include <QVariantList>

namespace store {
namespace {

// Updates the first row (in storage order) the lookup finds, or inserts.
// The update statement takes the values, then the row id.
void upsert(Database& db, const QByteArray& find, const QVariantList& key, const QByteArray& update,
            const QByteArray& insert, const QVariantList& values)
{
    Statement lookup = db.prepare(find);
    for (int i = 0; i < key.size(); ++i)
        lookup.bind(i + 1, key.at(i));
    const bool found = lookup.step();
    const qint64 rowid = found ? lookup.int64(0) : 0;
    lookup.reset();
    Statement write = db.prepare(found ? update : insert);
    int index = 0;
    for (const QVariant& value : values)
        write.bind(++index, value);
    if (found)
        write.bind(++index, rowid);
    write.run();
}

void run(Database& db, const char* sql)
{
    db.prepare(sql).run();
}

constexpr int BarkSteps = 5;

} // namespace

void MasterDataWriter::saveRegion(const LaenderRow& region)
{
    upsert(*m_db, "SELECT rowid FROM Laender WHERE Landindex = ? ORDER BY rowid", {region.Landindex},
           laenderTable().updateSql(), laenderTable().insertSql(), {region.Landindex, region.Land});
}

void MasterDataWriter::saveSpecies(const HolzartRow& s)
{
    upsert(*m_db, "SELECT rowid FROM Holzart WHERE Holzart = ? AND IndexLand = ? ORDER BY rowid",
           {s.Holzart, s.IndexLand}, holzartTable().updateSql(), holzartTable().insertSql(),
           {s.Holzart, s.Kuerzel1, s.Kuerzel2, s.Kuerzel3, s.IndexRinde, s.Reserve, s.IndexLand,
            s.IndexHolzart, s.NL});
}

void MasterDataWriter::clearBarkRows(int region)
{
    Statement clear = m_db->prepare("DELETE FROM Rindenabzug WHERE Landindex = ?");
    clear.bind(1, region);
    clear.run();
}

void MasterDataWriter::saveBarkRow(int region, int barkGroup, const QList<BarkStep>& steps)
{
    QVariantList values{region, barkGroup};
    QByteArray updateSet = "Landindex = ?, RindenIndex = ?";
    QByteArray insertColumns = "Landindex, RindenIndex";
    QByteArray marks = "?, ?";
    // Only the columns of the given steps, so a shorter row leaves the
    // steps behind it as they were. The column names are fixed texts.
    auto add = [&](const QByteArray& column, const QVariant& value) {
        values << value;
        updateSet += ", " + column + " = ?";
        insertColumns += ", " + column;
        marks += ", ?";
    };
    for (int i = 0; i < qMin(int(steps.size()), BarkSteps); ++i) {
        const QByteArray band = QByteArray::number(i + 1);
        add("D" + band, steps.at(i).threshold);
        if (steps.at(i).deduction)
            add("R" + band, *steps.at(i).deduction);
    }
    upsert(*m_db, "SELECT rowid FROM Rindenabzug WHERE RindenIndex = ? AND Landindex = ? ORDER BY rowid",
           {barkGroup, region}, "UPDATE Rindenabzug SET " + updateSet + " WHERE rowid = ?",
           "INSERT INTO Rindenabzug (" + insertColumns + ") VALUES (" + marks + ")", values);
}

void MasterDataWriter::clearGueten()
{
    run(*m_db, "DELETE FROM Gueten");
}

void MasterDataWriter::saveGuete(const QString& code)
{
    upsert(*m_db, "SELECT rowid FROM Gueten WHERE Guete = ? ORDER BY rowid", {code},
           "UPDATE Gueten SET Guete = ? WHERE rowid = ?", "INSERT INTO Gueten (Guete) VALUES (?)", {code});
}

void MasterDataWriter::clearSorten()
{
    run(*m_db, "DELETE FROM Sorten");
}

void MasterDataWriter::saveSorte(const QString& code)
{
    upsert(*m_db, "SELECT rowid FROM Sorten WHERE Sorte = ? ORDER BY rowid", {code},
           "UPDATE Sorten SET Sorte = ? WHERE rowid = ?", "INSERT INTO Sorten (Sorte) VALUES (?)", {code});
}

void MasterDataWriter::clearEinschlagtypen()
{
    run(*m_db, "DELETE FROM Einschlagtyp");
    run(*m_db, "INSERT INTO Einschlagtyp (Einschlagtyp, Kuerzel, Indx) VALUES ('', '', 0)");
}

void MasterDataWriter::saveEinschlagtyp(const QString& code, const CodeRow& row)
{
    upsert(*m_db, "SELECT rowid FROM Einschlagtyp WHERE Kuerzel = ? ORDER BY rowid", {code},
           "UPDATE Einschlagtyp SET Einschlagtyp = ?, Kuerzel = ?, Indx = ? WHERE rowid = ?",
           "INSERT INTO Einschlagtyp (Einschlagtyp, Kuerzel, Indx) VALUES (?, ?, ?)",
           {row.Name, row.Kuerzel, row.Indx});
}

void MasterDataWriter::clearNutzungsarten()
{
    run(*m_db, "DELETE FROM Nutzungsart");
    run(*m_db, "INSERT INTO Nutzungsart (Nutzungsart, Kuerzel, Indx) VALUES ('', '', 0)");
}

void MasterDataWriter::saveNutzungsart(const QString& code, const CodeRow& row)
{
    upsert(*m_db, "SELECT rowid FROM Nutzungsart WHERE Kuerzel = ? ORDER BY rowid", {code},
           "UPDATE Nutzungsart SET Nutzungsart = ?, Kuerzel = ?, Indx = ? WHERE rowid = ?",
           "INSERT INTO Nutzungsart (Nutzungsart, Kuerzel, Indx) VALUES (?, ?, ?)",
           {row.Name, row.Kuerzel, row.Indx});
}

} // namespace store
