// SPDX-License-Identifier: GPL-3.0-or-later
// Several programs writing one list at the same time, each as its own
// process through the command line, as scripts and a second workstation do.
#include "store/Database.h"
#include "tests/store/TestDatabase.h"

#include <QProcess>
#include <QTest>

#include <cmath>

using namespace store;

namespace {

const QString Shared = QStringLiteral("Gemeinsam");

} // namespace

class TestStoreProcesses : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<TestDatabase>(); }
    void threeWritersAndAnImportShareOneDatabase();

private:
    QString data() const { return m_folder->file(QStringLiteral("daten")); }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STEMMO_SETTINGS"), m_folder->file(QStringLiteral("Stemmo.ini")));
        // On a server the programs share its database; the data folder keeps only what stays on the PC.
        env.remove(QStringLiteral("STEMMO_DATABASE"));
        if (m_folder->onServer())
            env.insert(QStringLiteral("STEMMO_DATABASE"), m_folder->holz());
        return env;
    }
    int stemmo(const QStringList& args)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral(STEMMO_PROGRAM), QStringList{QStringLiteral("--data"), data()} + args);
        process.waitForFinished(60000);
        return process.exitCode();
    }
    // A writer: `count` records added one command after the other, each
    // command a process of its own. Prints each failure's message.
    void startWriter(QProcess& process, int count, const QString& diameter)
    {
        const QString command = QStringLiteral("for i in $(seq %1); do \"$0\" --data \"$1\" add \"$2\" --length 4 "
                                               "--diameter %2 --species Fichte --guete B --sorte L "
                                               "|| echo \"add $i exit $?\" >&2; done")
                                    .arg(count)
                                    .arg(diameter);
        process.setProcessEnvironment(environment());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), command, QStringLiteral(STEMMO_PROGRAM), data(), Shared});
    }
    std::unique_ptr<TestDatabase> m_folder;
};

void TestStoreProcesses::threeWritersAndAnImportShareOneDatabase()
{
    const int each = 200;
    const int imported = 3000;
    // The file for the import comes from a list exported and deleted again.
    QCOMPARE(stemmo({QStringLiteral("generate"), QStringLiteral("Einlesen"), QString::number(imported)}), 0);
    const QString file = m_folder->file(QStringLiteral("Einlesen.dat"));
    // Random values that the file's columns cannot carry are left out of it
    // with a warning (exit 3); the records are all there.
    const int exported = stemmo({QStringLiteral("export"), QStringLiteral("Einlesen"), QStringLiteral("--format"),
                                 QStringLiteral("eg10"), file});
    QVERIFY2(exported == 0 || exported == 3, qPrintable(QString::number(exported)));
    QCOMPARE(stemmo({QStringLiteral("delete-list"), QStringLiteral("Einlesen")}), 0);
    QCOMPARE(stemmo({QStringLiteral("new-list"), Shared}), 0);

    QProcess writers[3];
    const QString diameters[3] = {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("35")};
    for (int i = 0; i < 3; ++i)
        startWriter(writers[i], each, diameters[i]);
    QProcess importer;
    importer.setProcessEnvironment(environment());
    importer.start(QStringLiteral(STEMMO_PROGRAM), {QStringLiteral("--data"), data(), QStringLiteral("import"), file});

    QVERIFY(importer.waitForFinished(280000));
    const QByteArray importErrors = importer.readAllStandardError();
    // Imported whole, perhaps with the values the file left blank named (exit 3); never locked out.
    QVERIFY2(importer.exitCode() == 0 || importer.exitCode() == 3, importErrors.constData());
    QVERIFY2(!importErrors.contains("gesperrt") && !importErrors.contains("locked"), importErrors.constData());
    for (QProcess& writer : writers) {
        QVERIFY(writer.waitForFinished(280000));
        const QByteArray errors = writer.readAllStandardError();
        // No command failed, none with "locked" or any other message.
        QVERIFY2(errors.isEmpty(), errors.constData());
        QCOMPARE(writer.exitCode(), 0);
    }

    const QString holz = m_folder->onServer() ? m_folder->holz() : m_folder->file(QStringLiteral("daten/Holz.db"));
    auto db = Database::open(holz, DatabaseKind::Holz, OpenMode::ReadOnly);
    auto one = [&](const char* sql, const QString& list) {
        Statement st = db->prepare(sql);
        st.bind(1, list);
        return st.step() ? st.real(0) : -1.0;
    };
    // No record lost, and none stored twice.
    QCOMPARE(one("SELECT count(*) FROM Holz WHERE Liste = ?", Shared), double(3 * each));
    QCOMPARE(one("SELECT count(*) FROM Holz WHERE Liste = ?", QStringLiteral("Einlesen")), double(imported));
    // Log numbers and record numbers unique within the list.
    QCOMPARE(one("SELECT count(DISTINCT Nummer) FROM Holz WHERE Liste = ?", Shared), double(3 * each));
    QCOMPARE(one("SELECT count(DISTINCT SatzNr) FROM Holz WHERE Liste = ?", Shared), double(3 * each));
    QCOMPARE(one("SELECT max(Nummer) FROM Holz WHERE Liste = ?", Shared), double(3 * each));
    // The stored totals are the sums of the records.
    const double volume = std::round(one("SELECT sum(Kubatur) FROM Holz WHERE Liste = ?", Shared) * 100) / 100;
    QCOMPARE(one("SELECT Kubatur FROM Listen WHERE Liste = ?", Shared), volume);
    QCOMPARE(one("SELECT Stueckzahl FROM Listen WHERE Liste = ?", Shared), double(3 * each));
    QCOMPARE(one("SELECT NummerHigh FROM Listen WHERE Liste = ?", Shared), double(3 * each));
}

QTEST_GUILESS_MAIN(TestStoreProcesses)
#include "tst_store_processes.moc"
