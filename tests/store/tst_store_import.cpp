// SPDX-License-Identifier: GPL-3.0-or-later
// The writes of the master-data import, the bulk writer of new lists and
// the operations on whole lists, checked through what the program reads back.
#include "store/RecordRepository.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ListImportWriter.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/MasterDataWriter.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QHash>
#include <algorithm>
#include <QTest>

using namespace store;

namespace {

HolzartRow species(const QString& name, int region, const QString& code, int order)
{
    HolzartRow row;
    row.Holzart = name;
    row.Kuerzel1 = code;
    row.IndexRinde = 1;
    row.IndexLand = region;
    row.IndexHolzart = order;
    row.NL = QStringLiteral("N");
    return row;
}

HolzRow record(const QString& list, int satzNr, int nummer)
{
    HolzRow row;
    row.Liste = list;
    row.SatzNr = satzNr;
    row.Nummer = nummer;
    row.Holzart = QStringLiteral("Fichte");
    row.Stueck = 1;
    row.Kubatur = 0.25;
    return row;
}

ListenRow header(const QString& name)
{
    ListenRow row;
    row.Liste = name;
    return row;
}

// Stores a list with `records` records, one storage row, one sample per
// record and one that names no record; returns the records' stored Ids.
QList<qint64> storeList(Database& db, const QString& name, int records)
{
    ListImportWriter writer(db);
    if (!writer.begin(name))
        return {};
    QList<qint64> ids;
    std::vector<MantelRow> samples;
    for (int i = 1; i <= records; ++i) {
        ids << writer.addRecord(record(name, i, i));
        samples.push_back({name, i, 30 + i, 0, 1, ids.last(), 0});
    }
    samples.push_back({name, 99, 25, 0, 1, 0, 0});
    ListenRow row = header(name);
    writer.finish(row, {{name, 1, {}, {}, QStringLiteral("Weg"), {}, 0}}, samples);
    return ids;
}

QList<HolzRow> recordsOf(Database& db, const QString& list)
{
    QList<HolzRow> rows;
    store::RecordRepository(db).forEachRecord(list, QStringLiteral("0"), false,
                               [&](const HolzRow& row) { rows << row; });
    return rows;
}

} // namespace

class TestStoreImport : public QObject {
    Q_OBJECT

private slots:
    void masterDataSavesReplaceTheRowOfTheirKey();
    void barkRowsWriteOnlyTheirSteps();
    void codeListsAreClearedAndFilledOneByOne();
    void importWriterStoresTheListWhole();
    void importWriterRefusesAndForgets();
    void listOperationsTouchOnlyTheirList();
};

void TestStoreImport::masterDataSavesReplaceTheRowOfTheirKey()
{
    TestDatabase folder;
    auto db = Database::open(folder.master(), DatabaseKind::MasterData);
    MasterDataWriter writer(*db);
    const MasterData data(*db);
    writer.saveRegion({8, QStringLiteral("Bayern"), 0});
    writer.saveRegion({6, QStringLiteral("Hessen"), 0});
    writer.saveRegion({8, QStringLiteral("Bayern Süd"), 0});
    QCOMPARE(data.laender().size(), 2);
    QCOMPARE(data.laender().at(1).Land, QStringLiteral("Bayern Süd"));

    // Key is the name within the region: the same name elsewhere is another species.
    writer.saveSpecies(species(QStringLiteral("Fichte"), 8, QStringLiteral("Fi"), 0));
    writer.saveSpecies(species(QStringLiteral("Buche"), 8, QStringLiteral("Bu"), 1));
    writer.saveSpecies(species(QStringLiteral("Fichte"), 6, QStringLiteral("FI"), 0));
    writer.saveSpecies(species(QStringLiteral("FICHTE"), 8, QStringLiteral("Fc"), 2));
    const QList<HolzartRow> bavarian = data.species(8);
    QCOMPARE(bavarian.size(), 2);
    QCOMPARE(bavarian.at(0).Holzart, QStringLiteral("Buche"));
    QCOMPARE(bavarian.at(1).Holzart, QStringLiteral("FICHTE"));
    QCOMPARE(bavarian.at(1).Kuerzel1, QStringLiteral("Fc"));
    QCOMPARE(data.species(6).value(0).Kuerzel1, QStringLiteral("FI"));
}

