// SPDX-License-Identifier: GPL-3.0-or-later
// The recording program on real widgets, offscreen: the start window, the
// entry screen with its keypad, selection lists and tables, the list header
// window, the menus that open other windows, and closing.
#include "app/OptionsDialog.h"
#include "app/StartWindowWidget.h"
#include "app/StemoraProgram.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/KeyCodes.h"
#include "entry/Keypad.h"
#include "entry/ListTable.h"
#include "entry/SelectionLists.h"
#include "entry/StatisticsDialog.h"
#include "header/FrmListendatenDialog.h"
#include "lots/FrmLagerDialog.h"
#include "lots/FrmLosDialog.h"
#include "lots/LotRule.h"
#include "lots/LotRules.h"
#include "mantel/FrmMantelDialog.h"
#include "store/DbError.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/support/StemoraSession.h"
#include "tests/support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using platform::Answer;
using testing::StemoraSession;

namespace {

// Keys as a keyboard sends them: each to the widget that has the focus now.
void type(const QString& keys)
{
    for (const QChar ch : keys)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString cell(entry::ListTable* table, int row, int column)
{
    return table->model()->index(row, column).data().toString();
}

} // namespace

class TestEntryUi : public QObject {
    Q_OBJECT

private slots:
    void officeAndEldatFromTheListMenu();
    void recordsLogsOnTheKeypad();
    void keysGoToTheModelWhereverTheFocusIs();
    void selectionListsChooseByTapAndEnter();
    void headerDialogProposesAndCancels();
    void closingKeepsAnUnsavedRecordTheUserWants();
    void reopensTheListOfTheLastRun();
    void bigListFillsTheTableFromTheRecordSet();
    void menusOpenTheirWindows();
    void tableChangesTheSelectedRows();
    void stackSamplesSetTheVolume();
    void barkModeAndStatisticsAreInSight();
    void automaticLotsFollowTheOptionsWindow();
    void refusesAForeignDatabaseUntouched();
};

void TestEntryUi::recordsLogsOnTheKeypad()
{
    StemoraSession s;
    s.load();
    s.program->start();
    QVERIFY(QTest::qWaitForWindowExposed(&s.program->startWindowWidget()));
    QTest::mouseClick(s.program->startWindowWidget().startButton(), Qt::LeftButton);
    QVERIFY(!s.program->startWindowWidget().isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&s.window()));
    QCOMPARE(s.window().windowTitle(), QStringLiteral("Holz"));
    QCOMPARE(s.window().listListen()->model()->rowCount(), 0);

    s.newList(QStringLiteral("Nord 1"));
    QTRY_VERIFY(!s.window().headerDialog()->isVisible());
    QCOMPARE(s.window().windowTitle(), QStringLiteral("Liste 'Nord1'"));
    QCOMPARE(s.find<QLineEdit>("TxtListenNR")->text(), QStringLiteral("Liste 'Nord1'"));
    QCOMPARE(s.window().listListen()->model()->rowCount(), 1);

    s.choose("txtHolzart", "lstHolzart", QStringLiteral("Fichte"));
    s.tap("cmdGuete1");
    s.tap("cmdSorte2");
    QCOMPARE(s.find<QLineEdit>("txtGuete")->text(), QStringLiteral("B "));
    QCOMPARE(s.find<QLineEdit>("txtSorte")->text(), QStringLiteral("L "));
    s.tapKeys(QStringLiteral("425"));
    QCOMPARE(s.window().keypad()->buffer()->text(), QStringLiteral("425"));
    QCOMPARE(s.find<QLineEdit>("txtLaenge")->text(), QStringLiteral("4"));
    QCOMPARE(s.find<QLineEdit>("txtDurchmesser")->text(), QStringLiteral("25"));
    s.tap("cmdSpeichern");
    QVERIFY(s.find("txtgespeichert")->isVisible());
    s.tapKeys(QStringLiteral("430"));
    QCOMPARE(s.find<QLineEdit>("txtNummer")->text(), QStringLiteral("2"));
    s.tap("cmdSpeichern");

