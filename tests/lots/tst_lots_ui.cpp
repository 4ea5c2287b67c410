// SPDX-License-Identifier: GPL-3.0-or-later
#include "lots/FrmLagerDialog.h"
#include "lots/FrmLosDialog.h"
#include "lots/StoragePlaceEditor.h"
#include "store/Database.h"
#include "store/Settings.h"
#include "tests/support/ExifJpeg.h"
#include "tests/support/ScriptedLinks.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The window forwards what the user does to the model and shows what the
// model holds; the rules themselves are tested on the model.
class TestLotsUi : public QObject {
    Q_OBJECT

private slots:
    void windowDrivesTheModel();
    void storagePlaceWindow();
};

// Two lots, one with a photo: the table, the boxes and the thumbnail show
// what the model holds, and typing reaches it. With STEMMO_SCREENSHOTS set
// the window's picture goes there (the documentation's screenshot).
void TestLotsUi::storagePlaceWindow()
{
    TestDatabase folder;
    auto db = store::Database::open(folder.holz(), store::DatabaseKind::Holz);
    db->setLocalFolder(folder.path());
    lots::StoragePlaceEditor editor(*db);
    const QString list = QStringLiteral("Nordhang 2026");
    QVERIFY(editor.save(list, 1, {QStringLiteral("Forstweg Nordhang, km 1,2"), QStringLiteral("48.1234, 11.5678"),
                                  QStringLiteral("LKW-befahrbar")})
                .ok);
    QVERIFY(editor.save(list, 2, {QStringLiteral("Polterplatz an der Scheune"),
                                  QStringLiteral("48°07'51.0\"N 11°35'02.5\"E"), QString()})
                .ok);
    const QString photo = folder.write(
        QStringLiteral("Polter.jpg"),
        testing::ExifJpeg{QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)), std::pair{48.130833, 11.584028}}.bytes(
            640, 480, 0x6b8e4e));
    QVERIFY(editor.addPhoto(list, 2, photo).ok);

    testing::ScriptedUserInterface ui;
    testing::ScriptedLinks links;
    lots::FrmLager model(*db, ui, links);
    lots::FrmLagerDialog dialog(model);
    dialog.open(list);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.table()->rowCount(), 2);
    QCOMPARE(dialog.table()->item(1, 2)->text(), QStringLiteral("48.130833, 11.584028"));
    dialog.table()->setCurrentCell(1, 0);
    QCOMPARE(model.selected(), 1);
    QCOMPARE(dialog.ortEdit()->text(), QStringLiteral("Polterplatz an der Scheune"));
    QCOMPARE(dialog.photoList()->count(), 1);
    QVERIFY(dialog.photoList()->item(0)->text().contains(QStringLiteral("14.03.2026 09:26")));
    QVERIFY(dialog.takePositionButton()->isEnabled());

    // A wrong position is named at once and the map button goes off.
    dialog.gpsEdit()->selectAll();
    QTest::keyClicks(dialog.gpsEdit(), QStringLiteral("48.1 N 11.5 N"));
    QVERIFY(dialog.positionLabel()->text().contains(QStringLiteral("zweimal die Breite")));
    QVERIFY(!dialog.mapButton()->isEnabled());
    dialog.gpsEdit()->selectAll();
    QTest::keyClicks(dialog.gpsEdit(), QStringLiteral("48.130833, 11.584028"));
    QCOMPARE(dialog.positionLabel()->text(), QStringLiteral("48°07'51.0\"N 11°35'02.5\"E"));
    QVERIFY(dialog.mapButton()->isEnabled());

    const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS");
    if (!shots.isEmpty())
        QVERIFY(dialog.grab().save(QDir(shots).filePath(QStringLiteral("frmLager.png"))));

    // Typing leaves the photos alone; a photo removed leaves the list.
    QCOMPARE(dialog.photoList()->count(), 1);
    ui.expectMessage(QStringLiteral("Foto"), platform::Answer::Yes);
    QVERIFY(model.removePhoto(0));
    QCOMPARE(dialog.photoList()->count(), 0);
    QVERIFY(!dialog.takePositionButton()->isEnabled());
    QVERIFY(ui.done());
}

void TestLotsUi::windowDrivesTheModel()
{
    testing::TestFolder folder;
    store::Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
    testing::ScriptedUserInterface ui;
    lots::FrmLos model(settings, ui);
    model.setSpecies({QStringLiteral("Fichte"), QStringLiteral("Tanne"), QStringLiteral("Kiefer"),
                      QStringLiteral("Buche"), QStringLiteral("Eiche")});
    lots::FrmLosDialog dialog(model);
    dialog.open(QStringLiteral("112"));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.comboLos()->currentText(), QStringLiteral("12"));
    QCOMPARE(dialog.labelLos()->text(), QStringLiteral("Los nicht vorhanden"));

    // Rule set 2, lot 7.
    dialog.comboAuto()->setCurrentIndex(1);
    emit dialog.comboAuto()->activated(1);
    dialog.comboLos()->setCurrentIndex(6);
    emit dialog.comboLos()->activated(6);
    QCOMPARE(model.currentKey().text(), QStringLiteral("207"));

    emit dialog.comboHolzart()->activated(0);
    emit dialog.comboHolzart()->activated(3);
    QCOMPARE(dialog.boxEdit(lots::FrmLos::txtHolzarten)->text(), QStringLiteral("Fi,Bu,"));
    emit dialog.comboSorte()->activated(2);   // "L "
    emit dialog.comboStaerke()->activated(3); // "2b"
    QCOMPARE(model.box(lots::FrmLos::txtStaerken), QStringLiteral("2b,"));

    QTest::keyClicks(dialog.boxEdit(lots::FrmLos::txtLvon), QStringLiteral("4"));
    QTest::keyClicks(dialog.boxEdit(lots::FrmLos::txtLbis), QStringLiteral("6,5"));
    QCOMPARE(model.box(lots::FrmLos::txtLbis), QStringLiteral("6,5"));

    // A click on a box's caption empties it.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().contains(QStringLiteral(">Stärken<")))
            emit label->linkActivated(QStringLiteral("#"));
    QCOMPARE(dialog.boxEdit(lots::FrmLos::txtStaerken)->text(), QString());

    if (const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        dialog.grab().save(QDir(shots).filePath(QStringLiteral("frmLos.png")));
    }

    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    QCOMPARE(dialog.labelLos()->text(), QStringLiteral("Los vorhanden"));
    QCOMPARE(ui.confirmations(), 1);

    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    QCOMPARE(dialog.boxEdit(lots::FrmLos::txtHolzarten)->text(), QString());

    const auto actions = dialog.findChildren<QAction*>();
    for (QAction* action : actions)
        if (action->objectName() == QLatin1String("mnuHilfe"))
            action->trigger();
    QCOMPARE(ui.helpAnchors(), QStringList{QStringLiteral("AutoLos")});
    for (QAction* action : actions)
        if (action->objectName() == QLatin1String("mnuZurueck"))
            action->trigger();
    QVERIFY(!dialog.isVisible());
    QVERIFY(ui.done());
}

QTEST_MAIN(TestLotsUi)
#include "tst_lots_ui.moc"
