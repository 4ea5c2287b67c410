// SPDX-License-Identifier: GPL-3.0-or-later
// The storage places of the lots and their photos: rows through the
// repository, files in step with the transaction that names them.
#include "store/Database.h"
#include "store/PhotoFileChanges.h"
#include "store/StoragePlaceRepository.h"
#include "store/Transaction.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace store;

namespace {

LagerRow place(const QString& list, int lot, const QString& ort)
{
    LagerRow row;
    row.Liste = list;
    row.Los = lot;
    row.LL = QStringLiteral("LL");
    row.Lagerort = ort;
    return row;
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                                                   QDir::Name)) {
        if (info.isDir())
            for (const QString& inner : filesUnder(info.filePath()))
                files << info.fileName() + QLatin1Char('/') + inner;
        else
            files << info.fileName();
    }
    return files;
}

} // namespace

class TestStorePlaces : public QObject {
    Q_OBJECT

private slots:
    void placesAndPhotoRows();
    void photoFilesFollowTheTransaction();
    void photoFolderNames();
};

void TestStorePlaces::placesAndPhotoRows()
{
    TestDatabase folder;
    auto db = Database::open(folder.holz(), DatabaseKind::Holz);
    db->exec("INSERT INTO Holz (Liste, Nummer, Los) VALUES ('A', 1, 3), ('A', 2, 1), ('a', 3, 3), ('B', 1, 7);"
             "INSERT INTO Holz (Liste, Nummer) VALUES ('A', 4)");
    StoragePlaceRepository places(*db);
    QCOMPARE(places.recordLots(QStringLiteral("a")), (QList<int>{0, 1, 3}));

    const qint64 three = places.insert(place(QStringLiteral("A"), 3, QStringLiteral("Weg")));
    const qint64 one = places.insert(place(QStringLiteral("A"), 1, QStringLiteral("Hof")));
    places.insert(place(QStringLiteral("B"), 1, QStringLiteral("Feld")));
    QList<LagerRow> rows = places.places(QStringLiteral("a"));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].Id, one);
    QCOMPARE(rows[1].Lagerort, QStringLiteral("Weg"));
    QCOMPARE(places.placeOfLot(QStringLiteral("A"), 3)->Id, three);
    QVERIFY(!places.placeOfLot(QStringLiteral("A"), 7));

    LagerRow changed = *places.place(three);
    changed.GPS = QStringLiteral("48.100000, 11.500000");
    changed.Zusatz1 = QStringLiteral("Zufahrt");
    places.update(changed);
    QCOMPARE(places.place(three)->GPS, changed.GPS);
    QCOMPARE(places.place(three)->Zusatz1, changed.Zusatz1);
    QCOMPARE(places.place(one)->GPS, QString());

    const qint64 first = places.insertPhoto({three, QStringLiteral("a.jpg"), QStringLiteral("2026-03-14T09:26:53"),
                                             QStringLiteral("48.1, 11.5")});
    places.insertPhoto({one, QStringLiteral("b.jpg"), QString(), QString()});
    const qint64 third = places.insertPhoto({three, QStringLiteral("c.jpg"), QString(), QString()});
    QCOMPARE(places.photos(three).size(), 2);
    QCOMPARE(places.photo(first)->Aufnahme, QStringLiteral("2026-03-14T09:26:53"));
    const auto ofList = places.photosOfList(QStringLiteral("A"));
    QCOMPARE(ofList.size(), 3);
    QCOMPARE(ofList[0].second.Datei, QStringLiteral("b.jpg")); // lot 1 first
    QCOMPARE(ofList[2].first.Lagerort, QStringLiteral("Weg"));

    places.removePhoto(third);
    QCOMPARE(places.photos(three).size(), 1);
    // A row's photos go with it, whichever code deletes it.
    places.remove(three);
    QVERIFY(!places.place(three));
    QVERIFY(!places.photo(first));
    db->exec("DELETE FROM Lager WHERE Liste = 'A'");
    QVERIFY(places.photosOfList(QStringLiteral("A")).isEmpty());
    QCOMPARE(places.places(QStringLiteral("B")).size(), 1);
}