void TestStoreImport::barkRowsWriteOnlyTheirSteps()
{
    TestDatabase folder;
    auto db = Database::open(folder.master(), DatabaseKind::MasterData);
    MasterDataWriter writer(*db);
    const MasterData data(*db);
    writer.saveBarkRow(8, 1, {{20, 1.5}, {40, 2.25}, {60, std::nullopt}});
    writer.saveBarkRow(6, 1, {{10, 1.0}});
    auto row = data.barkRow(8, 1);
    QVERIFY(row);
    QCOMPARE(row->D, (std::array<int, 5>{20, 40, 60, 0, 0}));
    QCOMPARE(row->R, (std::array<double, 5>{1.5, 2.25, 0, 0, 0}));

    // A shorter row for the same group replaces its steps, keeps the rest.
    writer.saveBarkRow(8, 1, {{25, 1.75}});
    QCOMPARE(data.barkRows(8).size(), 1);
    row = data.barkRow(8, 1);
    QCOMPARE(row->D, (std::array<int, 5>{25, 40, 60, 0, 0}));
    QCOMPARE(row->R, (std::array<double, 5>{1.75, 2.25, 0, 0, 0}));

    writer.clearBarkRows(8);
    QVERIFY(data.barkRows(8).isEmpty());
    QCOMPARE(data.barkRows(6).size(), 1);
}

void TestStoreImport::codeListsAreClearedAndFilledOneByOne()
{
    TestDatabase folder;
    auto db = Database::open(folder.master(), DatabaseKind::MasterData);
    MasterDataWriter writer(*db);
    const MasterData data(*db);
    for (const QString& code : {QStringLiteral("C "), QStringLiteral("B "), QStringLiteral("b ")})
        writer.saveGuete(code);
    writer.saveSorte(QStringLiteral("L "));
    QCOMPARE(data.gueten(), (QStringList{QStringLiteral("b "), QStringLiteral("C ")}));
    writer.clearGueten();
    QVERIFY(data.gueten().isEmpty());
    QCOMPARE(data.sorten(), QStringList{QStringLiteral("L ")});
    writer.clearSorten();
    writer.saveSorte(QStringLiteral("H "));
    QCOMPARE(data.sorten(), QStringList{QStringLiteral("H ")});

    // Felling kinds and uses keep a blank first entry and are found by the
    // code the caller names, which may differ from the one stored.
    writer.saveNutzungsart(QStringLiteral("So"), {QStringLiteral("Alt"), QStringLiteral("So"), 1});
    writer.clearNutzungsarten();
    writer.saveNutzungsart(QStringLiteral("So"), {QStringLiteral("Sonstige"), QStringLiteral("So"), 2});
    writer.saveNutzungsart(QStringLiteral("So"), {QStringLiteral("Sonder"), QStringLiteral("So"), 1});
    writer.saveNutzungsart(QStringLiteral("SoX"), {QStringLiteral("Lang"), QStringLiteral("So"), 3});
    const QList<CodeRow> uses = data.nutzungsarten();
    QCOMPARE(uses.size(), 3);
    QCOMPARE(uses.at(0).Kuerzel, QString());
    QCOMPARE(uses.at(1).Name, QStringLiteral("Sonder"));
    QCOMPARE(uses.at(2).Name, QStringLiteral("Lang"));
    QVERIFY(data.einschlagtypen().isEmpty());

    writer.clearEinschlagtypen();
    writer.saveEinschlagtyp(QStringLiteral("Zu"), {QStringLiteral("Zufall"), QStringLiteral("Zu"), 1});
    QCOMPARE(data.einschlagtypen().size(), 2);
    QCOMPARE(data.einschlagtyp(1)->Name, QStringLiteral("Zufall"));
    QCOMPARE(data.nutzungsarten().size(), 3);
}

