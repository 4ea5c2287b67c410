// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/StemmoCommand.h"
#include "tests/store/TestDatabase.h"

#include <QTest>

using Run = testing::StemmoCommand::Result;

class TestEntryCli : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDatabase>();
        m_stemmo = std::make_unique<testing::StemmoCommand>(QStringLiteral(STEMMO_PROGRAM),
                                                            m_folder->file(QStringLiteral("daten")),
                                                            m_folder->file(QStringLiteral("Stemmo.ini")));
        if (m_folder->onServer())
            m_stemmo->setDatabase(m_folder->holz());
    }
    void newListCleansAndChecksTheName();
    void addChecksAndSaves();
    void addRefusesAnIncompleteRecord();
    void decimalBarkDeduction();
    void renameAndDelete();
    void sortimentMergesEqualRecords();
    void statistikPrintsTheTable();

private:
    Run stemmo(const char* line) const { return m_stemmo->run(line); }
    Run stemmo(const QStringList& args) const { return m_stemmo->run(args); }

    std::unique_ptr<TestDatabase> m_folder;
    std::unique_ptr<testing::StemmoCommand> m_stemmo;
};

void TestEntryCli::newListCleansAndChecksTheName()
{
    Run run = stemmo({QStringLiteral("new-list"), QStringLiteral("12. 3,4"), QStringLiteral("--name"),
                      QStringLiteral("Huber")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), QStringLiteral("Liste '1234' angelegt."));
    run = stemmo("new-list 1234");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Liste schon vorhanden")), qPrintable(run.err));
    run = stemmo("new-list 5 --datum 30.02.2024");
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("ungültig")));
}

void TestEntryCli::addChecksAndSaves()
{
    QCOMPARE(stemmo("new-list 7").exitCode, 0);
    Run run = stemmo("add 7 --length 4 --diameter 25 --species fichte --guete B --sorte L");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("0.18 fm")), qPrintable(run.out));
    QCOMPARE(stemmo("add 7 --length 4 --diameter 30 --sortiment --pieces 12 --los 3").exitCode, 0);

    run = stemmo("--json records 7");
    QCOMPARE(run.exitCode, 0);
    const QJsonArray rows = run.array();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Holzart")).toString(), QStringLiteral("Fichte"));
    QCOMPARE(rows.at(1).toObject().value(QStringLiteral("Nr*St")).toString(), QStringLiteral("*12"));

    run = stemmo("totals 7");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Liste '7'\nKubatur ges.= 3.14 fm\nStückzahl = 13\n")),
             qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral("Los 3 = 2.96 fm 12 Stück")));
}

void TestEntryCli::addRefusesAnIncompleteRecord()
{
    QCOMPARE(stemmo("new-list 7").exitCode, 0);
    Run run = stemmo("add 7 --length 40 --diameter 25");
    QCOMPARE(run.exitCode, 1);
    const qsizetype length = run.err.indexOf(QStringLiteral("Länge > 35 m"));
    const qsizetype grade = run.err.indexOf(QStringLiteral("Güte eingeben"));
    const qsizetype species = run.err.indexOf(QStringLiteral("Holzart eingeben"));
    QVERIFY2(length >= 0 && length < grade && grade < species, qPrintable(run.err));
    QVERIFY(run.out.isEmpty());

    QCOMPARE(stemmo("add 7 --length 4 --diameter 25 --species Palme").exitCode, 2);
    QCOMPARE(stemmo("records 7").out.count(QLatin1Char('\n')), 1); // the heading only
}

