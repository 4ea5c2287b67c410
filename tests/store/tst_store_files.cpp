// SPDX-License-Identifier: GPL-3.0-or-later
// Database files as failed copies, full disks, damage and other programs
// leave them: never taken as valid, never written to without a word.
#include "import/DataFolderSetup.h"
#include "store/DatabaseCheck.h"
#include "store/DbError.h"
#include "store/MasterData.h"
#include "store/Transaction.h"
#include "tests/support/TestFolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <chrono>
#include <sqlite3.h>
#include <thread>

using namespace store;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A list database with some records, its log folded into the file.
void fillListDatabase(const QString& path, int records)
{
    auto db = Database::open(path, DatabaseKind::Holz);
    Transaction t(*db);
    Statement insert = db->prepare("INSERT INTO Holz (Liste, SatzNr, Holzart, Zusatztext) VALUES ('P', ?, "
                                   "'Fichte', ?)");
    for (int i = 0; i < records; ++i) {
        insert.bindAll(i + 1, QString(200, QLatin1Char('a' + i % 26)));
        insert.run();
        insert.reset();
    }
    t.commit();
    db->exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

const char* const English[] = {"error", "unable", "locked", "disk", "database"};

} // namespace

class TestStoreFiles : public QObject {
    Q_OBJECT

private slots:
    void emptyListDatabaseIsRefused();
    void masterDataWithoutDataIsFilledAgain_data();
    void masterDataWithoutDataIsFilledAgain();
    void quickCheckReportsDamageAndWritesNothing();
    void errorTextsNameTheCause_data();
    void errorTextsNameTheCause();
    void fullDiskIsNamed();
    void openWaitsForAProgramHoldingTheFile();
};

void TestStoreFiles::emptyListDatabaseIsRefused()
{
    testing::TestFolder dir;
    const store::DataFolder folder(dir.file(QStringLiteral("daten")));
    importer::DataFolderSetup::ensure(folder);
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(folder.holzDb() + QLatin1String(suffix));
    writeFile(folder.holzDb(), {});
    try {
        importer::DataFolderSetup::ensure(folder);
        QFAIL("an empty list database was taken");
    } catch (const DbError& error) {
        QCOMPARE(error.number(), DbError::Damaged);
        QVERIFY2(error.description().contains(QStringLiteral("leer (0 Byte)")), qPrintable(error.description()));
        QVERIFY(error.description().contains(QStringLiteral("Sicherungskopie")));
    }
    QCOMPARE(QFileInfo(folder.holzDb()).size(), 0);
    QVERIFY(!QFileInfo::exists(folder.holzDb() + QStringLiteral("-wal")));
    // The check says the same, and what to do.
    const auto check = DatabaseCheck::run(folder.holzDb(), DatabaseKind::Holz);
    QCOMPARE(check.outcome, DatabaseCheck::Outcome::Damaged);
    QVERIFY(check.message.contains(QStringLiteral("Sicherungskopie von Holz.db")));
}

void TestStoreFiles::masterDataWithoutDataIsFilledAgain_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fehlt") << QStringLiteral("missing");
    QTest::newRow("0 Byte") << QStringLiteral("empty");
    QTest::newRow("ohne Tabellen") << QStringLiteral("tableless");
    QTest::newRow("leere Tabellen") << QStringLiteral("emptyTables");
}

void TestStoreFiles::masterDataWithoutDataIsFilledAgain()
{
    QFETCH(QString, kind);
    testing::TestFolder dir;
    const store::DataFolder folder(dir.file(QStringLiteral("daten")));
    // A new data folder is set up without a word.
    QVERIFY(importer::DataFolderSetup::ensure(folder).messages.isEmpty());
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(folder.masterDb() + QLatin1String(suffix));
    if (kind == QLatin1String("empty")) {
        writeFile(folder.masterDb(), {});
    } else if (kind == QLatin1String("tableless")) {
        sqlite3* db = nullptr;
        sqlite3_open(folder.masterDb().toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE TABLE t (x); DROP TABLE t;", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QVERIFY(QFileInfo(folder.masterDb()).size() > 0);
    } else if (kind == QLatin1String("emptyTables")) {
        Database::open(folder.masterDb(), DatabaseKind::MasterData);
    }

    const auto result = importer::DataFolderSetup::ensure(folder);
    QCOMPARE(result.messages.size(), 1);
    QVERIFY2(result.messages.first().contains(QStringLiteral("aus den mitgelieferten Stammdaten neu angelegt")),
             qPrintable(result.messages.first()));
    auto db = Database::open(folder.masterDb(), DatabaseKind::MasterData);
    const MasterData master(*db);
    QVERIFY(!master.isEmpty());
    // The bark tables are back: volumes get their bark deduction again.
    QVERIFY(!master.barkRows(8).isEmpty());
    QVERIFY(importer::DataFolderSetup::ensure(folder).messages.isEmpty());
}

void TestStoreFiles::quickCheckReportsDamageAndWritesNothing()
{
    testing::TestFolder dir;
    const QString path = dir.file(QStringLiteral("Holz.db"));
    fillListDatabase(path, 400);
    QVERIFY(DatabaseCheck::run(path, DatabaseKind::Holz).ok());
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".defekt")));
    QCOMPARE(DatabaseCheck::run(dir.file(QStringLiteral("fehlt.db")), DatabaseKind::Holz).outcome,
             DatabaseCheck::Outcome::Missing);

    // Garbage over the interior of the table's pages, as a failing disk leaves it.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    for (qint64 page = 3; page * pageSize < file.size(); page += 4) {
        file.seek(page * pageSize + 8);
        file.write(QByteArray(64, '\xA5'));
    }
    file.close();
    const QByteArray damaged = fileHash(path);

    const auto result = DatabaseCheck::run(path, DatabaseKind::Holz);
    QCOMPARE(result.outcome, DatabaseCheck::Outcome::Damaged);
    QVERIFY(!result.findings.isEmpty());
    QCOMPARE(result.keptCopy, path + QStringLiteral(".defekt"));
    QCOMPARE(fileHash(result.keptCopy), damaged);
    QVERIFY(result.message.contains(QStringLiteral("beschädigt")));
    QVERIFY(result.message.contains(QStringLiteral("Holz.db.defekt")));
    QVERIFY(result.message.contains(QStringLiteral("Sicherungskopie")));
    QCOMPARE(fileHash(path), damaged);
    // A second check keeps the first copy.
    QVERIFY(DatabaseCheck::run(path, DatabaseKind::Holz).message.contains(QStringLiteral(".defekt")));
    QCOMPARE(fileHash(result.keptCopy), damaged);
}

