// SPDX-License-Identifier: GPL-3.0-or-later
// The operations of the list, record and stack sample repositories, checked
// through their own interface only, so the same cases hold for any engine.
#include "store/Database.h"
#include "store/DbError.h"
#include "store/ListRepository.h"
#include "store/RecordRepository.h"
#include "store/Settings.h"
#include "store/MantelSamples.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QTest>

using namespace store;

namespace {

const QDate Today(2026, 3, 14);

struct Fixture {
    TestDatabase dir;
    std::unique_ptr<Database> db = Database::open(dir.holz(), DatabaseKind::Holz);
    RecordSet<ListenRow> lists{*db, listenTable()};
    RecordSet<HolzRow> holz{*db, holzTable()};
    RecordSet<MantelRow> mantel{*db, mantelTable()};
    RecordSet<LagerRow> lager{*db, lagerTable()};

    qint64 addList(const QString& liste, const QString& name = QString())
    {
        ListenRow row;
        row.Liste = liste;
        row.Name = name;
        row.Los = QStringLiteral(" 1,");
        row.Kubatur = 5;
        row.Konvertiert = QDate(2026, 1, 2);
        return lists.addNew(row);
    }

    qint64 addRecord(const QString& list, int satzNr, int nummer, bool einzelstamm = true)
    {
        HolzRow row;
        row.Liste = list;
        row.SatzNr = satzNr;
        row.Nummer = nummer;
        row.Einzelstamm = einzelstamm;
        row.Los = 1;
        row.Sorte = QStringLiteral("L ");
        row.Guete = QStringLiteral("B ");
        row.Laenge = 4;
        row.Durchm = 30;
        row.Stueck = 1;
        row.Kubatur = 0.5;
        return holz.addNew(row);
    }

    qint64 addSample(qint64 holzId, const QString& list, int indx, int durchm)
    {
        MantelRow row;
        row.Liste = list;
        row.HolzId = holzId;
        row.Indx = indx;
        row.Durchm = durchm;
        return mantel.addNew(row);
    }

    void addStoragePlace(const QString& list)
    {
        LagerRow row;
        row.Liste = list;
        row.Los = 1;
        row.Lagerort = QStringLiteral("Weg");
        lager.addNew(row);
    }

    // The records of a list in entry order.
    QList<HolzRow> records(const QString& list) const
    {
        QList<HolzRow> rows;
        RecordRepository(*db).forEachRecord(list, QStringLiteral("0"), false,
                                            [&](const HolzRow& row) { rows << row; });
        return rows;
    }

    QList<MantelRow> samples(qint64 holzId) const { return MantelSamples(*db).ofRecord(holzId); }

    int storagePlaces(const QString& list)
    {
        Settings settings(dir.file(QStringLiteral("s.ini")));
        TimberStore store(*db, settings);
        store.Listen_Oeffnen(ListenOrder::Unsorted);
        if (!store.moveToList(list))
            return -1;
        store.Lager_Oeffnen();
        return store.Lager.recordCount();
    }
};

QStringList names(const RecordSet<ListenRow>& lists)
{
    QStringList result;
    for (int i = 0; i < lists.recordCount(); ++i)
        result << lists.at(i).Liste;
    return result;
}

} // namespace

class TestStoreRecords : public QObject {
    Q_OBJECT

private slots:
    void listsFoundWithoutRegardToCaseAndInOrder();
    void listTotalsAndStampsWriteOneList();
    void listDeletionTakesEverythingUnderTheName();
    void recordQueriesOfOneList();
    void recordsMovedAndDeletedByTheirIds();
    void totalsAndMergeReadsAndMergeWrites();
    void stackVolumeAndItsMark();
};

