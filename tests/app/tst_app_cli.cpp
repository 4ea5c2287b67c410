#include "tests/support/TestFolder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// The stemmo commands for lot rules and options, run as a user runs them.
class TestAppCli : public QObject {
    Q_OBJECT

private slots:
    void lotRulesFromTheCommandLine();
    void optionsFromTheCommandLine();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
        QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    };
    Run stemmo(const QStringList& args);

    testing::TestFolder m_folder;
};

TestAppCli::Run TestAppCli::stemmo(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("STEMMO_SETTINGS"), m_folder.file(QStringLiteral("Stemmo.ini")));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(STEMMO_CLI), QStringList{QStringLiteral("--data"), m_folder.path()} + args);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void TestAppCli::lotRulesFromTheCommandLine()
{
    Run set = stemmo({QStringLiteral("lots"), QStringLiteral("set"), QStringLiteral("201"),
                      QStringLiteral("--holzart"), QStringLiteral("Fichte,Tanne"), QStringLiteral("--guete"),
                      QStringLiteral("B C"), QStringLiteral("--laenge-von"), QStringLiteral("4"),
                      QStringLiteral("--laenge-bis"), QStringLiteral("6")});
    QCOMPARE(set.exitCode, 0);
    QVERIFY(set.out.contains(QStringLiteral("Los vorhanden")));

    const QJsonObject shown = stemmo({QStringLiteral("--json"), QStringLiteral("lots"),
                                      QStringLiteral("show"), QStringLiteral("201")})
                                  .json();
    QCOMPARE(shown.value(QStringLiteral("exists")).toBool(), true);
    QCOMPARE(shown.value(QStringLiteral("Holzart")).toString(), QStringLiteral("Fi,Ta,"));
    QCOMPARE(shown.value(QStringLiteral("Guete")).toString(), QStringLiteral("B,C,"));
    QCOMPARE(shown.value(QStringLiteral("LaengeBis")).toString(), QStringLiteral("6"));
    QCOMPARE(shown.value(QStringLiteral("Sorte")).toString(), QString());

    const auto match = [&](const QString& max, const QString& species, const QString& length) {
        return stemmo({QStringLiteral("--json"), QStringLiteral("lots"), QStringLiteral("match"),
                       QStringLiteral("--max"), max, QStringLiteral("--holzart"), species,
                       QStringLiteral("--sorte"), QStringLiteral("L"), QStringLiteral("--guete"),
                       QStringLiteral("C"), QStringLiteral("--laenge"), length})
            .json()
            .value(QStringLiteral("lot"))
            .toInt();
    };
    QCOMPARE(match(QStringLiteral("201"), QStringLiteral("Fichte"), QStringLiteral("5")), 1);
    QCOMPARE(match(QStringLiteral("201"), QStringLiteral("Fichte"), QStringLiteral("3,9")), 0);
    // Key 202 holds no rule and takes the beech.
    QCOMPARE(match(QStringLiteral("203"), QStringLiteral("Buche"), QStringLiteral("5")), 2);
    QCOMPARE(match(QStringLiteral("0"), QStringLiteral("Buche"), QStringLiteral("5")), -1);

    QVERIFY(stemmo({QStringLiteral("lots")}).out.contains(QStringLiteral("Los 201")));
    QCOMPARE(stemmo({QStringLiteral("lots"), QStringLiteral("delete"), QStringLiteral("201")}).exitCode, 0);
    const Run again = stemmo({QStringLiteral("lots"), QStringLiteral("delete"), QStringLiteral("201")});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains(QStringLiteral("Los nicht vorhanden")));
    QVERIFY(stemmo({QStringLiteral("lots"), QStringLiteral("list")})
                .out.contains(QStringLiteral("Keine Losregeln")));
}

void TestAppCli::optionsFromTheCommandLine()
{
    const QJsonObject fresh = stemmo({QStringLiteral("--json"), QStringLiteral("options")}).json();
    QCOMPARE(fresh.value(QStringLiteral("Sortierung")).toString(), QStringLiteral("1"));
    QCOMPARE(fresh.value(QStringLiteral("RegionIndex")).toString(), QStringLiteral("8"));
    QCOMPARE(fresh.value(QStringLiteral("Konvertierung")).toString(), QStringLiteral("1"));
    QCOMPARE(fresh.value(QStringLiteral("AutoLos")).toString(), QStringLiteral("0"));
    QCOMPARE(fresh.size(), 12);

    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("autolos"), QStringLiteral("112")}).exitCode,
             0);
    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("AutoLos")}).out.trimmed(),
             QStringLiteral("112"));
    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("AutoLos"), QString()}).exitCode, 0);
    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("AutoLos")}).out.trimmed(),
             QStringLiteral("0"));

    // The region by its number; its list position follows.
    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("RegionIndex"), QStringLiteral("6")}).exitCode,
             0);
    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("Region")}).out.trimmed(),
             QStringLiteral("1"));
    QCOMPARE(
        stemmo({QStringLiteral("options"), QStringLiteral("Sortimentsliste"), QStringLiteral("0")}).exitCode,
        0);
    QVERIFY(stemmo({QStringLiteral("options")}).out.contains(QStringLiteral("(Hessen)")));

    for (const QStringList& bad : {QStringList{QStringLiteral("RegionIndex"), QStringLiteral("7")},
                                   QStringList{QStringLiteral("KonvAuto"), QStringLiteral("2")},
                                   QStringList{QStringLiteral("Konvertierung"), QStringLiteral("8")},
                                   QStringList{QStringLiteral("AutoLos"), QStringLiteral("1a")},
                                   QStringList{QStringLiteral("Farbe"), QStringLiteral("1")}}) {
        const Run run = stemmo(QStringList{QStringLiteral("options")} + bad);
        QVERIFY2(run.exitCode == 2, qPrintable(bad.join(QLatin1Char(' '))));
    }
    const QJsonObject after = stemmo({QStringLiteral("--json"), QStringLiteral("options")}).json();
    QCOMPARE(after.value(QStringLiteral("RegionIndex")).toString(), QStringLiteral("6"));
    QCOMPARE(after.value(QStringLiteral("KonvAuto")).toString(), QStringLiteral("1"));
    QCOMPARE(after.value(QStringLiteral("Sortimentsliste")).toString(), QStringLiteral("0"));
}

QTEST_GUILESS_MAIN(TestAppCli)
#include "tst_app_cli.moc"