    QCOMPARE(s.records(QStringLiteral("Nord1")),
             (QStringList{QStringLiteral("1 4 25 1"), QStringLiteral("2 4 30 1")}));
    entry::ListTable* daten = s.window().listDaten();
    QCOMPARE(daten->model()->rowCount(), 2);
    QCOMPARE(cell(daten, 0, 2), QStringLiteral("1"));
    QCOMPARE(cell(daten, 1, 2), QStringLiteral("2"));
    QCOMPARE(daten->selectedRowNumbers(), QList<int>{1});
    QCOMPARE(s.find<QLabel>("txtSatzNR")->text(), QStringLiteral("Nr. 2 von 2"));
    QCOMPARE(s.ui.confirmations(), 3); // the start button and two saves

    // In a list of a million records the position widens the keypad once,
    // uncut; "NEU" for the next record must not narrow it again, or every
    // save lays out and paints the whole screen twice.
    s.window().resize(1280, 800);
    auto* position = s.find<QLabel>("txtSatzNR");
    position->setText(QStringLiteral("Nr. 1000000 von 1000000"));
    QTest::qWait(20); // the layout requests climb one level per event
    const int keypadWidth = s.window().keypad()->width();
    QVERIFY(position->contentsRect().width() >= position->fontMetrics().horizontalAdvance(position->text()));
    position->setText(QStringLiteral("NEU"));
    QTest::qWait(20);
    QCOMPARE(s.window().keypad()->width(), keypadWidth);
    QVERIFY(s.ui.done());
}

void TestEntryUi::keysGoToTheModelWhereverTheFocusIs()
{
    StemoraSession s;
    s.open();
    s.newList(QStringLiteral("7"));
    s.choose("txtHolzart", "lstHolzart", QStringLiteral("Fichte"));
    s.tap("cmdGuete1");
    s.tap("cmdSorte2");

    // Digits typed while the list of lists has the focus land in the buffer;
    // Enter saves.
    entry::ListTable* listen = s.window().listListen();
    listen->setFocus();
    QVERIFY(listen->hasFocus());
    type(QStringLiteral("512"));
    QCOMPARE(s.window().keypad()->buffer()->text(), QStringLiteral("512"));
    press(Qt::Key_Return);
    QCOMPARE(s.records(QStringLiteral("7")).size(), 1);

    // Shift and a letter choose an assortment, a plain letter a grade.
    press(Qt::Key_S, Qt::ShiftModifier);
    QCOMPARE(s.find<QLineEdit>("txtSorte")->text(), QStringLiteral("S "));
    QVERIFY(s.find("txtFaktor")->isVisible());
    press(Qt::Key_Escape);
    press(Qt::Key_L, Qt::ShiftModifier);
    press(Qt::Key_C);
    QCOMPARE(s.find<QLineEdit>("txtSorte")->text(), QStringLiteral("L "));
    QCOMPARE(s.find<QLineEdit>("txtGuete")->text(), QStringLiteral("C "));

    // In the remark, letters are text; Enter ends it.
    s.click(s.find("txtZusatz"));
    QCOMPARE(QApplication::focusWidget(), s.find("txtZusatz"));
    type(QStringLiteral("Bc"));
    QCOMPARE(s.find<QLineEdit>("txtZusatz")->text(), QStringLiteral("Bc"));
    QCOMPARE(s.find<QLineEdit>("txtGuete")->text(), QStringLiteral("C "));
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.window().keypad()->buffer());

    // Left and right page through the records, Up and Down move in the table.
    type(QStringLiteral("618"));
    press(Qt::Key_Return);
    QCOMPARE(s.records(QStringLiteral("7")).size(), 2);
    press(Qt::Key_Left);
    QCOMPARE(s.find<QLineEdit>("txtDurchmesser")->text(), QStringLiteral("12"));
    entry::ListTable* daten = s.window().listDaten();
    QCOMPARE(daten->selectedRowNumbers(), QList<int>{0});
    daten->setFocus();
    QTest::keyClick(daten, Qt::Key_Down);
    QCOMPARE(s.find<QLineEdit>("txtDurchmesser")->text(), QStringLiteral("18"));
    QCOMPARE(s.find<QLabel>("txtSatzNR")->text(), QStringLiteral("Nr. 2 von 2"));
    QVERIFY(s.ui.done());
}

