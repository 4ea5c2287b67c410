// SPDX-License-Identifier: GPL-3.0-or-later
// The report program's working copy and the stack samples, through their
// repositories; rows are written through record sets, so the cases hold for
// any engine behind them.
#include "store/DbError.h"
#include "store/HolzRow.h"
#include "store/ListRepository.h"
#include "store/MantelSamples.h"
#include "store/RecordSet.h"
#include "store/Transaction.h"
#include "store/WorkCopyRepository.h"
#include "tests/store/ListFixture.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QTest>

using namespace store;

namespace {

using fixture::Log;

struct Databases {
    TestDatabase folder;
    std::unique_ptr<Database> holz =
        Database::open(folder.holz(), DatabaseKind::Holz);
    std::unique_ptr<Database> work =
        Database::open(folder.file(QStringLiteral("vorl.db")), DatabaseKind::Work);

    qint64 addList(const QString& name) { return fixture::addList(*holz, name); }
    QList<qint64> addLogs(const QString& list, const QList<Log>& logs)
    {
        return fixture::addLogs(*holz, list, logs);
    }

    // Single logs and assortments of two lots, entered out of order.
    void mixedList(const QString& name)
    {
        addList(name);
        addLogs(name,
                {Log{.los = 2, .nummer = 3}, Log{.los = 1, .holzart = QStringLiteral("Kiefer"), .laenge = 5},
                 Log{.los = 1, .nummer = 7}, Log{.los = 2, .holzart = QStringLiteral("Buche"), .laenge = 3},
                 Log{.los = 1, .holzart = QStringLiteral("Buche"), .laenge = 4}, Log{.los = 1, .nummer = 2},
                 Log{.los = 2, .holzart = QStringLiteral("Ahorn"), .laenge = 6}});
    }
};

QStringList keys(const QList<WorkRow>& rows)
{
    QStringList list;
    for (const auto& row : rows)
        list << QStringLiteral("%1/%2/%3/%4").arg(row.Los).arg(row.Nummer).arg(row.Holzart).arg(row.Laenge);
    return list;
}

QStringList names(const QList<ListenRow>& lists)
{
    QStringList list;
    for (const auto& row : lists)
        list << row.Liste;
    return list;
}

QList<int> diameters(const QList<MantelRow>& samples)
{
    QList<int> list;
    for (const auto& sample : samples)
        list << sample.Durchm;
    return list;
}

} // namespace

class TestStoreWork : public QObject {
    Q_OBJECT

private slots:
    void copyTakesSingleLogsThenAssortments()
    {
        Databases db;
        db.mixedList(QStringLiteral("Probe"));
        db.addList(QStringLiteral("Andere"));
        db.addLogs(QStringLiteral("Andere"), {Log{.nummer = 1}});
        WorkCopyRepository work(*db.work);

        // The list's name in other case is the same list.
        QCOMPARE(work.copyList(*db.holz, QStringLiteral("probe")), 7);
        QCOMPARE(keys(work.rows()),
                 (QStringList{QStringLiteral("1/2/Fichte/4"), QStringLiteral("1/7/Fichte/4"),
                              QStringLiteral("2/3/Fichte/4"), QStringLiteral("1/0/Buche/4"),
                              QStringLiteral("1/0/Kiefer/5"), QStringLiteral("2/0/Buche/3"),
                              QStringLiteral("2/0/Ahorn/6")}));
        QCOMPARE(work.count(), 7);
        QCOMPARE(work.lots(), (QList<int>{1, 2}));

        // One lot: single logs by number, the rest by species first.
        QCOMPARE(work.copyList(*db.holz, QStringLiteral("Probe"), 2), 3);
        QCOMPARE(keys(work.rows()),
                 (QStringList{QStringLiteral("2/3/Fichte/4"), QStringLiteral("2/0/Ahorn/6"),
                              QStringLiteral("2/0/Buche/3")}));
        QCOMPARE(work.lots(), QList<int>{2});

        // Another list replaces the content.
        QCOMPARE(work.copyList(*db.holz, QStringLiteral("Andere")), 1);
        QCOMPARE(work.rows().first().Liste, QStringLiteral("Andere"));
        QCOMPARE(work.count(), 1);
        QCOMPARE(work.copyList(*db.holz, QStringLiteral("Keine")), 0);
        QCOMPARE(work.count(), 0);
        QVERIFY(work.lots().isEmpty());
    }

