// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimberStore.h"

#include "JetCollation.h"
#include "LotRegister.h"
#include "MantelSamples.h"
#include "SettingKeys.h"

#include <QDate>
#include <algorithm>

namespace store {

TimberStore::TimberStore(Database& db, Settings& settings)
    : Listen(db, listenTable()), Holz(db, holzTable()), Lager(db, lagerTable()), Mantel(db, mantelTable()),
      m_db(&db), m_settings(&settings)
{
}

void TimberStore::Listen_Oeffnen(ListenOrder order)
{
    m_listenOrder = order;
    Listen.open(ListQueries::listenIds(order));
}

bool TimberStore::moveToList(const QString& name)
{
    for (int i = 0; i < Listen.recordCount(); ++i) {
        if (jet::equal(Listen.at(i).Liste, name)) {
            Listen.move(i);
            return true;
        }
    }
    return false;
}

bool TimberStore::Holzliste_Oeffnen()
{
    Holz.close();
    const ListenRow list = Listen.hasCurrent() ? Listen.current() : ListenRow();
    if (list.Liste.isEmpty())
        return false;
    HoechsteNummer = highestNumber(*m_db, list.Liste);
    const QString sortierung = m_settings->get(keys::Sortierung);
    Holz.open(ListQueries::holzIds(sortierung, list.Kubatur == 0), {list.Liste});
    listOpen = true;
    return true;
}

void TimberStore::Los_Eintragen(int lot)
{
    ListenRow list = Listen.current();
    const QString reg = LotRegister::entered(list.Los, lot);
    if (reg == list.Los)
        return;
    list.Los = reg;
    Listen.update(list);
}

QStringList TimberStore::Lose_Anzeigen() const
{
    if (!Listen.hasCurrent())
        return {};
    return LotRegister::lots(Listen.current().Los);
}

void TimberStore::Lager_Oeffnen()
{
    const QString list = Listen.hasCurrent() ? Listen.current().Liste : QString();
    Lager.open("SELECT Id FROM Lager WHERE Liste = ? ORDER BY Los, Id", {list});
}

QList<int> TimberStore::Mantel_Lesen(qint64 holzId)
{
    Mantel.open("SELECT Id FROM Mantel WHERE HolzId = ? ORDER BY Indx, Id", {holzId});
    QList<int> diameters;
    for (int i = 0; i < Mantel.recordCount(); ++i)
        diameters << Mantel.at(i).Durchm;
    return diameters;
}

void TimberStore::deleteSample(qint64 holzId, int indx)
{
    MantelSamples(*m_db).remove(holzId, indx);
    Mantel.refresh();
}

std::optional<double> TimberStore::setStackVolume(qint64 holzId, double kubatur, bool measured)
{
    Statement old = m_db->prepare("SELECT Kubatur, Liste FROM Holz WHERE Id = ?");
    old.bind(1, holzId);
    if (!old.step())
        return std::nullopt;
    const double before = old.real(0);
    const QString list = old.text(1);
    old.reset();
    // "1" is what every record that is not stacked wood carries otherwise.
    Statement update = m_db->prepare("UPDATE Holz SET Kubatur = ?, Stamm = ? WHERE Id = ?");
    update.bindAll(kubatur, measured ? HolzRow::sampleMark() : QStringLiteral("1"), holzId);
    update.run();
    Statement stamp = m_db->prepare("UPDATE Listen SET Konvertiert = NULL, Bearbeitet = ? WHERE Liste = ?");
    stamp.bindAll(QDate::currentDate(), list);
    stamp.run();
    Holz.refresh();
    Listen.refresh();
    return before;
}

int TimberStore::highestNumber(Database& db, const QString& list)
{
    Statement st = db.prepare("SELECT coalesce(max(Nummer), 0) FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    return st.step() ? st.integer(0) : 0;
}

qint64 TimberStore::singleLogWithNumber(Database& db, const QString& list, int nummer, qint64 except)
{
    Statement st = db.prepare("SELECT Id FROM Holz WHERE Liste = ? AND Nummer = ? AND Id <> ? "
                              "AND coalesce(Einzelstamm, 0) <> 0 ORDER BY Id LIMIT 1");
    st.bindAll(list, nummer, except);
    return st.step() ? st.int64(0) : 0;
}

void TimberStore::moveRecords(Database& db, const QList<qint64>& ids, const QString& target)
{
    qint64 satzNr = 0;
    {
        Statement last = db.prepare("SELECT coalesce(max(SatzNr), 0), count(*) FROM Holz WHERE Liste = ?");
        last.bind(1, target);
        if (last.step())
            satzNr = std::max(last.int64(0), last.int64(1));
    }
    Statement move = db.prepare("UPDATE Holz SET Liste = ?, SatzNr = ? WHERE Id = ?");
    for (const qint64 id : ids) {
        move.bindAll(target, ++satzNr, id);
        move.run();
        move.reset();
    }
}

int TimberStore::nextRecordNumber(Database& db, const QString& list)
{
    Statement st = db.prepare("SELECT coalesce(max(SatzNr), 0) FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    return (st.step() ? std::max(0, st.integer(0)) : 0) + 1;
}

std::optional<ListenRow> TimberStore::findList(Database& db, const QString& name)
{
    const auto& table = listenTable();
    Statement st =
        db.prepare("SELECT " + table.selectList() + " FROM Listen WHERE Liste = ? COLLATE JET ORDER BY Id LIMIT 1");
    st.bind(1, name);
    if (!st.step())
        return std::nullopt;
    return table.read(st);
}

bool TimberStore::hasRecords(Database& db, const QString& list)
{
    Statement st = db.prepare("SELECT 1 FROM Holz WHERE Liste = ? LIMIT 1");
    st.bind(1, list);
    return st.step();
}

bool TimberStore::listExists(Database& db, const QString& name)
{
    Statement st = db.prepare("SELECT 1 FROM Listen WHERE Liste = ? COLLATE JET LIMIT 1");
    st.bind(1, name);
    return st.step();
}

void TimberStore::forEachRecord(Database& db, const QString& list, const QString& sortierung,
                                bool listIsEmpty, const std::function<void(const HolzRow&)>& visit)
{
    Statement st = db.prepare(ListQueries::holzRows(sortierung, listIsEmpty));
    st.bind(1, list);
    const auto& table = holzTable();
    while (st.step())
        visit(table.read(st));
}

} // namespace store