void TestStorePlaces::photoFilesFollowTheTransaction()
{
    if (TestDatabase::serverRun())
        QSKIP("the photos lie in the data folder beside the database file");
    TestDatabase folder;
    auto db = Database::open(folder.holz(), DatabaseKind::Holz);
    const QString source = folder.write(QStringLiteral("Foto vom Polter.JPG"), QByteArray("jpeg bytes"));
    const LotPhotoFiles files = LotPhotoFiles::of(*db);
    QCOMPARE(files.root(), folder.file(QStringLiteral("Fotos")));
    const QString list = QStringLiteral("Nord");
    QString error;

    // Committed: the copy takes its name; the same file again gets a new one.
    {
        Transaction transaction(*db);
        PhotoFileChanges changes(files);
        QCOMPARE(changes.stage(list, 4, source, &error), QStringLiteral("foto_vom_polter.jpg"));
        QCOMPARE(changes.stage(list, 4, source, &error), QStringLiteral("foto_vom_polter-2.jpg"));
        transaction.commit();
        QVERIFY(changes.commit().isEmpty());
    }
    const QStringList two{QStringLiteral("nord/Los-4/foto_vom_polter-2.jpg"),
                          QStringLiteral("nord/Los-4/foto_vom_polter.jpg")};
    QCOMPARE(filesUnder(files.root()), two);
    QFile copy(files.path(list, 4, QStringLiteral("foto_vom_polter.jpg")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("jpeg bytes"));

    // A failed transaction leaves no file behind, and removes nothing.
    {
        Transaction transaction(*db);
        PhotoFileChanges changes(files);
        QVERIFY(!changes.stage(list, 4, source, &error).isEmpty());
        QVERIFY(!changes.stage(list, 5, source, &error).isEmpty());
        changes.removeList(list);
        changes.moveList(list, QStringLiteral("Süd"));
    }
    QCOMPARE(filesUnder(files.root()), two);
    QVERIFY(!QFileInfo::exists(files.lotFolder(list, 5)));

    // A source that cannot be read is refused with a message.
    {
        PhotoFileChanges changes(files);
        QVERIFY(changes.stage(list, 4, folder.file(QStringLiteral("fehlt.jpg")), &error).isEmpty());
        QVERIFY(error.contains(QStringLiteral("kann nicht gelesen werden")));
    }

    // Renamed: the photos move; a stale folder of the new name steps aside.
    QDir().mkpath(files.lotFolder(QStringLiteral("Süd"), 9));
    {
        PhotoFileChanges changes(files);
        changes.moveList(list, QStringLiteral("Süd"));
        QVERIFY(changes.commit().isEmpty());
    }
    QVERIFY(!QFileInfo::exists(files.listFolder(list)));
    QVERIFY(QFileInfo::exists(files.path(QStringLiteral("SÜD"), 4, QStringLiteral("foto_vom_polter.jpg"))));
    QVERIFY(QFileInfo::exists(files.listFolder(QStringLiteral("Süd")) + QStringLiteral(".alt-1/Los-9")));

    // Removed file, lot and list.
    {
        PhotoFileChanges changes(files);
        changes.removeFile(QStringLiteral("Süd"), 4, QStringLiteral("foto_vom_polter-2.jpg"));
        QVERIFY(changes.commit().isEmpty());
    }
    QCOMPARE(filesUnder(files.lotFolder(QStringLiteral("Süd"), 4)),
             QStringList{QStringLiteral("foto_vom_polter.jpg")});
    {
        PhotoFileChanges changes(files);
        changes.removeList(QStringLiteral("süd"));
        QVERIFY(changes.commit().isEmpty());
    }
    QVERIFY(!QFileInfo::exists(files.listFolder(QStringLiteral("Süd"))));
}

void TestStorePlaces::photoFolderNames()
{
    // Every name gets a folder of its own inside the photo folder.
    const QStringList names{QStringLiteral("Nord's/1"), QStringLiteral("Nord_s_1"), QStringLiteral(".."),
                            QStringLiteral("a\\b"),     QStringLiteral("Ä 1"),      QStringLiteral("con"),
                            QStringLiteral("x:y"),      QStringLiteral("")};
    QSet<QString> seen;
    for (const QString& name : names) {
        const QString folder = LotPhotoFiles::folderName(name);
        QVERIFY2(!folder.isEmpty() && !folder.contains(QLatin1Char('/')) && !folder.contains(QLatin1Char('\\')) &&
                     !folder.contains(QLatin1Char(':')) && !folder.startsWith(QLatin1Char('.')) && folder != QStringLiteral("con"),
                 qPrintable(folder));
        QVERIFY2(!seen.contains(folder), qPrintable(folder));
        seen.insert(folder);
    }
    QCOMPARE(LotPhotoFiles::folderName(QStringLiteral("Ä 1")), QStringLiteral("ä_00201"));
    QCOMPARE(LotPhotoFiles::folderName(QStringLiteral("NORD")), LotPhotoFiles::folderName(QStringLiteral("nord")));
}

QTEST_GUILESS_MAIN(TestStorePlaces)
#include "tst_store_places.moc"