void TestEntryUi::selectionListsChooseByTapAndEnter()
{
    StemoraSession s;
    s.open();
    s.newList(QStringLiteral("Los"));
    QListWidget* guete = s.find<QListWidget>("lstGuete");
    s.tap("cmdGuete");
    QVERIFY(guete->isVisible());
    QVERIFY(guete->hasFocus());
    QTest::keyClick(guete, Qt::Key_Down);
    const QString second = guete->item(1)->text();
    QTest::keyClick(guete, Qt::Key_Return);
    QVERIFY(!guete->isVisible());
    QCOMPARE(s.find<QLineEdit>("txtGuete")->text(), second);

    // Esc closes an open list without choosing.
    s.tap("cmdGuete");
    QTest::keyClick(guete, Qt::Key_Down);
    QTest::keyClick(guete, Qt::Key_Escape);
    QVERIFY(!guete->isVisible());
    QCOMPARE(s.find<QLineEdit>("txtGuete")->text(), second);

    // Lots: the list's lots and the new lot numbers side by side.
    s.tap("cmdLos");
    QListWidget* losNeu = s.find<QListWidget>("lstLosNeu");
    QVERIFY(losNeu->isVisible());
    QCOMPARE(losNeu->count(), 85);
    QLineEdit* typed = s.window().selectionLists()->txtLosNeu();
    QVERIFY(typed->isVisible());
    typed->setFocus();
    QTest::keyClicks(typed, QStringLiteral("12"));
    QTest::keyClick(typed, Qt::Key_Return);
    QVERIFY(!losNeu->isVisible());
    QCOMPARE(s.find<QLineEdit>("txtLos")->text(), QStringLiteral("12"));
    s.tap("cmdLos");
    QListWidget* los = s.find<QListWidget>("lstLos");
    QVERIFY(!los->findItems(QStringLiteral("12"), Qt::MatchExactly).isEmpty());
    QVERIFY(s.ui.done());
}

void TestEntryUi::headerDialogProposesAndCancels()
{
    StemoraSession s;
    s.open();
    s.newList(QStringLiteral("17"));
    header::FrmListendatenDialog* dialog = s.window().headerDialog();
    QTRY_VERIFY(!dialog->isVisible());

    // A numeric name is proposed plus one, selected so typing replaces it.
    s.tap("cmdNeu");
    QTRY_VERIFY(dialog->isVisible());
    QLineEdit* name = dialog->edit(header::HeaderField::Listenname);
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(name->text(), QStringLiteral("18"));
    QCOMPARE(name->selectedText(), QStringLiteral("18"));
    // Nothing typed: Esc closes without a question.
    QTest::keyClick(name, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());

    // Edit mode: the stored header, the name locked.
    s.tap("cmdListeBearbeiten");
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Liste '17'"));
    QVERIFY(!name->isEnabled());
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(s.ui.done());
}

