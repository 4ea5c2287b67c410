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

    if (const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS"); !shots.isEmpty()) {
        QDir().mkpath(shots);
        dialog.grab().save(QDir(shots).filePath(QStringLiteral("frmMantel.png")));
    }
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(ui.helpAnchors(), QStringList{QStringLiteral("Mantel")});
    QVERIFY(ui.done());
}

QTEST_MAIN(TestMantelUi)
#include "tst_mantel_ui.moc"
