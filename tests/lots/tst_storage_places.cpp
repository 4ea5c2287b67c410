// SPDX-License-Identifier: GPL-3.0-or-later
// The storage-place window's model over a real list database: what the
// user sees of the lots, what is stored, and where the photos go.
#include "lots/FrmLager.h"
#include "store/Database.h"
#include "store/LotPhotoFiles.h"
#include "store/Settings.h"
#include "store/StoragePlaceRepository.h"
#include "store/TimberStore.h"
#include "tests/support/ExifJpeg.h"
#include "tests/support/ScriptedLinks.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/store/TestDatabase.h"

#include <QDirIterator>
#include <QtTest>

using lots::FrmLager;

namespace {

QStringList photoFiles(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestStoragePlaces : public QObject {
    Q_OBJECT

private slots:
    void editPlacesOfTheLots();
    void photosOfALot();
};

void TestStoragePlaces::editPlacesOfTheLots()
{
    TestDatabase folder;
    auto db = store::Database::open(folder.holz(), store::DatabaseKind::Holz);
    store::Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
    store::TimberStore timber(*db, settings);
    for (const int lot : {2, 1, 2}) {
        store::HolzRow row;
        row.Liste = QStringLiteral("Nord");
        row.Los = lot;
        timber.Holz.addNew(row);
    }
    store::StoragePlaceRepository places(*db);
    store::LagerRow hof;
    hof.Liste = QStringLiteral("Nord");
    hof.Los = 2;
    hof.Lagerort = QStringLiteral("Hof");
    places.insert(hof);

    testing::ScriptedUserInterface ui;
    testing::ScriptedLinks links;
    FrmLager model(*db, ui, links);
    model.open(QStringLiteral("Nord"));
    // Lot 1 has records but no place: it is listed, so the gap shows.
    QCOMPARE(model.lines().size(), 2);
    QCOMPARE(FrmLager::cells(model.lines()[0]).at(1), QStringLiteral("– kein Lagerort –"));
    QCOMPARE(model.selected(), 0);
    QVERIFY(!model.cmdLoeschenEnabled());

    // A position in decimal comma, stored in the one form.
    model.setOrt(QStringLiteral("Weg am Bach"));
    model.setGps(QStringLiteral("48,12345; 11,56789"));
    QCOMPARE(model.lblPosition(), QStringLiteral("48°07'24.4\"N 11°34'04.4\"E"));
    QVERIFY(model.cmdSpeichern_Click());
    QCOMPARE(places.placeOfLot(QStringLiteral("Nord"), 1)->GPS, QStringLiteral("48.123450, 11.567890"));
    QCOMPARE(model.lines()[0].placeId, places.placeOfLot(QStringLiteral("Nord"), 1)->Id);

    // The map: the desktop's map application, else the web map.
    links.refuseScheme(QStringLiteral("geo"));
    model.cmdKarte_Click();
    QCOMPARE(links.opened(),
             (QStringList{QStringLiteral("geo:48.12345,11.56789"),
                          QStringLiteral("https://www.openstreetmap.org/?mlat=48.12345&mlon=11.56789#map=17/48.12345/11.56789")}));

    // A wrong position is named under the box and refused whole.
    model.select(1);
    model.setOrt(QStringLiteral("Scheune"));
    model.setGps(QStringLiteral("151.2, -33.9"));
    QVERIFY(model.lblPosition().contains(QStringLiteral("vertauscht")));
    QVERIFY(!model.cmdKarteEnabled());
    ui.expectMessage(QStringLiteral("vertauscht"));
    QVERIFY(!model.cmdSpeichern_Click());
    QCOMPARE(places.placeOfLot(QStringLiteral("Nord"), 2)->Lagerort, QStringLiteral("Hof"));

    // A lot without records, then deleting a place after asking.
    ui.expectInput(QStringLiteral("Nummer des Loses"), QStringLiteral("7"));
    model.cmdNeu_Click();
    QCOMPARE(model.lines()[model.selected()].lot, 7);
    model.setOrt(QStringLiteral("Lichtung"));
    QVERIFY(model.cmdSpeichern_Click());
    QCOMPARE(model.lines().size(), 3);
    model.select(1);
    ui.expectMessage(QStringLiteral("Lagerort von Los 2 löschen?"), platform::Answer::No);
    QVERIFY(!model.cmdLoeschen_Click());
    ui.expectMessage(QStringLiteral("Lagerort von Los 2 löschen?"), platform::Answer::Yes);
    QVERIFY(model.cmdLoeschen_Click());
    QVERIFY(!places.placeOfLot(QStringLiteral("Nord"), 2));
    QCOMPARE(model.lines()[1].placeId, 0);
    QVERIFY(ui.done());
}

void TestStoragePlaces::photosOfALot()
{
    TestDatabase folder;
    const QString path = folder.holz();
    auto db = store::Database::open(path, store::DatabaseKind::Holz);
    db->setLocalFolder(folder.path());
    const store::LotPhotoFiles files = store::LotPhotoFiles::of(*db);
    const QDateTime taken(QDate(2026, 3, 14), QTime(9, 26, 53));
    const QString photo =
        folder.write(QStringLiteral("IMG_0001.JPG"), testing::ExifJpeg{taken, std::pair{48.2, 11.6}}.bytes());

    testing::ScriptedUserInterface ui;
    testing::ScriptedLinks links;
    FrmLager model(*db, ui, links);
    model.open(QStringLiteral("Süd"));
    ui.expectInput(QStringLiteral("Nummer des Loses"), QStringLiteral("4"));
    model.cmdNeu_Click();
    model.setOrt(QStringLiteral("Polter am Weg"));
    ui.expectOpenFile(photo);
    QVERIFY(model.cmdFoto_Click());
    // The row was made for the photo; what was typed stays in the box.
    QCOMPARE(model.txtOrt(), QStringLiteral("Polter am Weg"));
    QCOMPARE(model.photos().size(), 1);
    QCOMPARE(model.photos()[0].taken, QStringLiteral("14.03.2026 09:26"));
    QCOMPARE(model.photos()[0].gps, QStringLiteral("48.200000, 11.600000"));
    QVERIFY(model.photos()[0].present);
    QCOMPARE(photoFiles(files.root()), QStringList{QStringLiteral("süd/Los-4/img_0001.jpg")});

    // One click: the photo's position becomes the lot's.
    QVERIFY(model.takePhotoPosition(0));
    QCOMPARE(model.txtGps(), QStringLiteral("48.200000, 11.600000"));
    QCOMPARE(store::StoragePlaceRepository(*db).placeOfLot(QStringLiteral("Süd"), 4)->GPS, model.txtGps());

    // What is no picture is refused before anything is copied.
    ui.expectOpenFile(folder.write(QStringLiteral("notiz.jpg"), "kein Bild"));
    ui.expectMessage(QStringLiteral("kein Bild"));
    QVERIFY(!model.cmdFoto_Click());

    // A transaction that fails leaves no copy behind: here the database
    // cannot be written.
    {
        auto readOnly = store::Database::open(path, store::DatabaseKind::Holz, store::OpenMode::ReadOnly);
        readOnly->setLocalFolder(folder.path());
        FrmLager viewer(*readOnly, ui, links);
        viewer.open(QStringLiteral("Süd"));
        ui.expectOpenFile(photo);
        ui.expectMessage(QString());
        QVERIFY(!viewer.cmdFoto_Click());
    }
    QCOMPARE(photoFiles(files.root()), QStringList{QStringLiteral("süd/Los-4/img_0001.jpg")});

    // Another copy of the same file gets a name of its own.
    ui.expectOpenFile(photo);
    QVERIFY(model.cmdFoto_Click());
    QCOMPARE(photoFiles(files.root()),
             (QStringList{QStringLiteral("süd/Los-4/img_0001-2.jpg"), QStringLiteral("süd/Los-4/img_0001.jpg")}));
    // A file that cannot go (here a folder stands in its place) is named;
    // the photo's row goes all the same.
    const QString stuck = files.path(QStringLiteral("Süd"), 4, QStringLiteral("img_0001.jpg"));
    QVERIFY(QFile::remove(stuck) && QDir().mkpath(stuck + QStringLiteral("/drin")));
    ui.expectMessage(QStringLiteral("img_0001.jpg"), platform::Answer::Yes);
    ui.expectMessage(QStringLiteral("konnte nicht gelöscht werden"));
    QVERIFY(model.removePhoto(0));
    QVERIFY(QDir(stuck).removeRecursively());
    QCOMPARE(photoFiles(files.root()), QStringList{QStringLiteral("süd/Los-4/img_0001-2.jpg")});

    // Deleting the lot's place takes its photos along.
    ui.expectMessage(QStringLiteral("Fotos des Loses werden mit gelöscht"), platform::Answer::Yes);
    QVERIFY(model.cmdLoeschen_Click());
    QCOMPARE(photoFiles(files.root()), QStringList());
    QVERIFY(ui.done());
}

QTEST_MAIN(TestStoragePlaces)
#include "tst_storage_places.moc"