void TestStoreImport::importWriterStoresTheListWhole()
{
    TestDatabase folder;
    auto db = Database::open(folder.holz(), DatabaseKind::Holz);
    // Rows that share most values: each must still be stored with its own,
    // no text apart from an empty text. Enough of them that an engine
    // sending them in batches does so, with texts that a batch must escape.
    QList<HolzRow> rows;
    for (int i = 0; i < 3000; ++i) {
        const int k = i % 4;
        HolzRow row = record(QStringLiteral("Neu"), k + 1, k < 2 ? 7 : k);
        row.Stapel = k == 1 ? QStringLiteral("Rest") : (k == 2 ? QStringLiteral("") : QString());
        row.Polter = k == 3 ? QStringLiteral("P") : QString();
        row.AArt = k == 2 ? std::optional<int>() : std::optional<int>(-1);
        row.Kubatur = k == 3 ? 0.5 : 0.25;
        row.Zusatztext = k == 1 ? QStringLiteral("Tab\there\nZeile \\N \\ Ende") : QString();
        rows << row;
    }
    ListImportWriter writer(*db);
    QVERIFY(writer.begin(QStringLiteral("Neu")));
    QList<qint64> ids;
    for (const HolzRow& row : rows)
        ids << writer.addRecord(row);
    ListenRow list = header(QStringLiteral("Neu"));
    list.Kubatur = 1.25;
    writer.finish(list, {{QStringLiteral("Neu"), 2, {}, {}, QStringLiteral("Hof"), {}, 0}},
                  {{QStringLiteral("Neu"), 3, 41, 0, 1, ids.at(2), 0},
                   {QStringLiteral("Neu"), 3, 38, 0, 2, ids.at(2), 0},
                   {QStringLiteral("Neu"), 3, 44, 0, 1, ids.at(2998), 0}});

    QVERIFY(list.Id > 0);
    QCOMPARE(store::ListRepository(*db).find(QStringLiteral("neu"))->Id, list.Id);
    QCOMPARE(store::ListRepository(*db).find(QStringLiteral("Neu"))->Kubatur, 1.25);
    QHash<qint64, HolzRow> stored;
    for (const HolzRow& row : recordsOf(*db, QStringLiteral("Neu")))
        stored.insert(row.Id, row);
    QCOMPARE(stored.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        // Each id the writer returned is the row it wrote.
        QVERIFY(stored.contains(ids.at(i)));
        const HolzRow& row = stored[ids.at(i)];
        QCOMPARE(row.Nummer, rows.at(i).Nummer);
        QCOMPARE(row.Los, rows.at(i).Los);
        QCOMPARE(row.Stapel.isNull(), rows.at(i).Stapel.isNull());
        QCOMPARE(row.Stapel, rows.at(i).Stapel);
        QCOMPARE(row.Polter.isNull(), rows.at(i).Polter.isNull());
        QCOMPARE(row.AArt, rows.at(i).AArt);
        QCOMPARE(row.Kubatur, rows.at(i).Kubatur);
        QCOMPARE(row.Zusatztext, rows.at(i).Zusatztext);
    }
    Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
    TimberStore timber(*db, settings);
    QCOMPARE(timber.Mantel_Lesen(ids.at(2)), (QList<int>{41, 38}));
    QVERIFY(timber.Mantel_Lesen(ids.at(1)).isEmpty());
    QCOMPARE(timber.Mantel_Lesen(ids.at(2998)), (QList<int>{44}));
    const ListRepository::Contents contents = ListRepository(*db).contents(QStringLiteral("Neu"));
    QCOMPARE(contents.records, 3000);
    QCOMPARE(contents.samples, 3);
    QCOMPARE(contents.storageRows, 1);

    // The next list's ids follow the order its records came in (the order
    // of a list without a sort key), also past the ids an engine reserved
    // for the list before and did not use.
    const QList<qint64> next = storeList(*db, QStringLiteral("Danach"), 40);
    QVERIFY(std::is_sorted(next.begin(), next.end()));
    QVERIFY(next.first() > ids.last());
    QCOMPARE(std::adjacent_find(next.begin(), next.end()), next.end());
}

