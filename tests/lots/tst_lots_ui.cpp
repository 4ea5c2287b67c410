// SPDX-License-Identifier: GPL-3.0-or-later
#include "lots/FrmLosDialog.h"
#include "store/Settings.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestFolder.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

// The window forwards what the user does to the model and shows what the
// model holds; the rules themselves are tested on the model.
class TestLotsUi : public QObject {
    Q_OBJECT

private slots:
    void windowDrivesTheModel();
};

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