    void copyCarriesThePrintedColumns()
    {
        Databases db;
        db.addList(QStringLiteral("P"));
        RecordSet<HolzRow> records(*db.holz, holzTable());
        HolzRow row;
        row.Liste = QStringLiteral("P");
        row.Nummer = 12;
        row.Einzelstamm = true;
        row.Los = 0;
        row.Holzart = QStringLiteral("Lärche");
        row.Sorte = QStringLiteral("L ");
        row.Staerke = QStringLiteral("3a");
        row.Guete = QStringLiteral("C ");
        row.Laenge = 12.5;
        row.Durchm = 33;
        row.Stueck = 1;
        row.Rinde = QStringLiteral("r");
        row.RindenAbzug = 1.5;
        row.Kubatur = 1.07;
        row.Folgestamm = true;
        records.addNew(row);
        row.Nummer = 13;
        row.Folgestamm = false;
        row.Klammerstamm = true;
        records.addNew(row);

        WorkCopyRepository work(*db.work);
        work.copyList(*db.holz, QStringLiteral("P"));
        const QList<WorkRow> rows = work.rows();
        QCOMPARE(rows.size(), 2);
        const WorkRow& first = rows.first();
        QCOMPARE(first.Holzart, QStringLiteral("Lärche"));
        QCOMPARE(first.Nummer, 12);
        QCOMPARE(first.Los, 0);
        QCOMPARE(first.Stueck, 1.0);
        QCOMPARE(first.Laenge, 12.5);
        QCOMPARE(first.Durchm, 33.0);
        QCOMPARE(first.Sorte, QStringLiteral("L "));
        QCOMPARE(first.Staerke, QStringLiteral("3a"));
        QCOMPARE(first.Guete, QStringLiteral("C "));
        QCOMPARE(first.Kubatur, 1.07);
        // The deduction that was applied, not the bark choice.
        QCOMPARE(first.Rinde, 1.5);
        QCOMPARE(first.Liste, QStringLiteral("P"));
        QVERIFY(first.optionLangholz);
        QVERIFY(first.Folgestamm);
        QVERIFY(!first.Klammerstamm);
        QVERIFY(!rows.last().Folgestamm);
        QVERIFY(rows.last().Klammerstamm);
        QCOMPARE(work.lots(), QList<int>{0});
    }

    void assortmentsByLengthAssortmentGradeDiameter()
    {
        Databases db;
        db.addList(QStringLiteral("Sortimente"));
        db.addLogs(
            QStringLiteral("Sortimente"),
            {Log{.sorte = QStringLiteral("L "), .guete = QStringLiteral("C "), .durchm = 20},
             Log{.sorte = QStringLiteral("IL"), .guete = QStringLiteral("C "), .durchm = 20},
             Log{.sorte = QStringLiteral("L "), .guete = QStringLiteral("B "), .durchm = 40},
             Log{.sorte = QStringLiteral("L "), .guete = QStringLiteral("B "), .durchm = 30, .kubatur = 0.7},
             Log{.sorte = QStringLiteral("S "), .guete = QStringLiteral("B "), .laenge = 3},
             // The same keys again: entered later, printed later.
             Log{.sorte = QStringLiteral("L "),
                 .guete = QStringLiteral("B "),
                 .durchm = 30,
                 .kubatur = 0.2}});
        WorkCopyRepository work(*db.work);
        work.copyList(*db.holz, QStringLiteral("Sortimente"));
        QStringList order;
        for (const auto& row : work.rows()) {
            QVERIFY(!row.optionLangholz);
            order << row.Sorte.trimmed() + row.Guete.trimmed() + QString::number(row.Durchm) +
                         QLatin1Char('/') + QString::number(row.Kubatur);
        }
        QCOMPARE(order, (QStringList{QStringLiteral("SB30/0.5"), QStringLiteral("ILC20/0.5"),
                                     QStringLiteral("LB30/0.7"), QStringLiteral("LB30/0.2"),
                                     QStringLiteral("LB40/0.5"), QStringLiteral("LC20/0.5")}));
    }

