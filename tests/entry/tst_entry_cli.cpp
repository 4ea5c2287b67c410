// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestEntryCli : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<testing::TestFolder>(); }
    void newListCleansAndChecksTheName();
    void addChecksAndSaves();
    void addRefusesAnIncompleteRecord();
    void decimalBarkDeduction();
    void renameAndDelete();
    void sortimentMergesEqualRecords();
    void statistikPrintsTheTable();

private:
    Run stemmo(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STEMMO_SETTINGS"), m_folder->file(QStringLiteral("Stemmo.ini")));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(STEMMO_PROGRAM),
                      QStringList{QStringLiteral("--data"), m_folder->file(QStringLiteral("daten"))} + args);
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    std::unique_ptr<testing::TestFolder> m_folder;
};

void TestEntryCli::newListCleansAndChecksTheName()
{
    Run run = stemmo({QStringLiteral("new-list"), QStringLiteral("12. 3,4"), QStringLiteral("--name"),
                      QStringLiteral("Huber")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), QStringLiteral("Liste '1234' angelegt."));
    run = stemmo({QStringLiteral("new-list"), QStringLiteral("1234")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Liste schon vorhanden")), qPrintable(run.err));
    run = stemmo({QStringLiteral("new-list"), QStringLiteral("5"), QStringLiteral("--datum"),
                  QStringLiteral("30.02.2024")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("ungültig")));
}

void TestEntryCli::addChecksAndSaves()
{
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("7")}).exitCode, 0);
    const QStringList log = {
        QStringLiteral("add"),       QStringLiteral("7"),          QStringLiteral("--length"),
        QStringLiteral("4"),         QStringLiteral("--diameter"), QStringLiteral("25"),
        QStringLiteral("--species"), QStringLiteral("fichte"),     QStringLiteral("--guete"),
        QStringLiteral("B"),         QStringLiteral("--sorte"),    QStringLiteral("L")};
    Run run = stemmo(log);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("0.18 fm")), qPrintable(run.out));
    run = stemmo({QStringLiteral("add"), QStringLiteral("7"), QStringLiteral("--length"), QStringLiteral("4"),
                  QStringLiteral("--diameter"), QStringLiteral("30"), QStringLiteral("--sortiment"),
                  QStringLiteral("--pieces"), QStringLiteral("12"), QStringLiteral("--los"),
                  QStringLiteral("3")});
    QCOMPARE(run.exitCode, 0);

    run = stemmo({QStringLiteral("--json"), QStringLiteral("records"), QStringLiteral("7")});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Holzart")).toString(), QStringLiteral("Fichte"));
    QCOMPARE(rows.at(1).toObject().value(QStringLiteral("Nr*St")).toString(), QStringLiteral("*12"));

    run = stemmo({QStringLiteral("totals"), QStringLiteral("7")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Liste '7'\nKubatur ges.= 3.14 fm\nStückzahl = 13\n")),
             qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral("Los 3 = 2.96 fm 12 Stück")));
}

void TestEntryCli::addRefusesAnIncompleteRecord()
{
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("7")}).exitCode, 0);
    Run run = stemmo({QStringLiteral("add"), QStringLiteral("7"), QStringLiteral("--length"),
                      QStringLiteral("40"), QStringLiteral("--diameter"), QStringLiteral("25")});
    QCOMPARE(run.exitCode, 1);
    const qsizetype length = run.err.indexOf(QStringLiteral("Länge > 35 m"));
    const qsizetype grade = run.err.indexOf(QStringLiteral("Güte eingeben"));
    const qsizetype species = run.err.indexOf(QStringLiteral("Holzart eingeben"));
    QVERIFY2(length >= 0 && length < grade && grade < species, qPrintable(run.err));
    QVERIFY(run.out.isEmpty());

    run = stemmo({QStringLiteral("add"), QStringLiteral("7"), QStringLiteral("--length"), QStringLiteral("4"),
                  QStringLiteral("--diameter"), QStringLiteral("25"), QStringLiteral("--species"),
                  QStringLiteral("Palme")});
    QCOMPARE(run.exitCode, 2);
    run = stemmo({QStringLiteral("records"), QStringLiteral("7")});
    QCOMPARE(run.out.count(QLatin1Char('\n')), 1); // the heading only
}

void TestEntryCli::decimalBarkDeduction()
{
    const QStringList log{QStringLiteral("--length"),   QStringLiteral("4"),
                          QStringLiteral("--diameter"), QStringLiteral("30"),
                          QStringLiteral("--species"),  QStringLiteral("Fichte")};
    Run run =
        stemmo(QStringList{QStringLiteral("volume"), QStringLiteral("--abzug"), QStringLiteral("0,5")} + log);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Kubatur 0.27 fm")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("RindenAbzug 0.5 cm")), qPrintable(run.out));

    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("7")}).exitCode, 0);
    const QStringList add =
        QStringList{QStringLiteral("add"), QStringLiteral("7"),       QStringLiteral("--guete"),
                    QStringLiteral("B"),   QStringLiteral("--sorte"), QStringLiteral("L")} +
        log;
    run = stemmo(add + QStringList{QStringLiteral("--abzug"), QStringLiteral("12")});
    QCOMPARE(run.exitCode, 2);
    run = stemmo(add + QStringList{QStringLiteral("--abzug"), QStringLiteral("2,5")});
    QCOMPARE(run.exitCode, 0);
    run = stemmo({QStringLiteral("--json"), QStringLiteral("records"), QStringLiteral("7")});
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Rinde")).toString(), QStringLiteral("2.5"));
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Kubatur")).toString(), QStringLiteral("0.24"));
}