void TestStoreFiles::errorTextsNameTheCause_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<QString>("cause");
    QTest::newRow("full") << SQLITE_FULL << 0 << QStringLiteral("Datenträger voll");
    QTest::newRow("fsync on a full disk") << SQLITE_IOERR_FSYNC << ENOSPC << QStringLiteral("Datenträger voll");
    QTest::newRow("write on a full disk") << SQLITE_IOERR_WRITE << ENOSPC << QStringLiteral("Datenträger voll");
    QTest::newRow("read-only file") << SQLITE_READONLY << 0 << QStringLiteral("Keine Schreibberechtigung");
    QTest::newRow("open without permission") << SQLITE_CANTOPEN << EACCES
                                             << QStringLiteral("Keine Schreibberechtigung");
    QTest::newRow("read-only medium") << SQLITE_IOERR_WRITE << EROFS << QStringLiteral("Keine Schreibberechtigung");
    QTest::newRow("busy") << SQLITE_BUSY << 0 << QStringLiteral("von einem anderen Programm gesperrt");
    QTest::newRow("busy snapshot") << SQLITE_BUSY_SNAPSHOT << 0
                                   << QStringLiteral("von einem anderen Programm gesperrt");
    QTest::newRow("missing folder") << SQLITE_CANTOPEN << ENOENT << QStringLiteral("fehlt");
    QTest::newRow("i/o") << SQLITE_IOERR_READ << EIO << QStringLiteral("Lesen oder Schreiben des Datenträgers");
}

void TestStoreFiles::errorTextsNameTheCause()
{
    QFETCH(int, code);
    QFETCH(int, systemError);
    QFETCH(QString, cause);
    const QString text = DbError::describe(code, systemError);
    QVERIFY2(text.contains(cause), qPrintable(text));
    for (const char* word : English)
        QVERIFY2(!text.contains(QLatin1String(word)), qPrintable(text));
}

void TestStoreFiles::fullDiskIsNamed()
{
    testing::TestFolder dir;
    auto db = Database::open(dir.file(QStringLiteral("Holz.db")), DatabaseKind::Holz);
    Statement pages = db->prepare("PRAGMA page_count");
    pages.step();
    const QByteArray limit = "PRAGMA max_page_count=" + QByteArray::number(pages.integer(0) + 2);
    pages.reset();
    db->exec(limit.constData());
    try {
        Transaction t(*db);
        Statement big = db->prepare("INSERT INTO Holz (Liste, Zusatztext) VALUES ('P', ?)");
        for (int i = 0; i < 100; ++i) {
            big.bind(1, QString(2000, QLatin1Char('x')));
            big.run();
        }
        t.commit();
        QFAIL("the disk did not fill up");
    } catch (const DbError& error) {
        QVERIFY2(error.description().startsWith(QStringLiteral("Datenträger voll")),
                 qPrintable(error.description()));
    }
}

void TestStoreFiles::openWaitsForAProgramHoldingTheFile()
{
    testing::TestFolder dir;
    const QString path = dir.file(QStringLiteral("Holz.db"));
    fillListDatabase(path, 10);
    // Another program holds the file alone for a moment, as a program does
    // while it closes and folds its log into the file.
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
                                 "UPDATE Holz SET Los = 1 WHERE SatzNr = 1;",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    });
    try {
        for (const OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWriteExisting}) {
            auto db = Database::open(path, DatabaseKind::Holz, mode);
            Statement st = db->prepare("SELECT Los FROM Holz WHERE SatzNr = 1");
            QVERIFY(st.step());
            QCOMPARE(st.integer(0), 1);
        }
    } catch (const DbError& error) {
        release.join();
        QFAIL(qPrintable(error.description()));
    }
    release.join();
}

QTEST_GUILESS_MAIN(TestStoreFiles)
#include "tst_store_files.moc"