    void failedCopyKeepsThePreviousContent()
    {
        if (TestDatabase::serverRun())
            QSKIP("on a server the master data shares the list database, so the failing read cannot be staged");
        Databases db;
        db.mixedList(QStringLiteral("Probe"));
        auto master = Database::open(db.folder.master(), DatabaseKind::MasterData);
        WorkCopyRepository work(*db.work);
        work.copyList(*db.holz, QStringLiteral("Probe"));
        const QStringList before = keys(work.rows());
        // The master data has no records: the read fails after the copy was emptied.
        QVERIFY_THROWS_EXCEPTION(DbError, work.copyList(*master, QStringLiteral("Probe")));
        QCOMPARE(keys(work.rows()), before);
        QCOMPARE(work.count(), 7);
    }

    void olderWorkingCopyGetsItsColumns()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("vorl.db"));
        {
            auto db = Database::open(path, DatabaseKind::Work);
            db->exec(
                "DROP TABLE Holz; CREATE TABLE Holz (Holzart TEXT, Nummer INTEGER, Los INTEGER, Stueck REAL, "
                "Laenge REAL, Durchm REAL, Sorte TEXT, Staerke TEXT, Guete TEXT, Kubatur REAL, Rinde "
                "INTEGER, "
                "Liste TEXT, optionLangholz INTEGER); INSERT INTO Holz (Holzart, Kubatur) VALUES ('Fichte', "
                "1.5);");
        }
        auto db = Database::open(path, DatabaseKind::Work);
        WorkCopyRepository work(*db);
        QVERIFY(work.addMissingColumns());
        QVERIFY(!work.addMissingColumns());
        const auto rows = work.rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().Kubatur, 1.5);
        QCOMPARE(rows.first().Folgestamm, false);
        QCOMPARE(rows.first().Klammerstamm, false);
        // A fresh copy has them from the start.
        Databases fresh;
        QVERIFY(!WorkCopyRepository(*fresh.work).addMissingColumns());
    }

    void listsInOrderAndByTheirId()
    {
        Databases db;
        const qint64 beta = db.addList(QStringLiteral("Beta"));
        db.addList(QStringLiteral("alpha"));
        db.addList(QStringLiteral("gamma"));
        db.addList(QStringLiteral("Äsche"));
        // Without regard to case, umlauts with their letter.
        QCOMPARE(names(ListRepository(*db.holz).all(ListenOrder::ListeDesc)),
                 (QStringList{QStringLiteral("gamma"), QStringLiteral("Beta"), QStringLiteral("Äsche"),
                              QStringLiteral("alpha")}));
        QCOMPARE(names(ListRepository(*db.holz).all(ListenOrder::ListeAsc)),
                 (QStringList{QStringLiteral("alpha"), QStringLiteral("Äsche"), QStringLiteral("Beta"),
                              QStringLiteral("gamma")}));

        // By id: the header as stored now.
        RecordSet<ListenRow> lists(*db.holz, listenTable());
        ListenRow changed = ListRepository(*db.holz).byId(beta).value();
        QCOMPARE(changed.Id, beta);
        changed.Name = QStringLiteral("Säge Nord");
        changed.Kubatur = 12.5;
        lists.open("SELECT Id FROM Listen WHERE Id = ?", {beta});
        lists.update(changed);
        const auto reread = ListRepository(*db.holz).byId(beta);
        QVERIFY(reread);
        QCOMPARE(reread->Liste, QStringLiteral("Beta"));
        QCOMPARE(reread->Name, QStringLiteral("Säge Nord"));
        QCOMPARE(reread->Kubatur, 12.5);
        QCOMPARE(ListRepository(*db.holz).byId(beta + 100), std::nullopt);
        QVERIFY(ListRepository(*Databases().holz).all(ListenOrder::ListeDesc).isEmpty());
    }

    void samplesOfARecordInTheirOrder()
    {
        Databases db;
        db.addList(QStringLiteral("Polter"));
        const QList<qint64> stacks =
            db.addLogs(QStringLiteral("Polter"),
                       {Log{.sorte = QStringLiteral("S ")}, Log{.sorte = QStringLiteral("S ")}});
        RecordSet<MantelRow> mantel(*db.holz, mantelTable());
        const auto add = [&](qint64 holzId, int durchm, int indx) {
            MantelRow row;
            row.Liste = QStringLiteral("Polter");
            row.HolzId = holzId;
            row.Durchm = durchm;
            row.Kubatur = durchm / 100.0;
            row.Indx = indx;
            mantel.addNew(row);
        };
        add(stacks[0], 32, 1);
        add(stacks[1], 50, 0);
        add(stacks[0], 30, 0);
        add(stacks[0], 34, 2);
        add(stacks[0], 36, 3);

        MantelSamples samples(*db.holz);
        QCOMPARE(diameters(samples.ofRecord(stacks[0])), (QList<int>{30, 32, 34, 36}));
        QCOMPARE(samples.ofRecord(stacks[0]).first().Kubatur, 0.30);
        QCOMPARE(samples.ofRecord(stacks[0]).first().HolzId, stacks[0]);
        QCOMPARE(diameters(samples.ofRecord(stacks[1])), QList<int>{50});
        QVERIFY(samples.ofRecord(0).isEmpty());

        // The gap closes behind a removed sample; the other stack keeps its own.
        Transaction transaction(*db.holz);
        samples.remove(stacks[0], 1);
        transaction.commit();
        const QList<MantelRow> left = samples.ofRecord(stacks[0]);
        QCOMPARE(diameters(left), (QList<int>{30, 34, 36}));
        QCOMPARE(left.at(0).Indx, 0);
        QCOMPARE(left.at(1).Indx, 1);
        QCOMPARE(left.at(2).Indx, 2);
        QCOMPARE(diameters(samples.ofRecord(stacks[1])), QList<int>{50});
        QCOMPARE(samples.ofRecord(stacks[1]).first().Indx, 0);

        // A removal the caller takes back leaves the samples as they were.
        {
            Transaction undone(*db.holz);
            samples.remove(stacks[0], 0);
        }
        QCOMPARE(diameters(samples.ofRecord(stacks[0])), (QList<int>{30, 34, 36}));
    }

    void olderListDatabaseKeepsItsSamples()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Holz.db"));
        {
            // A list database as the first version wrote it: samples by number.
            auto db = Database::open(path, DatabaseKind::Holz);
            db->exec(
                "DROP TRIGGER HolzMantelLoeschen; DROP TRIGGER HolzMantelListe; DROP INDEX MantelHolz;"
                "ALTER TABLE Mantel DROP COLUMN HolzId; DROP TRIGGER LagerFotoLoeschen; DROP TABLE LagerFoto;"
                "PRAGMA user_version=1;");
            db->exec(
                "INSERT INTO Holz (Liste, Nummer, Einzelstamm, Stamm, Id) VALUES"
                " ('A', 0, 0, '1', 1), ('A', 7, 1, '1', 2), ('A', 7, 0, 'Mantl', 3), ('B', 0, 0, '1', 4);"
                "INSERT INTO Mantel (Liste, StapelNr, Durchm, Kubatur, Indx) VALUES"
                " ('A', 0, 30, 0.28, 0), ('A', 7, 31, 0.3, 0), ('b', 0, 32, 0.32, 0), ('C', 1, 33, 0.34, "
                "0);");
        }
        auto db = Database::open(path, DatabaseKind::Holz);
        QCOMPARE(db->schemaVersion(), 3);
        Statement st = db->prepare("SELECT Durchm, HolzId FROM Mantel ORDER BY Durchm");
        QList<QList<qint64>> rows;
        while (st.step())
            rows << QList<qint64>{st.int64(0), st.isNull(1) ? -1 : st.int64(1)};
        st.reset();
        // The stack of number 7 measured by samples wins over the single log of
        // that number; a list name in other case is the same list; samples
        // without a record are kept.
        QCOMPARE(rows, (QList<QList<qint64>>{{30, 1}, {31, 3}, {32, 4}, {33, -1}}));
        db->exec("DELETE FROM Holz WHERE Id = 3");
        Statement count = db->prepare("SELECT count(*) FROM Mantel");
        QVERIFY(count.step());
        QCOMPARE(count.integer(0), 3);
    }
};

QTEST_GUILESS_MAIN(TestStoreWork)
#include "tst_store_work.moc"