void TestStoreRecords::listsFoundWithoutRegardToCaseAndInOrder()
{
    Fixture f;
    const qint64 first = f.addList(QStringLiteral("Müller"), QStringLiteral("b"));
    // A file's NOCASE folds ASCII letters only, so there "MÜLLER" is a second
    // list; the server's collation folds umlauts too and refuses the name.
    const bool server = f.db->onServer();
    if (server)
        QVERIFY_THROWS_EXCEPTION(DbError, f.addList(QStringLiteral("MÜLLER"), QStringLiteral("c")));
    else
        f.addList(QStringLiteral("MÜLLER"), QStringLiteral("c"));
    f.addList(QStringLiteral("Abt"), QStringLiteral("a"));
    f.addList(QStringLiteral("Zaun"), QStringLiteral("d"));
    const ListRepository lists(*f.db);

    // Names that differ only in case are one name; the one stored first wins.
    QCOMPARE(lists.find(QStringLiteral("mÜller"))->Id, first);
    QCOMPARE(lists.find(QStringLiteral("abt"))->Liste, QStringLiteral("Abt"));
    QVERIFY(!lists.find(QStringLiteral("Muller")));
    QVERIFY(lists.exists(QStringLiteral("ZAUN")));
    QVERIFY(!lists.exists(QStringLiteral("Zau")));

    // Equal names keep the order in which they were stored.
    lists.openInOrder(f.lists, ListenOrder::ListeAsc);
    QStringList ascending{QStringLiteral("Abt"), QStringLiteral("Müller"), QStringLiteral("MÜLLER"),
                          QStringLiteral("Zaun")};
    QStringList byNameDescending{QStringLiteral("Zaun"), QStringLiteral("MÜLLER"), QStringLiteral("Müller"),
                                 QStringLiteral("Abt")};
    if (server) {
        ascending.removeOne(QStringLiteral("MÜLLER"));
        byNameDescending.removeOne(QStringLiteral("MÜLLER"));
    }
    QCOMPARE(names(f.lists), ascending);
    lists.openInOrder(f.lists, ListenOrder::NameDesc);
    QCOMPARE(names(f.lists), byNameDescending);
}

void TestStoreRecords::listTotalsAndStampsWriteOneList()
{
    Fixture f;
    f.addList(QStringLiteral("Nord"));
    f.addList(QStringLiteral("Süd"));
    ListRepository lists(*f.db);

    QCOMPARE(lists.lotRegister(QStringLiteral("nord")).value_or(QString()), QStringLiteral(" 1,"));
    QVERIFY(!lists.lotRegister(QStringLiteral("West")));

    lists.storeTotals(QStringLiteral("Nord"), {12.25, 7, 31}, Today);
    ListenRow row = *lists.find(QStringLiteral("Nord"));
    QCOMPARE(row.Kubatur, 12.25);
    QCOMPARE(row.Stueckzahl, 7);
    QCOMPARE(row.NummerHigh, 31);
    QCOMPARE(row.Bearbeitet, Today);
    QVERIFY(row.Konvertiert.isNull());
    QCOMPARE(row.Los, QStringLiteral(" 1,"));

    lists.storeTotals(QStringLiteral("Nord"), {1, 2, 3}, QStringLiteral(" 1, 2,"), Today.addDays(1));
    row = *lists.find(QStringLiteral("Nord"));
    QCOMPARE(row.Kubatur, 1.0);
    QCOMPARE(row.Los, QStringLiteral(" 1, 2,"));
    QCOMPARE(row.Bearbeitet, Today.addDays(1));

    lists.stampChanged(QStringLiteral("Nord"), Today.addDays(2));
    row = *lists.find(QStringLiteral("Nord"));
    QVERIFY(row.Konvertiert.isNull());
    QCOMPARE(row.Bearbeitet, Today.addDays(2));
    QCOMPARE(row.Kubatur, 1.0);

    // The other list is untouched by all of it.
    const ListenRow sued = *lists.find(QStringLiteral("Süd"));
    QCOMPARE(sued.Kubatur, 5.0);
    QCOMPARE(sued.Konvertiert, QDate(2026, 1, 2));
    QVERIFY(sued.Bearbeitet.isNull());
}

