// SPDX-License-Identifier: GPL-3.0-or-later
#include "MantelFixture.h"

#include "mantel/FrmMantelDialog.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestMantelUi : public QObject {
    Q_OBJECT

private slots:
    void windowDrivesTheModel();
};

void TestMantelUi::windowDrivesTheModel()
{
    manteltest::Fixture f;
    mantel::FrmMantel model(*f.store, f.bark, f.ui);
    model.open(f.stack());
    testing::ScriptedUserInterface& ui = f.ui;

    mantel::FrmMantelDialog dialog(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.eingabe()->setFocus();
    QTest::keyClicks(dialog.eingabe(), QStringLiteral("30"));
    QTest::keyClick(dialog.eingabe(), Qt::Key_Return);
    QTest::keyClicks(dialog.eingabe(), QStringLiteral("32"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QTest::keyClicks(dialog.eingabe(), QStringLiteral("3x4"));
    QCOMPARE(dialog.eingabe()->text(), QStringLiteral("34"));
    QTest::keyClick(dialog.eingabe(), Qt::Key_Enter);

    QCOMPARE(dialog.samples()->count(), 3);
    QCOMPARE(dialog.samples()->currentRow(), 2);
    QCOMPARE(dialog.anzahl()->text(), QStringLiteral("3"));
    QCOMPARE(dialog.kubatur()->text(), QStringLiteral("3,20 fm"));
    QCOMPARE(dialog.eingabe()->text(), QString());
    QCOMPARE(ui.confirmations(), 3);
    QVERIFY(dialog.removeButton()->isEnabled());

    if (const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        dialog.grab().save(QDir(shots).filePath(QStringLiteral("frmMantel.png")));
    }
    // Del in the list takes the selected sample back: (0.28 + 0.36) / 2 × 10.
    dialog.samples()->setFocus();
    dialog.samples()->setCurrentRow(1);
    QTest::keyClick(dialog.samples(), Qt::Key_Delete);
    QCOMPARE(dialog.samples()->count(), 2);
    QCOMPARE(dialog.samples()->item(1)->text(), QStringLiteral("34"));
    QCOMPARE(dialog.kubatur()->text(), QStringLiteral("3,20 fm"));
    QCOMPARE(dialog.anzahl()->text(), QStringLiteral("2"));

    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(ui.helpAnchors(), QStringList{QStringLiteral("Mantel")});
    QVERIFY(ui.done());
}

QTEST_MAIN(TestMantelUi)
#include "tst_mantel_ui.moc"