void TestEntryUi::closingKeepsAnUnsavedRecordTheUserWants()
{
    StemoraSession s;
    s.open();
    s.newList(QStringLiteral("Sued"));
    QSignalSpy finished(s.program.get(), &app::StemoraProgram::finished);
    s.tapKeys(QStringLiteral("4"));

    // Yes to "Speichern ?" with a record that fails its check: the program
    // stays open with the record on screen.
    s.ui.expectMessage(QStringLiteral("Datensatz nicht gespeichert !"), Answer::Yes);
    s.ui.expectMessage(QStringLiteral("Holzart eingeben"));
    s.window().close();
    QVERIFY(s.window().isVisible());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(s.window().keypad()->buffer()->text(), QStringLiteral("4"));

    s.ui.expectMessage(QStringLiteral("Datensatz nicht gespeichert !"), Answer::No);
    s.window().close();
    QVERIFY(!s.window().isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(s.settings->get(store::keys::ListenNr), QStringLiteral("Sued"));
    QVERIFY(s.records(QStringLiteral("Sued")).isEmpty());
    QVERIFY(s.ui.done());
}

void TestEntryUi::reopensTheListOfTheLastRun()
{
    StemoraSession s;
    s.generate(QStringLiteral("A"), 3);
    s.generate(QStringLiteral("B"), 5);
    s.settings->set(store::keys::ListenNr, QStringLiteral("A"));
    s.open();
    QCOMPARE(s.window().windowTitle(), QStringLiteral("Liste 'A'"));
    QCOMPARE(s.window().listDaten()->model()->rowCount(), 3);
    QCOMPARE(cell(s.window().listListen(), s.window().listListen()->selectedRowNumbers().value(0), 0),
             QStringLiteral("A"));

    // A tap on the other list opens it.
    entry::ListTable* listen = s.window().listListen();
    const int rowB = cell(listen, 0, 0) == QLatin1String("B") ? 0 : 1;
    QTest::mouseClick(listen->viewport(), Qt::LeftButton, {},
                      listen->visualRect(listen->model()->index(rowB, 0)).center());
    QCOMPARE(s.window().windowTitle(), QStringLiteral("Liste 'B'"));
    QCOMPARE(s.window().listDaten()->model()->rowCount(), 5);
    QVERIFY(s.ui.done());
}

void TestEntryUi::bigListFillsTheTableFromTheRecordSet()
{
    StemoraSession s;
    s.generate(QStringLiteral("Gross"), 20000);
    s.open();
    entry::ListTable* daten = s.window().listDaten();
    QCOMPARE(daten->model()->rowCount(), 20000);
    QCOMPARE(daten->selectedRowNumbers(), QList<int>{19999});
    QCOMPARE(cell(daten, 19999, 0), QStringLiteral("20000"));
    // Rows are read only as they are painted: no widget or item per row.
    QCOMPARE(daten->indexWidget(daten->model()->index(0, 0)), nullptr);
    QVERIFY(s.ui.done());
}

void TestEntryUi::menusOpenTheirWindows()
{
    StemoraSession s;
    s.open();
    const auto action = [&](const char* name) { return s.action(name); };
    s.newList(QStringLiteral("Menu"));
    s.tapKeys(QStringLiteral("42"));
    action("mnuAuswahl")->trigger();
    QVERIFY(s.program->optionsDialog().isVisible());
    s.program->optionsDialog().close();
    QVERIFY(!s.program->optionsDialog().isVisible());
    // Back on the entry screen, the input typed before is still there.
    QCOMPARE(s.window().keypad()->buffer()->text(), QStringLiteral("42"));

    action("mnuAutoLos")->trigger();
    QVERIFY(s.program->lotRulesDialog().isVisible());
    s.program->lotRulesDialog().close();
    // The storage places: beside the lots' totals and in the list data menu.
    for (const char* name : {"mnuLagerorte", "mnuLagerorteL"}) {
        action(name)->trigger();
        QVERIFY2(s.program->storagePlacesDialog().isVisible(), name);
        s.program->storagePlacesDialog().close();
    }

    action("mnuHilfe")->trigger();
    action("mnuHilfeListendaten")->trigger();
    QCOMPARE(s.ui.helpAnchors(),
             (QStringList{QStringLiteral("Holzdateneingeben"), QStringLiteral("Kopfdaten")}));

    // "Drucken" reports that the report program is not beside the test program.
    for (const char* name : {"mnuKonvertieren", "mnuEinlesen", "mnuEldat", "mnuEldatEinlesen", "mnuCsv",
                             "mnuExcel", "mnuStammdaten", "mnuDrucken", "mnuMantel"})
        QVERIFY2(action(name)->isEnabled(), name);
    s.ui.expectMessage(QStringLiteral("Stemprint"));
    action("mnuDrucken")->trigger();
    QVERIFY(s.ui.done());
}

void TestEntryUi::tableChangesTheSelectedRows()
{
    StemoraSession s;
    s.open();
    s.listWithLogs(QStringLiteral("Tab"), {QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40")});
    entry::ListTable* daten = s.window().listDaten();

    s.action("mnuMehrfach")->trigger();
    QVERIFY(s.action("mnuMehrfach")->isChecked());
    QCOMPARE(daten->selectionMode(), QAbstractItemView::ExtendedSelection);
    const auto rowCentre = [&](int row) { return daten->visualRect(daten->model()->index(row, 3)).center(); };
    QTest::mouseClick(daten->viewport(), Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseClick(daten->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(2));
    QCOMPARE(daten->selectedRowNumbers(), (QList<int>{0, 2}));
    // With the multiple selection on, a click reads no record.
    QCOMPARE(s.find<QLineEdit>("txtDurchmesser")->text(), QStringLiteral("40"));

    s.ui.expectInput(QStringLiteral("Neue Guete eingeben"), QStringLiteral("c"));
    s.action("mnuGuete")->trigger();
    QCOMPARE(s.records(QStringLiteral("Tab")).size(), 3);
    QStringList grades;
    for (const store::HolzRow& row : s.rows(QStringLiteral("Tab")))
        grades << row.Guete;
    // The changed rows take the grade as the grade list holds it.
    QCOMPARE(grades, (QStringList{QStringLiteral("C"), QStringLiteral("B "), QStringLiteral("C")}));
    QCOMPARE(daten->selectedRowNumbers(), (QList<int>{0, 2}));
    QCOMPARE(cell(daten, 0, 6), QStringLiteral("C"));
    QVERIFY(s.ui.done());
}

void TestEntryUi::officeAndEldatFromTheListMenu()
{
    StemoraSession s;
    s.open();
    s.listWithLogs(QStringLiteral("Buero"), {QStringLiteral("25"), QStringLiteral("30")});
    testing::TestFolder out;

    // The workbook asks whether each lot gets a sheet of its own.
    const QString workbook = out.file(QStringLiteral("Buero.xlsx"));
    s.ui.expectMessage(QStringLiteral("eigenes Tabellenblatt"), platform::Answer::Yes);
    s.ui.expectSaveFile(workbook);
    s.ui.expectMessage(QStringLiteral("Liste Buero.xlsx angelegt"));
    s.action("mnuExcel")->trigger();
    QVERIFY(s.ui.done());
    QVERIFY(QFileInfo(workbook).size() > 0);

    // ELDATsmart names what the document cannot carry before it is put in
    // place, then reads back.
    const QString document = out.file(QStringLiteral("Zweit.eldat"));
    s.ui.expectSaveFile(document);
    s.ui.expectMessage(QStringLiteral("Trotzdem konvertieren?"), platform::Answer::Yes);
    s.ui.expectMessage(QStringLiteral("Liste Zweit.eldat angelegt"));
    s.action("mnuEldat")->trigger();
    QVERIFY(s.ui.done());
    s.ui.expectOpenFile(document);
    s.ui.expectMessage(QStringLiteral("einlesen ?"), platform::Answer::Yes);
    s.action("mnuEldatEinlesen")->trigger();
    QVERIFY(s.ui.done());
    QCOMPARE(s.ui.fileChoices().last().filter, QStringLiteral("Holzlisten (*.eldat);;Alle Dateien (*)"));
    QCOMPARE(s.rows(QStringLiteral("Zweit")).size(), 2);
}

void TestEntryUi::stackSamplesSetTheVolume()
{
    StemoraSession s;
    s.open();
    s.listWithLogs(QStringLiteral("Stapel"), {QStringLiteral("25")});
    mantel::FrmMantelDialog& dialog = s.program->mantelDialog();

    // An assortment of ten logs does.
    s.tap("optSortiment");
    s.tap("cmdStueck");
    s.tapKeys(QStringLiteral("10"));
    s.window().model().keyDown(entry::keys::Enter);
    s.window().model().keyUp(entry::keys::Enter);
    s.tapKeys(QStringLiteral("425"));
    s.tap("cmdSpeichern");
    QCOMPARE(s.records(QStringLiteral("Stapel")).size(), 2);
    const QString before = s.find<QLineEdit>("txtKubatur")->text();

    s.action("mnuMantel")->trigger();
    QVERIFY(dialog.isVisible());
    QTest::keyClicks(dialog.eingabe(), QStringLiteral("34"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.samples()->count(), 1);

    // The stored record takes the sample's volume, on the screen, in the
    // table and in the database.
    const QString after = s.find<QLineEdit>("txtKubatur")->text();
    QVERIFY2(after != before, qPrintable(after));
    QCOMPARE(cell(s.window().listDaten(), 1, 12), after);
    QCOMPARE(QString::number(s.rows(QStringLiteral("Stapel")).last().Kubatur, 'f', 2),
             QString(after).replace(QLatin1Char(','), QLatin1Char('.')));
    // A mistyped sample can be taken back: the volume returns.
    dialog.samples()->setCurrentRow(0);
    QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
    QCOMPARE(dialog.samples()->count(), 0);
    QCOMPARE(s.find<QLineEdit>("txtKubatur")->text(), before);
    QTest::keyClicks(dialog.eingabe(), QStringLiteral("34"));
    QTest::keyClick(dialog.eingabe(), Qt::Key_Return);
    QCOMPARE(s.find<QLineEdit>("txtKubatur")->text(), after);

    // The open window follows the record on the screen: a new one has no
    // samples; back on the stack, its sample is there again.
    s.tapKeys(QStringLiteral("430"));
    QCOMPARE(dialog.samples()->count(), 0);
    s.tap("cmdEscape");
    QCOMPARE(dialog.samples()->count(), 1);
    QVERIFY(s.ui.done());
}

void TestEntryUi::barkModeAndStatisticsAreInSight()
{
    StemoraSession s;
    s.open();
    s.window().resize(1280, 800);
    // German numbers, as the program shows them on a German system.
    s.model().setDezimalpunkt(false);
    s.window().setDezimalpunkt(false);
    s.listWithLogs(QStringLiteral("Statistik"),
                   {QStringLiteral("25"), QStringLiteral("32"), QStringLiteral("41"), QStringLiteral("38")});
    s.choose("txtHolzart", "lstHolzart", QStringLiteral("Kiefer"));
    s.tapKeys(QStringLiteral("536"));
    s.tap("cmdSpeichern");
    s.choose("txtHolzart", "lstHolzart", QStringLiteral("Buche"));
    s.tap("cmdGuete2");
    s.tapKeys(QStringLiteral("647"));
    s.tap("cmdSpeichern");

    // The bark mode reads as large as the values beside it; a log without
    // deduction stands out.
    QPushButton* bark = s.find<QPushButton>("cmdAbzRinde");
    QLineEdit* volume = s.find<QLineEdit>("txtKubatur");
    QCOMPARE(bark->text(), QStringLiteral("Rinde a"));
    QCOMPARE(bark->font().pointSizeF(), volume->font().pointSizeF());
    QVERIFY(bark->styleSheet().isEmpty());
    s.model().cmdAbzRinde_Click();
    s.model().listChoose(entry::ControlId::lstRinde,
                         s.model().controls().lstRinde.items.indexOf(QStringLiteral("o")));
    QCOMPARE(bark->text(), QStringLiteral("Rinde o"));
    QVERIFY(!bark->styleSheet().isEmpty());
    s.tapKeys(QStringLiteral("647"));
    QCOMPARE(volume->text(), QStringLiteral("1,04"));
    const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QTest::qWait(200);
        s.window().grab().save(QDir(shots).filePath(QStringLiteral("frmHolz-Rinde.png")));
    }

    s.action("mnuStatistik")->trigger();
    entry::StatisticsDialog* dialog = s.window().statisticsDialog();
    QVERIFY(dialog->isVisible());
    QTableView* table = dialog->table();
    // Fichte with its classes and total, Kiefer, Buche, the list's total.
    const int rows = table->model()->rowCount();
    QVERIFY(rows >= 7);
    const QModelIndex total = table->model()->index(rows - 1, 4);
    QCOMPARE(table->model()->index(rows - 1, 0).data().toString(), QStringLiteral("Gesamt"));
    QCOMPARE(total.data().toString(), s.window().listListen()->model()->index(0, 2).data().toString());
    QVERIFY(total.data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!table->model()->index(0, 4).data(Qt::FontRole).isValid());
    s.click(s.child<QPushButton>(*dialog, "cmdKopieren"));
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), rows + 2);
    QCOMPARE(copied.last().section(QLatin1Char('\t'), 0, 0), QStringLiteral("Gesamt"));
    if (!shots.isEmpty()) {
        QTest::qWait(200);
        dialog->grab().save(QDir(shots).filePath(QStringLiteral("frmStatistik.png")));
    }
    dialog->close();
    QVERIFY(s.ui.done());
}

void TestEntryUi::automaticLotsFollowTheOptionsWindow()
{
    StemoraSession s;
    lots::LotRules rules(*s.settings);
    lots::LotRule beech;
    beech[lots::LotRule::Holzart] = QStringLiteral("Bu,");
    QVERIFY(rules.write({1, 1}, beech));
    s.open();
    s.newList(QStringLiteral("Auto"));

    // The options window's value counts at once, before it is stored.
    s.program->optionsDialog().open();
    QLineEdit* los = s.program->optionsDialog().losEdit();
    los->selectAll();
    QTest::keyClicks(los, QStringLiteral("102"));
    QCOMPARE(s.model().options().AutoLos, QStringLiteral("102"));

    s.choose("txtHolzart", "lstHolzart", QStringLiteral("Fichte"));
    s.tap("cmdGuete1");
    s.tap("cmdSorte2");
    s.tapKeys(QStringLiteral("425"));
    s.tap("cmdSpeichern");
    QCOMPARE(s.records(QStringLiteral("Auto")), QStringList{QStringLiteral("1 4 25 2")});
    QCOMPARE(s.find<QLineEdit>("txtLos")->text(), QStringLiteral("2"));
    // Ending the program with the options window still open stores them.
    QCOMPARE(s.settings->get(store::keys::AutoLos), QStringLiteral("0"));
    s.window().close();
    QVERIFY(!s.program->optionsDialog().isVisible());
    QCOMPARE(s.settings->get(store::keys::AutoLos), QStringLiteral("102"));
    QVERIFY(s.ui.done());
}

void TestEntryUi::refusesAForeignDatabaseUntouched()
{
    StemoraSession s;
    if (s.folder.onServer())
        QSKIP("a damaged file: a server refuses what is no database itself");
    QFile::remove(s.data.holzDb());
    const QByteArray foreign = QByteArray("Kein Holz, nur Text.\n").repeated(50);
    QFile file(s.data.holzDb());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(foreign);
    file.close();
    QVERIFY_THROWS_EXCEPTION(store::DbError, s.load());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), foreign);
}

QTEST_MAIN(TestEntryUi)
#include "tst_entry_ui.moc"