void TestStoreRecords::listDeletionTakesEverythingUnderTheName()
{
    Fixture f;
    f.addList(QStringLiteral("Alt"));
    f.addList(QStringLiteral("Rest"));
    f.addRecord(QStringLiteral("Alt"), 1, 1);
    f.addRecord(QStringLiteral("Alt"), 2, 2);
    f.addRecord(QStringLiteral("Rest"), 1, 1);
    // Samples under the list's name alone: what a record takes with it
    // does not count here.
    f.addSample(0, QStringLiteral("Alt"), 1, 30);
    f.addSample(0, QStringLiteral("Rest"), 1, 40);
    f.addStoragePlace(QStringLiteral("Alt"));
    f.addStoragePlace(QStringLiteral("Rest"));
    ListRepository lists(*f.db);
    const RecordRepository records(*f.db);

    {
        // Inside a transaction that is not committed nothing is deleted.
        Transaction transaction(*f.db);
        lists.deleteList(*lists.find(QStringLiteral("Alt")));
    }
    QCOMPARE(records.recordCount(QStringLiteral("Alt")), 2);

    lists.deleteList(*lists.find(QStringLiteral("Alt")));
    QVERIFY(!lists.exists(QStringLiteral("Alt")));
    QCOMPARE(records.recordCount(QStringLiteral("Alt")), 0);
    const QList<MantelRow> samples = f.samples(0);
    QCOMPARE(samples.size(), 1);
    QCOMPARE(samples.at(0).Liste, QStringLiteral("Rest"));
    QCOMPARE(records.recordCount(QStringLiteral("Rest")), 1);
    QCOMPARE(f.storagePlaces(QStringLiteral("Rest")), 1);
    // A new list of the name starts without the old one's storage rows.
    f.addList(QStringLiteral("Alt"));
    QCOMPARE(f.storagePlaces(QStringLiteral("Alt")), 0);
}

void TestStoreRecords::recordQueriesOfOneList()
{
    Fixture f;
    f.addRecord(QStringLiteral("L"), 4, 9);
    const qint64 seven = f.addRecord(QStringLiteral("L"), 2, 7);
    f.addRecord(QStringLiteral("L"), 6, 3, false);
    const qint64 three = f.addRecord(QStringLiteral("L"), 3, 3);
    f.addRecord(QStringLiteral("Andere"), 40, 50);
    const RecordRepository records(*f.db);

    QCOMPARE(records.recordCount(QStringLiteral("L")), 4);
    QCOMPARE(records.recordCount(QStringLiteral("leer")), 0);
    QVERIFY(records.hasRecords(QStringLiteral("L")));
    QVERIFY(!records.hasRecords(QStringLiteral("leer")));
    QCOMPARE(records.highestNumber(QStringLiteral("L")), 9);
    QCOMPARE(records.highestNumber(QStringLiteral("leer")), 0);
    // One above the highest record number, not above the count.
    QCOMPARE(records.nextRecordNumber(QStringLiteral("L")), 7);
    QCOMPARE(records.nextRecordNumber(QStringLiteral("leer")), 1);

    // Only single logs carry a log number that counts; the record itself
    // and other lists are left out.
    QCOMPARE(records.singleLogWithNumber(QStringLiteral("L"), 3), three);
    QCOMPARE(records.singleLogWithNumber(QStringLiteral("L"), 3, three), 0);
    QCOMPARE(records.singleLogWithNumber(QStringLiteral("L"), 7, three), seven);
    QCOMPARE(records.singleLogWithNumber(QStringLiteral("L"), 50), 0);

    // The record set and the stream give the list's records in one order;
    // a list stored as empty reads them as entered.
    records.openRecords(f.holz, QStringLiteral("L"), QStringLiteral("0"), false);
    QList<int> opened;
    for (int i = 0; i < f.holz.recordCount(); ++i)
        opened << f.holz.at(i).SatzNr;
    QCOMPARE(opened, (QList<int>{2, 3, 4, 6}));
    QList<int> streamed;
    records.forEachRecord(QStringLiteral("L"), QStringLiteral("0"), true,
                          [&](const HolzRow& row) { streamed << row.SatzNr; });
    QCOMPARE(streamed, (QList<int>{4, 2, 6, 3}));
}

void TestStoreRecords::recordsMovedAndDeletedByTheirIds()
{
    Fixture f;
    const qint64 a = f.addRecord(QStringLiteral("Von"), 1, 1);
    const qint64 b = f.addRecord(QStringLiteral("Von"), 2, 2);
    const qint64 c = f.addRecord(QStringLiteral("Von"), 3, 3);
    // The target's numbers run past its count: the moved ones follow the highest.
    f.addRecord(QStringLiteral("Nach"), 5, 1);
    RecordRepository records(*f.db);

    records.moveRecords({c, a}, QStringLiteral("Nach"));
    const QList<HolzRow> moved = f.records(QStringLiteral("Nach"));
    QCOMPARE(moved.size(), 3);
    QCOMPARE(moved.at(1).Id, c);
    QCOMPARE(moved.at(1).SatzNr, 6);
    QCOMPARE(moved.at(2).Id, a);
    QCOMPARE(moved.at(2).SatzNr, 7);
    QCOMPARE(f.records(QStringLiteral("Von")).size(), 1);

    records.deleteRecords({b, c});
    QCOMPARE(records.recordCount(QStringLiteral("Von")), 0);
    const QList<HolzRow> left = f.records(QStringLiteral("Nach"));
    QCOMPARE(left.size(), 2);
    QCOMPARE(left.at(1).Id, a);
}

