// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListFixture.h"

#include "store/LotRegister.h"
#include "store/RecordSet.h"
#include "store/Transaction.h"

namespace fixture {

std::unique_ptr<store::Database> holzDb(const QString& path)
{
    return store::Database::open(path, store::DatabaseKind::Holz);
}

qint64 addList(store::Database& db, const store::ListenRow& list)
{
    store::ListenRow row = list;
    if (row.Los.isEmpty())
        row.Los = store::LotRegister::initial();
    return store::RecordSet<store::ListenRow>(db, store::listenTable()).addNew(row);
}

qint64 addList(store::Database& db, const QString& name)
{
    store::ListenRow row;
    row.Liste = name;
    row.Kubatur = 1;
    return addList(db, row);
}

QList<qint64> addLogs(store::Database& db, const QString& list, const QList<Log>& logs)
{
    QList<qint64> ids;
    store::RecordSet<store::HolzRow> records(db, store::holzTable());
    store::Transaction t(db);
    int satz = 0;
    for (const Log& log : logs) {
        store::HolzRow row;
        row.SatzNr = ++satz;
        row.Liste = list;
        row.Los = log.los;
        row.Nummer = log.nummer;
        row.Einzelstamm = log.nummer > 0;
        row.Holzart = log.holzart;
        row.Sorte = log.sorte;
        row.Staerke = log.staerke;
        row.Guete = log.guete;
        row.Laenge = log.laenge;
        row.Durchm = log.durchm;
        row.Stueck = log.stueck;
        row.Kubatur = log.kubatur;
        row.RindenAbzug = 2;
        row.Folgestamm = log.folgestamm;
        row.Klammerstamm = log.klammerstamm;
        ids << records.addNew(row);
    }
    t.commit();
    return ids;
}

std::unique_ptr<store::Database> masterDb(const QString& path)
{
    return store::Database::open(path, store::DatabaseKind::MasterData);
}

void addSpecies(store::Database& db, int region, const QString& name, const QString& code, int order)
{
    store::HolzartRow row = species(name, code, order);
    row.IndexLand = region;
    store::RecordSet<store::HolzartRow>(db, store::holzartTable()).addNew(row);
}

store::HolzartRow species(const QString& name, const QString& code, int order)
{
    store::HolzartRow row;
    row.Holzart = name;
    row.Kuerzel1 = code;
    row.IndexHolzart = order;
    row.IndexLand = 8;
    return row;
}

store::WorkRow workRow(const Log& log, const QString& list)
{
    store::WorkRow row;
    row.Holzart = log.holzart;
    row.Nummer = log.nummer;
    row.Los = log.los;
    row.Stueck = log.stueck;
    row.Laenge = log.laenge;
    row.Durchm = log.durchm;
    row.Sorte = log.sorte;
    row.Staerke = log.staerke;
    row.Guete = log.guete;
    row.Kubatur = log.kubatur;
    row.Rinde = 2;
    row.Liste = list;
    row.optionLangholz = log.nummer > 0;
    row.Folgestamm = log.folgestamm;
    row.Klammerstamm = log.klammerstamm;
    return row;
}

} // namespace fixture