void TestStoreImport::importWriterRefusesAndForgets()
{
    TestDatabase folder;
    auto db = Database::open(folder.holz(), DatabaseKind::Holz);
    QCOMPARE(storeList(*db, QStringLiteral("Wald"), 2).size(), 2);
    // A list of the same name in other letters is the same list.
    QVERIFY(storeList(*db, QStringLiteral("WALD"), 1).isEmpty());
    {
        ListImportWriter writer(*db);
        QVERIFY(writer.begin(QStringLiteral("Halb")));
        writer.addRecord(record(QStringLiteral("Halb"), 1, 1));
    } // never finished
    QVERIFY(!store::ListRepository(*db).exists(QStringLiteral("Halb")));
    QCOMPARE(ListRepository(*db).contents(QStringLiteral("Halb")).records, 0);
    QCOMPARE(ListRepository(*db).contents(QStringLiteral("Wald")).records, 2);

    ListImportWriter idle(*db);
    QVERIFY_THROWS_EXCEPTION(DbError, idle.addRecord(record(QStringLiteral("X"), 1, 1)));
    // The writer is used again for the next list; a list begun and not
    // finished is dropped.
    ListImportWriter writer(*db);
    QVERIFY(!writer.begin(QStringLiteral("wald")));
    QVERIFY(writer.begin(QStringLiteral("Halb")));
    writer.addRecord(record(QStringLiteral("Halb"), 1, 1));
    QVERIFY(writer.begin(QStringLiteral("Zweite")));
    writer.addRecord(record(QStringLiteral("Zweite"), 1, 5));
    ListenRow row = header(QStringLiteral("Zweite"));
    writer.finish(row, {}, {});
    QCOMPARE(ListRepository(*db).contents(QStringLiteral("Zweite")).records, 1);
    QCOMPARE(ListRepository(*db).contents(QStringLiteral("Halb")).records, 0);
}

void TestStoreImport::listOperationsTouchOnlyTheirList()
{
    TestDatabase folder;
    auto db = Database::open(folder.holz(), DatabaseKind::Holz);
    for (const QString& name : {QStringLiteral("b"), QStringLiteral("Ä"), QStringLiteral("C")})
        storeList(*db, name, 2);
    ListRepository lists(*db);
    QStringList names;
    for (const ListenRow& row : lists.all(ListenOrder::ListeAsc))
        names << row.Liste;
    QCOMPARE(names, (QStringList{QStringLiteral("Ä"), QStringLiteral("b"), QStringLiteral("C")}));
    names.clear();
    for (const ListenRow& row : lists.all(ListenOrder::ListeDesc))
        names << row.Liste;
    QCOMPARE(names, (QStringList{QStringLiteral("C"), QStringLiteral("b"), QStringLiteral("Ä")}));

    const qint64 b = store::ListRepository(*db).find(QStringLiteral("b"))->Id;
    lists.stampConverted(b, QDate(2026, 3, 4));
    QCOMPARE(store::ListRepository(*db).find(QStringLiteral("b"))->Konvertiert, QDate(2026, 3, 4));
    QVERIFY(!store::ListRepository(*db).find(QStringLiteral("C"))->Konvertiert.isValid());

    lists.renameContents(QStringLiteral("b"), QStringLiteral("d"));
    const ListRepository::Contents moved = lists.contents(QStringLiteral("d"));
    QCOMPARE(moved.records, 2);
    QCOMPARE(moved.samples, 3);
    QCOMPARE(moved.storageRows, 1);
    const ListRepository::Contents left = lists.contents(QStringLiteral("b"));
    QCOMPARE(left.records + left.samples + left.storageRows, 0);
    QCOMPARE(lists.contents(QStringLiteral("C")).records, 2);
    QCOMPARE(lists.contents(QStringLiteral("C")).samples, 3);
    // The header row is the caller's.
    QVERIFY(store::ListRepository(*db).exists(QStringLiteral("b")));
}

QTEST_GUILESS_MAIN(TestStoreImport)
#include "tst_store_import.moc"
