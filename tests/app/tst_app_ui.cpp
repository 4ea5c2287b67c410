// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsDialog.h"
#include "app/ShippedFiles.h"
#include "app/StartWindowWidget.h"
#include "import/DataFolderSetup.h"
#include "store/Database.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestFolder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

namespace {

void screenshot(QWidget& widget, const char* name)
{
    const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS");
    if (shots.isEmpty())
        return;
    QDir().mkpath(shots);
    widget.grab().save(QDir(shots).filePath(QString::fromUtf8(name)));
}

} // namespace

class TestAppUi : public QObject {
    Q_OBJECT

private slots:
    void optionsWindowDrivesTheModel();
    void startWindowStartsOnce();
    void helpPageOpensAtItsAnchors();
};

void TestAppUi::optionsWindowDrivesTheModel()
{
    testing::TestFolder folder;
    const store::DataFolder data(folder.path());
    importer::DataFolderSetup::ensure(data);
    auto master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData);
    store::MasterData masterData(*master);
    store::Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
    testing::ScriptedUserInterface ui;
    app::Options options(settings, masterData, ui);
    options.Form_Load();

    app::OptionsDialog dialog(options);
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.sortCombo()->currentText(), QStringLiteral("Los,StammNr"));
    QCOMPARE(dialog.regionCombo()->currentText(), QStringLiteral("Bayern"));
    QVERIFY(dialog.formatButton(1)->isChecked());
    QCOMPARE(dialog.losEdit()->text(), QStringLiteral("0"));
    screenshot(dialog, "frmOpt.png");

    QLabel* up = dialog.findChild<QLabel*>(QStringLiteral("Label2"));
    QLabel* reset = dialog.findChild<QLabel*>(QStringLiteral("Label3"));
    QVERIFY(up && reset);
    emit up->linkActivated(QStringLiteral("#"));
    QCOMPARE(dialog.losEdit()->text(), QStringLiteral("1"));
    emit reset->linkActivated(QStringLiteral("#"));
    QCOMPARE(options.txtLos(), QStringLiteral("0"));
    dialog.losEdit()->selectAll();
    QTest::keyClicks(dialog.losEdit(), QStringLiteral("1x12"));
    QCOMPARE(options.txtLos(), QStringLiteral("112"));

    dialog.formatButton(6)->click();
    QCOMPARE(options.konvertierung(), 6);
    dialog.checkBox(app::Options::chkSorte)->click();
    QVERIFY(!options.isChecked(app::Options::chkSorte));
    dialog.regionCombo()->setCurrentIndex(1);
    emit dialog.regionCombo()->activated(1);
    QCOMPARE(options.regionIndex(), 6);

    // Closing the window stores everything.
    dialog.close();
    QVERIFY(!dialog.isVisible());
    // After a master-data import the region list is offered at once.
    dialog.openRegionChoice();
    QVERIFY(dialog.regionCombo()->view()->isVisible());
    dialog.regionCombo()->hidePopup();
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings.get(store::keys::AutoLos), QStringLiteral("112"));
    QCOMPARE(settings.get(store::keys::Konvertierung), QStringLiteral("6"));
    QCOMPARE(settings.get(store::keys::Sorte), QStringLiteral("0"));
    QCOMPARE(settings.get(store::keys::RegionIndex), QStringLiteral("6"));
    QVERIFY(ui.done());
}

void TestAppUi::startWindowStartsOnce()
{
    testing::ScriptedUserInterface ui;
    app::StartWindow model(ui);
    app::StartWindowWidget window(model);
    window.resize(520, 440);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Holzaufnahme"));
    QCOMPARE(window.startButton()->text(), QStringLiteral("Starte Stemora"));
    QCOMPARE(window.versionLabel()->text(), model.Label1());
    screenshot(window, "Bild1.png");

    int started = 0;
    connect(&model, &app::StartWindow::startRequested, this, [&] { ++started; });
    QTest::keyClick(window.startButton(), Qt::Key_Space);
    QCOMPARE(started, 1);
    QCOMPARE(ui.confirmations(), 1);
    QVERIFY(!window.isVisible());
}

void TestAppUi::helpPageOpensAtItsAnchors()
{
    testing::TestFolder folder;
    const auto files = app::ShippedFiles::ensure(store::DataFolder(folder.path()));
    QVERIFY(files.errors.isEmpty());
    QTextBrowser browser;
    browser.resize(900, 680);
    browser.setSource(QUrl::fromLocalFile(files.helpFile));
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QCOMPARE(browser.documentTitle(), QStringLiteral("Stemora – Hilfe zur Holzaufnahme"));
    int previous = -1;
    for (const char* anchor : {"Schnelleingabe", "Auswahl", "AutoLos", "Mantel"}) {
        browser.scrollToAnchor(QString::fromUtf8(anchor));
        const int position = browser.verticalScrollBar()->value();
        QVERIFY2(position > previous, anchor);
        previous = position;
    }
    browser.scrollToAnchor(QStringLiteral("AutoLos"));
    screenshot(browser, "help-AutoLos.png");
}

QTEST_MAIN(TestAppUi)
#include "tst_app_ui.moc"