void TestEntryCli::renameAndDelete()
{
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("Alt")}).exitCode, 0);
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("Andere")}).exitCode, 0);
    Run run = stemmo({QStringLiteral("rename"), QStringLiteral("Alt"), QStringLiteral("andere")});
    QCOMPARE(run.exitCode, 1);
    run = stemmo({QStringLiteral("rename"), QStringLiteral("Alt"), QStringLiteral("Neu 2")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.trimmed(), QStringLiteral("Liste 'Alt' heißt jetzt 'Neu2'."));
    run = stemmo({QStringLiteral("delete-list"), QStringLiteral("Neu2")});
    QCOMPARE(run.exitCode, 0);
    run = stemmo({QStringLiteral("delete-list"), QStringLiteral("Neu2")});
    QCOMPARE(run.exitCode, 1);
    run = stemmo({QStringLiteral("--json"), QStringLiteral("lists")});
    const QJsonArray lists = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(lists.size(), 1);
    QCOMPARE(lists.at(0).toObject().value(QStringLiteral("Liste")).toString(), QStringLiteral("Andere"));
}

void TestEntryCli::sortimentMergesEqualRecords()
{
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("7")}).exitCode, 0);
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("leer")}).exitCode, 0);
    for (int i = 0; i < 3; ++i) {
        const Run add =
            stemmo({QStringLiteral("add"), QStringLiteral("7"), QStringLiteral("--length"),
                    QStringLiteral("4"), QStringLiteral("--diameter"), QStringLiteral("25"),
                    QStringLiteral("--species"), QStringLiteral("Fichte"), QStringLiteral("--guete"),
                    QStringLiteral("B"), QStringLiteral("--sorte"), QStringLiteral("L"),
                    QStringLiteral("--sortiment"), QStringLiteral("--pieces"), QStringLiteral("1")});
        QCOMPARE(add.exitCode, 0);
    }
    Run run = stemmo({QStringLiteral("sortiment"), QStringLiteral("7")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(
        run.out.contains(QStringLiteral("1 Sortimente aus 3 Datensätzen gebildet, 1 Datensätze bleiben")),
        qPrintable(run.out));
    run = stemmo({QStringLiteral("--json"), QStringLiteral("records"), QStringLiteral("7")});
    const QJsonArray rows = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).toObject().value(QStringLiteral("Nr*St")).toString(), QStringLiteral("*3"));

    run = stemmo({QStringLiteral("sortiment"), QStringLiteral("leer")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Liste enhält keine Daten")), qPrintable(run.err));
    run = stemmo({QStringLiteral("sortiment"), QStringLiteral("fehlt")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Liste 'fehlt' nicht vorhanden")), qPrintable(run.err));
}

void TestEntryCli::statistikPrintsTheTable()
{
    QCOMPARE(stemmo({QStringLiteral("new-list"), QStringLiteral("S1")}).exitCode, 0);
    const auto add = [&](const char* diameter, const char* species, const char* grade) {
        return stemmo({QStringLiteral("add"), QStringLiteral("S1"), QStringLiteral("--length"),
                       QStringLiteral("4"), QStringLiteral("--diameter"), QLatin1String(diameter),
                       QStringLiteral("--species"), QLatin1String(species), QStringLiteral("--guete"),
                       QLatin1String(grade), QStringLiteral("--sorte"), QStringLiteral("L")})
            .exitCode;
    };
    QCOMPARE(add("25", "Fichte", "B"), 0);
    QCOMPARE(add("25", "Fichte", "B"), 0);
    QCOMPARE(add("40", "Buche", "C"), 0);

    Run run = stemmo({QStringLiteral("statistik"), QStringLiteral("S1")});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("Sortenzusammenstellung zu Holzliste S1"));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("Holzart")), qPrintable(run.out));
    QVERIFY2(lines.at(2).simplified() == QStringLiteral("Fichte L 2a B 2 0,36"), qPrintable(run.out));
    QVERIFY2(lines.last().simplified() == QStringLiteral("Gesamt 3 0,84"), qPrintable(run.out));
    // Numbers stand right-aligned: every line ends in the same column.
    QCOMPARE(lines.at(2).size(), lines.last().size());

    run = stemmo({QStringLiteral("--json"), QStringLiteral("statistik"), QStringLiteral("S1")});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(json.value(QStringLiteral("stueck")).toInt(), 3);
    QCOMPARE(json.value(QStringLiteral("kubatur")).toDouble(), 0.84);
    QCOMPARE(json.value(QStringLiteral("holzarten")).toArray().size(), 2);

    run = stemmo({QStringLiteral("statistik"), QStringLiteral("fehlt")});
    QCOMPARE(run.exitCode, 1);
}

QTEST_GUILESS_MAIN(TestEntryCli)
#include "tst_entry_cli.moc"