void TestEntryCli::decimalBarkDeduction()
{
    Run run = stemmo("volume --abzug 0,5 --length 4 --diameter 30 --species Fichte");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Kubatur 0.27 fm")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("RindenAbzug 0.5 cm")), qPrintable(run.out));

    QCOMPARE(stemmo("new-list 7").exitCode, 0);
    QCOMPARE(
        stemmo("add 7 --guete B --sorte L --length 4 --diameter 30 --species Fichte --abzug 12").exitCode, 2);
    QCOMPARE(
        stemmo("add 7 --guete B --sorte L --length 4 --diameter 30 --species Fichte --abzug 2,5").exitCode,
        0);
    const QJsonArray rows = stemmo("--json records 7").array();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Rinde")).toString(), QStringLiteral("2.5"));
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Kubatur")).toString(), QStringLiteral("0.24"));
}

void TestEntryCli::renameAndDelete()
{
    QCOMPARE(stemmo("new-list Alt").exitCode, 0);
    QCOMPARE(stemmo("new-list Andere").exitCode, 0);
    QCOMPARE(stemmo("rename Alt andere").exitCode, 1);
    const Run run = stemmo({QStringLiteral("rename"), QStringLiteral("Alt"), QStringLiteral("Neu 2")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), QStringLiteral("Liste 'Alt' heißt jetzt 'Neu2'."));
    QCOMPARE(stemmo("delete-list Neu2").exitCode, 0);
    QCOMPARE(stemmo("delete-list Neu2").exitCode, 1);
    const QJsonArray lists = stemmo("--json lists").array();
    QCOMPARE(lists.size(), 1);
    QCOMPARE(lists.at(0).toObject().value(QStringLiteral("Liste")).toString(), QStringLiteral("Andere"));
}

void TestEntryCli::sortimentMergesEqualRecords()
{
    QCOMPARE(stemmo("new-list 7").exitCode, 0);
    QCOMPARE(stemmo("new-list leer").exitCode, 0);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(
            stemmo(
                "add 7 --length 4 --diameter 25 --species Fichte --guete B --sorte L --sortiment --pieces 1")
                .exitCode,
            0);
    Run run = stemmo("sortiment 7");
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(
        run.out.contains(QStringLiteral("1 Sortimente aus 3 Datensätzen gebildet, 1 Datensätze bleiben")),
        qPrintable(run.out));
    const QJsonArray rows = stemmo("--json records 7").array();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Nr*St")).toString(), QStringLiteral("*3"));

    run = stemmo("sortiment leer");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Liste enhält keine Daten")), qPrintable(run.err));
    run = stemmo("sortiment fehlt");
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Liste 'fehlt' nicht vorhanden")), qPrintable(run.err));
}

void TestEntryCli::statistikPrintsTheTable()
{
    QCOMPARE(stemmo("new-list S1").exitCode, 0);
    QCOMPARE(stemmo("add S1 --length 4 --diameter 25 --species Fichte --guete B --sorte L").exitCode, 0);
    QCOMPARE(stemmo("add S1 --length 4 --diameter 25 --species Fichte --guete B --sorte L").exitCode, 0);
    QCOMPARE(stemmo("add S1 --length 4 --diameter 40 --species Buche --guete C --sorte L").exitCode, 0);

    Run run = stemmo("statistik S1");
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("Sortenzusammenstellung zu Holzliste S1"));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("Holzart")), qPrintable(run.out));
    QVERIFY2(lines.at(2).simplified() == QStringLiteral("Fichte L 2a B 2 0,36"), qPrintable(run.out));
    QVERIFY2(lines.last().simplified() == QStringLiteral("Gesamt 3 0,84"), qPrintable(run.out));
    // Numbers stand right-aligned: every line ends in the same column.
    QCOMPARE(lines.at(2).size(), lines.last().size());

    run = stemmo("--json statistik S1");
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = run.object();
    QCOMPARE(json.value(QStringLiteral("stueck")).toInt(), 3);
    QCOMPARE(json.value(QStringLiteral("kubatur")).toDouble(), 0.84);
    QCOMPARE(json.value(QStringLiteral("holzarten")).toArray().size(), 2);
    QCOMPARE(stemmo("statistik fehlt").exitCode, 1);
}

QTEST_GUILESS_MAIN(TestEntryCli)
#include "tst_entry_cli.moc"
