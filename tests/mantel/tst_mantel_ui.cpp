// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/DataFolderSetup.h"
#include "mantel/FrmMantelDialog.h"
#include "rules/BarkTable.h"
#include "store/Database.h"
#include "store/LotRegister.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestFolder.h"

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
    testing::TestFolder folder;
    const store::DataFolder data(folder.path());
    importer::DataFolderSetup::ensure(data);
    auto holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
    store::Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
    store::TimberStore store(*holz, settings);
    store::ListenRow list;
    list.Liste = QStringLiteral("Polter 12");
    list.Los = store::LotRegister::initial();
    store.Listen_Oeffnen();
    store.Listen.addNew(list);
    store::HolzRow stack;
    stack.Liste = list.Liste;
    stack.Einzelstamm = false;
    stack.Holzart = QStringLiteral("Fichte");
    stack.Sorte = QStringLiteral("L ");
    stack.Laenge = 4;
    stack.Durchm = 30;
    stack.Stueck = 10;
    stack.Kubatur = 2.8;
    const qint64 holzId = store.Holz.addNew(stack);
    const rules::BarkTable bark;
    testing::ScriptedUserInterface ui;

    mantel::FrmMantel model(store, bark, ui);
    mantel::StackRecord record;
    record.liste = list.Liste;
    record.txtLaenge = QStringLiteral("4,00");
    record.txtRinde = QStringLiteral("0");
    record.txtHolzart = QStringLiteral("Fichte");
    record.txtNummer = QStringLiteral("12");
    record.txtStueck = QStringLiteral("10");
    record.cmdAbzRinde = QStringLiteral("r");
    record.txtDurchmesser = QStringLiteral("30");
    record.txtSorte = QStringLiteral("L ");
    record.holzId = holzId;
    model.open(record);

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
