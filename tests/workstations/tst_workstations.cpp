// SPDX-License-Identifier: GPL-3.0-or-later
// Four workstations on one list of one database for a while: two entry
// screens (the recording program's model, each a process of its own) typing
// logs, and two command-line users adding logs and importing lists. Whatever
// the interleaving, no save may be lost or counted twice, no number reused,
// and the list's stored totals must stay the sums of its records.
//
// On the server named by STEMMO_TEST_DATABASE each workstation has a data
// folder of its own and shares only the server database, as separate PCs do;
// without it they share one data folder's files. STEMMO_WORKSTATION_SECONDS
// sets how long they work (60 by default).
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/DatabaseLocation.h"
#include "store/HolzRow.h"
#include "store/ListRepository.h"
#include "store/ListenRow.h"
#include "store/RecordRepository.h"
#include "tests/support/StemmoCommand.h"
#include "tests/support/TestFolder.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QThread>

#include <cmath>
#include <memory>

namespace {

const QString Shared = QStringLiteral("Gemeinsam");
const int ImportedRecords = 300;

QString arg(const char* text)
{
    return QString::fromLatin1(text);
}

int seconds()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("STEMMO_WORKSTATION_SECONDS", &ok);
    return ok && value > 0 ? value : 60;
}

// What one command-line workstation did.
struct CommandResults {
    int added = 0;
    QStringList importedLists;
    QStringList failures;
};

} // namespace

class TestWorkstations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void fourWorkstationsShareOneList();

private:
    // The environment of workstation `name`: its settings and, on the server, its own data folder.
    QProcessEnvironment environment(const QString& name) const;
    QString dataFolder(const QString& name) const;
    QString settingsFile(const QString& name) const { return m_folder.file(name + QStringLiteral(".ini")); }
    int stemmo(const QString& workstation, const QStringList& args, QString* errors = nullptr) const;
    // Adds a log, and every fifth time imports `file` and gives the list a name of its own,
    // until the time is up.
    CommandResults commandLine(const QString& workstation, const QString& file, const QString& importedName,
                               const QString& diameter, QDeadlineTimer deadline) const;
    bool onServer() const { return !m_database.isEmpty(); }

    testing::TestFolder m_folder;
    QString m_server;   // STEMMO_TEST_DATABASE
    QString m_name;     // the database created for this run
    QString m_database; // its location; empty for files
};

void TestWorkstations::initTestCase()
{
    m_server = qEnvironmentVariable("STEMMO_TEST_DATABASE").trimmed();
    if (m_server.isEmpty())
        return;
    m_name = QStringLiteral("stemmo_workstations_%1_%2")
                 .arg(QCoreApplication::applicationPid())
                 .arg(QDateTime::currentMSecsSinceEpoch());
    QProcess create;
    create.start(QStringLiteral("createdb"), {QStringLiteral("--maintenance-db=") + m_server, m_name});
    QVERIFY2(create.waitForFinished(60000) && create.exitCode() == 0, create.readAllStandardError().constData());
    // A database of its own, so that runs never meet.
    m_database = store::DatabaseLocation(m_server).withDatabase(m_name);
}

void TestWorkstations::cleanupTestCase()
{
    if (m_name.isEmpty())
        return;
    QProcess drop;
    drop.start(QStringLiteral("dropdb"), {QStringLiteral("--maintenance-db=") + m_server, m_name});
    drop.waitForFinished(60000);
}

QString TestWorkstations::dataFolder(const QString& name) const
{
    return m_folder.file(onServer() ? name : QStringLiteral("daten"));
}

QProcessEnvironment TestWorkstations::environment(const QString& name) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("STEMMO_SETTINGS"), settingsFile(name));
    env.remove(QStringLiteral("STEMMO_DATABASE"));
    if (onServer())
        env.insert(QStringLiteral("STEMMO_DATABASE"), m_database);
    return env;
}

int TestWorkstations::stemmo(const QString& workstation, const QStringList& args, QString* errors) const
{
    testing::StemmoCommand command(QStringLiteral(STEMMO_PROGRAM), dataFolder(workstation), settingsFile(workstation));
    command.setDatabase(m_database);
    command.setTimeout(120000);
    const testing::StemmoCommand::Result result = command.run(args);
    if (errors)
        *errors = result.err;
    return result.exitCode;
}

CommandResults TestWorkstations::commandLine(const QString& workstation, const QString& file,
                                             const QString& importedName, const QString& diameter,
                                             QDeadlineTimer deadline) const
{
    CommandResults results;
    QString errors;
    auto failed = [&](const QString& what, int code) {
        results.failures << QStringLiteral("%1: %2 (Exit %3) %4").arg(workstation, what).arg(code).arg(errors);
    };
    for (int round = 1; !deadline.hasExpired(); ++round) {
        if (round % 5 == 0) {
            // Imported whole, perhaps with the values the file left blank named (exit 3).
            int code = stemmo(workstation, {arg("import"), file}, &errors);
            if (code != 0 && code != 3) {
                failed(QStringLiteral("import"), code);
                continue;
            }
            const QString name = QStringLiteral("%1%2").arg(workstation).arg(round);
            code = stemmo(workstation, {arg("rename"), importedName, name}, &errors);
            if (code != 0)
                failed(QStringLiteral("rename"), code);
            else
                results.importedLists << name;
            continue;
        }
        const int code = stemmo(workstation,
                                {arg("add"), Shared, arg("--length"), arg("4"), arg("--diameter"), diameter,
                                 arg("--species"), arg("Fichte"), arg("--guete"), arg("B"), arg("--sorte"), arg("L")},
                                &errors);
        if (code != 0 || !errors.isEmpty())
            failed(QStringLiteral("add"), code);
        if (code == 0)
            ++results.added;
    }
    return results;
}