void TestStoreRecords::totalsAndMergeReadsAndMergeWrites()
{
    Fixture f;
    auto add = [&](int los, double laenge, const char* guete, double durchm, double stueck, double kubatur) {
        HolzRow row;
        row.Liste = QStringLiteral("S");
        row.Los = los;
        row.Laenge = laenge;
        row.Guete = QString::fromLatin1(guete);
        row.Durchm = durchm;
        row.Sorte = QStringLiteral("IS");
        row.Stueck = stueck;
        row.Kubatur = kubatur;
        row.Folgestamm = los == 2;
        return f.holz.addNew(row);
    };
    const qint64 late = add(2, 3, "B ", 20, 4, 1.5);
    const qint64 longer = add(1, 5, "B ", 20, 1, 0.5);
    const qint64 worse = add(1, 3, "C ", 10, 1, 0.25);
    const qint64 thick = add(1, 3, "B ", 40, 2, 0.75);
    const qint64 thin = add(1, 3, "B ", 20, 3, 1.25);
    f.addRecord(QStringLiteral("T"), 1, 1);
    RecordRepository records(*f.db);

    QList<RecordRepository::TotalsFields> totals;
    records.forEachTotalsFields(QStringLiteral("S"),
                                [&](const RecordRepository::TotalsFields& fields) { totals << fields; });
    QCOMPARE(totals.size(), 5);
    double volume = 0;
    double pieces = 0;
    for (const auto& fields : totals) {
        volume += fields.kubatur;
        pieces += fields.stueck;
        QCOMPARE(fields.sorte, QStringLiteral("IS"));
        QCOMPARE(fields.folgestamm, fields.los == 2);
    }
    QCOMPARE(volume, 4.25);
    QCOMPARE(pieces, 11.0);

    // Lot, length, grade, diameter.
    QList<qint64> order;
    records.forEachInMergeOrder(QStringLiteral("S"), [&](const RecordRepository::MergeFields& fields) {
        order << fields.id;
        if (fields.id == thin) {
            QCOMPARE(fields.laenge, 3.0);
            QCOMPARE(fields.durchm, 20.0);
            QCOMPARE(fields.guete, QStringLiteral("B "));
            QCOMPARE(fields.stueck, 3.0);
            QCOMPARE(fields.kubatur, 1.25);
            QVERIFY(!fields.einzelstamm);
            QVERIFY(!fields.sampleMeasured);
        }
    });
    QCOMPARE(order, (QList<qint64>{thin, thick, worse, longer, late}));

    records.storeMerged({{thin, 5, 2.08}, {late, 9, 3.5}});
    const QList<HolzRow> rows = f.records(QStringLiteral("S"));
    QCOMPARE(rows.at(4).Stueck, 5.0);
    QCOMPARE(rows.at(4).Kubatur, 2.08);
    QCOMPARE(rows.at(0).Stueck, 9.0);
    QCOMPARE(rows.at(3).Kubatur, 0.75);
    QCOMPARE(rows.at(3).Id, thick);
}

void TestStoreRecords::stackVolumeAndItsMark()
{
    Fixture f;
    const qint64 stack = f.addRecord(QStringLiteral("P"), 1, 0, false);
    f.addRecord(QStringLiteral("P"), 2, 0, false);
    RecordRepository records(*f.db);

    const auto before = records.setStackVolume(stack, 2.75, true);
    QVERIFY(before);
    QCOMPARE(before->list, QStringLiteral("P"));
    QCOMPARE(before->kubatur, 0.5);
    HolzRow row = f.records(QStringLiteral("P")).at(0);
    QCOMPARE(row.Kubatur, 2.75);
    QVERIFY(row.isSampleMeasured());
    QCOMPARE(records.setStackVolume(stack, 0.5, false)->kubatur, 2.75);
    row = f.records(QStringLiteral("P")).at(0);
    QCOMPARE(row.Stamm, QStringLiteral("1"));
    QCOMPARE(row.Kubatur, 0.5);
    QVERIFY(!records.setStackVolume(999, 1, true));
}

QTEST_GUILESS_MAIN(TestStoreRecords)
#include "tst_store_records.moc"