void TestWorkstations::fourWorkstationsShareOneList()
{
    // The list, and a file for each command-line workstation to import over
    // and over: a generated list exported and deleted again.
    const QString a = QStringLiteral("A");
    const QString b = QStringLiteral("B");
    QCOMPARE(stemmo(a, {arg("init")}), 0);
    QCOMPARE(stemmo(a, {arg("new-list"), Shared}), 0);
    for (const QString& workstation : {a, b}) {
        const QString list = QStringLiteral("Einlesen") + workstation;
        QCOMPARE(stemmo(workstation, {arg("generate"), list, QString::number(ImportedRecords)}), 0);
        // Random values the file's columns cannot carry are left out with a warning (exit 3).
        const int exported = stemmo(workstation, {arg("export"), list, arg("--format"), arg("eg10"),
                                                  m_folder.file(list + QStringLiteral(".dat"))});
        QVERIFY2(exported == 0 || exported == 3, qPrintable(QString::number(exported)));
        QCOMPARE(stemmo(workstation, {arg("delete-list"), list}), 0);
    }

    const QDeadlineTimer deadline(seconds() * 1000);
    QProcess models[2];
    const QString modelNames[2] = {QStringLiteral("M1"), QStringLiteral("M2")};
    for (int i = 0; i < 2; ++i) {
        models[i].setProcessEnvironment(environment(modelNames[i]));
        models[i].start(QStringLiteral(WORKSTATION_MODEL),
                        {dataFolder(modelNames[i]), settingsFile(modelNames[i]), Shared, QString::number(seconds())});
    }
    CommandResults commands[2];
    const QString diameters[2] = {QStringLiteral("31"), QStringLiteral("42")};
    std::unique_ptr<QThread> threads[2];
    for (int i = 0; i < 2; ++i) {
        const QString workstation = i == 0 ? a : b;
        threads[i].reset(QThread::create([&, i, workstation] {
            commands[i] = commandLine(workstation, m_folder.file(QStringLiteral("Einlesen") + workstation + QStringLiteral(".dat")),
                                      QStringLiteral("Einlesen") + workstation, diameters[i], deadline);
        }));
        threads[i]->start();
    }

    const int patience = (seconds() + 120) * 1000;
    int saved = 0;
    QStringList failures, counts;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(models[i].waitForFinished(patience));
        const QByteArray errors = models[i].readAllStandardError();
        if (models[i].exitCode() != 0 || !errors.isEmpty())
            failures << modelNames[i] + QStringLiteral(": ") + QString::fromUtf8(errors);
        const int count = models[i].readAllStandardOutput().trimmed().toInt();
        counts << QStringLiteral("%1 %2").arg(modelNames[i]).arg(count);
        saved += count;
    }
    int imports = 0;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(threads[i]->wait(patience));
        saved += commands[i].added;
        imports += int(commands[i].importedLists.size());
        counts << QStringLiteral("%1 %2+%3").arg(i == 0 ? a : b).arg(commands[i].added).arg(commands[i].importedLists.size());
        failures << commands[i].failures;
    }
    qInfo("%d s: %d logs saved, %d lists imported (%s)", seconds(), saved, imports,
          qPrintable(counts.join(QStringLiteral(", "))));
    // No workstation saw a failure.
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    // Each kind of workstation got its work done meanwhile, not just one of them.
    QVERIFY(saved > 0);
    QVERIFY(commands[0].added > 0 && commands[1].added > 0);

    const store::DataFolder data(dataFolder(a), m_database);
    auto db = store::Database::open(data.holzDb(), store::DatabaseKind::Holz, store::OpenMode::ReadOnly);
    // `logs`: every record a single log with a number of its own.
    auto check = [&](const QString& list, int expected, bool logs) {
        QList<store::HolzRow> rows;
        store::RecordRepository(*db).forEachRecord(list, QString(), true,
                                                   [&](const store::HolzRow& row) { rows << row; });
        // Every save is there once.
        QCOMPARE(rows.size(), expected);
        QSet<int> satzNr, numbers;
        double volume = 0, pieces = 0;
        int highest = 0;
        for (const auto& row : rows) {
            satzNr << row.SatzNr;
            numbers << row.Nummer;
            volume += row.Kubatur;
            pieces += row.Stueck;
            highest = qMax(highest, row.Nummer);
        }
        // Record numbers and log numbers unique within the list.
        QCOMPARE(satzNr.size(), expected);
        if (logs)
            QCOMPARE(numbers.size(), expected);
        // The stored totals are the sums of the records.
        const auto stored = store::ListRepository(*db).find(list);
        QVERIFY(stored);
        QCOMPARE(stored->Kubatur, std::round(volume * 100) / 100);
        QCOMPARE(double(stored->Stueckzahl), pieces);
        QCOMPARE(stored->NummerHigh, highest);
    };
    check(Shared, saved, true);
    for (const CommandResults& done : commands)
        for (const QString& list : done.importedLists)
            check(list, ImportedRecords, false);
}

QTEST_GUILESS_MAIN(TestWorkstations)
#include "tst_workstations.moc"
