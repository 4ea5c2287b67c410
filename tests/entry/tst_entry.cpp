// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryFixture.h"

#include "entry/KeyCodes.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "store/ListRepository.h"
#include "store/LotRegister.h"
#include "store/RecordRepository.h"
#include "store/SettingKeys.h"
#include "store/TimberStore.h"
#include "tests/store/StoreFaults.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using header::HeaderField;
using platform::Answer;
namespace keys = entry::keys;

namespace {

const QString List = QStringLiteral("17");

// A list with records written straight into the database, opened on screen.
void openWithRecords(EntryFixture& f, const QString& list, const std::function<void()>& insert)
{
    f.newList(list);
    insert();
    f.form->ListListen_Click(f.form->listListen().findList(list));
}

} // namespace

class TestEntry : public QObject {
    Q_OBJECT

private slots:
    void firstStartWithoutLists();
    void quickEntry_data();
    void quickEntry();
    void fieldEntryLimits_data();
    void fieldEntryLimits();
    void saveStoresTheRecordAndPreparesTheNext();
    void secondSaveSaysAlreadySaved();
    void recordCheckListsMissingValuesInOrder();
    void nextNumberQuestion_data();
    void nextNumberQuestion();
    void bracketThenFollowOnLog();
    void stackedWood();
    void assortmentAndFollowOnTotals();
    void changeModeRewritesRecordAndTotals();
    void changeRefusedForUnsavedRecord();
    void changeKeepsFieldsTheScreenDoesNotShow();
    void optionsTakeEffectAtOnce();
    void navigationEnds();
    void deletePositions_data();
    void deletePositions();
    void deleteFollowOnKeepsPieces();
    void arrowsKeepTypedRecord();
    void failedSaveKeepsRecordOnScreen();
    void listOrderingToggles();
    void deleteListWithEverything();
    void deleteListIsAllOrNothing();
    void deleteOnlyList();
    void totalsMessage();
    void totalsShowOnlyTwelveLots();
    void letterKeys_data();
    void letterKeys();
    void enterTakesOpenListChoice();
    void remarkLettersAreText();
    void changeNamesWhatChanged();
    void piecesKey_data();
    void piecesKey();
    void assortmentRules();
    void barkMessageOncePerRecord();
    void lotChoice();
    void speciesFarDownMovesToFront();
    void emptyListPrefillsCompartment();
    void tableFollowsTheRecords();
    void statistics();
    void closing_data();
    void closing();
    void menuHandlers();
};

void TestEntry::firstStartWithoutLists()
{
    EntryFixture f;
    const entry::EntryControls& c = f.c();
    const QStringList buttons = {c.cmdGuete1.caption, c.cmdGuete2.caption, c.cmdGuete3.caption,
                                 c.cmdSorte1.caption, c.cmdSorte2.caption, c.cmdSorte3.caption};
    QCOMPARE(buttons, QStringList({u("B "), u("C "), u("D "), u("IL"), u("L "), u("S ")}));
    QCOMPARE(c.caption, u("Holz"));
    QVERIFY(!c.mnuKonvertieren.enabled);
    QVERIFY(c.mnuSortiment.enabled); // the screen's own work, no handler needed
    QCOMPARE(f.form->listListen().rowCount(), 0);

    const bool visible = c.cmbNutzung.visible;
    f.form->mnuNutzungsart_Click();
    QCOMPARE(f.c().cmbNutzung.visible, !visible);
    f.form->mnuNutzungsart_Click();
    QCOMPARE(f.c().cmbNutzung.visible, visible);

    for (int i = 0; i < 3; ++i)
        f.ui.expectMessage(u("Liste mit Stift auswählen (unter Liste)"));
    f.form->cmdBearbeiten_Click();
    f.form->cmdListeBearbeiten_Click();
    f.form->mnuLoescheng_Click();
    QVERIFY(f.ui.done());
    QVERIFY(!f.form->frmListendaten().visible);
}

void TestEntry::quickEntry_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("laenge");
    QTest::addColumn<QString>("durchmesser");
    QTest::addColumn<QString>("buffer");
    QTest::newRow("425") << u("425") << u("4") << u("25") << u("425");
    QTest::newRow("1225") << u("1225") << u("12") << u("25") << u("1225");
    QTest::newRow("4,525") << u("4,525") << u("4,5") << u("25") << u("4,525");
    QTest::newRow("45,25 waits") << u("45,25") << u("0") << u("45") << u("45,25");
    QTest::newRow("back key") << u("4256<") << u("4") << u("25") << u("425");
    QTest::newRow("five digits refused") << u("12345") << u("12") << u("34") << u("1234");
}

void TestEntry::quickEntry()
{
    QFETCH(QString, keys);
    QFETCH(QString, laenge);
    QFETCH(QString, durchmesser);
    QFETCH(QString, buffer);
    EntryFixture f;
    f.newList(List);
    if (keys == u("12345"))
        f.ui.expectMessage(u("Siehe Hilfe - Schnelleingabe"), Answer::Ok);
    f.type(keys);
    QVERIFY(f.ui.done());
    QCOMPARE(f.record().txtLaenge, laenge);
    QCOMPARE(f.record().txtDurchmesser, durchmesser);
    QCOMPARE(f.c().txtEingabe.text, buffer);
    QCOMPARE(f.ui.helpAnchors(), keys == u("12345") ? QStringList{u("Schnelleingabe")} : QStringList());
}

void TestEntry::fieldEntryLimits_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("length 12,55") << u("Laenge") << u("12,55") << QString() << u("12,55");
    QTest::newRow("length sixth character")
        << u("Laenge") << u("12,555") << u("Laenge auserhalb") << QString();
    QTest::newRow("diameter 255") << u("Durchmesser") << u("255") << QString() << u("255");
    QTest::newRow("diameter 256") << u("Durchmesser") << u("256") << u("Durchmesser ausserhalb") << QString();
    QTest::newRow("second decimal key") << u("Laenge") << u(",5,") << QString() << u("0,5");
}

void TestEntry::fieldEntryLimits()
{
    QFETCH(QString, feld);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    EntryFixture f;
    f.newList(List);
    if (!message.isEmpty())
        f.ui.expectMessage(message, Answer::Ok);
    f.field(feld, typed);
    QVERIFY(f.ui.done());
    QCOMPARE(feld == u("Laenge") ? f.record().txtLaenge : f.record().txtDurchmesser, shown);
    QVERIFY(f.form->calc().Feldmodus);
}

void TestEntry::saveStoresTheRecordAndPreparesTheNext()
{
    EntryFixture f;
    f.newList(List);
    QSignalSpy focus(f.form.get(), &entry::FrmHolz::focusRequested);
    f.log(u("425"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.confirmations(), 1);
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 1);
    const store::HolzRow& row = rows.first();
    // Fichte in Bavaria: 1 cm bark off 25 cm leaves 24 cm: class 2a, 0.18 fm.
    QCOMPARE(row.Laenge, 4.0);
    QCOMPARE(row.Durchm, 25.0);
    QCOMPARE(row.RindenAbzug, 1);
    QCOMPARE(row.Rinde, u("a"));
    QCOMPARE(row.Staerke, u("2a"));
    QCOMPARE(row.Kubatur, 0.18);
    QCOMPARE(row.Nummer, 1);
    QVERIFY(row.Einzelstamm);
    QCOMPARE(row.Los, 1);
    QCOMPARE(row.SatzNr, 1);
    QCOMPARE(row.Nutzung, u("00"));
    QVERIFY(f.c().txtgespeichert.visible);
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 1 von 1"));
    QCOMPARE(focus.last().first().value<entry::ControlId>(), entry::ControlId::txtEingabe);

    const store::ListenRow list = f.listRow(List);
    QCOMPARE(list.Kubatur, 0.18);
    QCOMPARE(list.Stueckzahl, 1);
    QCOMPARE(list.NummerHigh, 1);
    QCOMPARE(list.Bearbeitet, QDate::currentDate());
    QVERIFY(!list.Konvertiert.isValid());
    QCOMPARE(f.form->listDaten().rowCount(), 1);
    const int listRow = f.form->listListen().findList(List);
    QCOMPARE(f.form->listListen().text(listRow, 2), u("0,18"));

    f.type(u("5"));
    QCOMPARE(f.c().txtSatzNR.text, u("NEU"));
    QCOMPARE(f.c().txtNummer.text, u("2"));
    QCOMPARE(f.record().txtHolzart, u("Fichte"));
    QCOMPARE(f.record().txtGuete, u("B "));
    QVERIFY(!f.c().txtgespeichert.visible);
    QVERIFY(!f.c().cmdVor.enabled);
    f.type(u("3"));
    QCOMPARE(f.c().txtNummer.text, u("2"));
    f.type(u("0E"));
    QCOMPARE(f.records(List).size(), 2);
    QCOMPARE(f.records(List).last().Nummer, 2);
    QCOMPARE(f.records(List).last().Durchm, 30.0);
}

void TestEntry::secondSaveSaysAlreadySaved()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.ui.expectMessage(u("Bereits gespeichert"));
    f.type(u("E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 1);
    QCOMPARE(f.record().txtDurchmesser, u("25"));
}

void TestEntry::recordCheckListsMissingValuesInOrder()
{
    EntryFixture f;
    f.newList(List);
    f.ui.expectMessage(u("Güte eingeben"));
    f.type(u("425E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.lastMessage(),
             u("Güte eingeben \rHolzart eingeben \rStaerke eingeben \rKlasse eingeben \r"));
    QCOMPARE(f.records(List).size(), 0);
    QVERIFY(!f.form->state().gespeichert);
}

void TestEntry::nextNumberQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("stored");
    QTest::newRow("yes takes 8") << true << 8;
    QTest::newRow("no keeps 5") << false << 5;
}

void TestEntry::nextNumberQuestion()
{
    QFETCH(bool, yes);
    QFETCH(int, stored);
    EntryFixture f;
    // Numbers 3 and 5 are free: the question is about low numbers, not
    // about numbers the list holds already (those are always asked about).
    openWithRecords(f, List, [&] {
        for (const int n : {1, 2, 4, 6, 7})
            f.insertRecord(List, 1, n, 0.5);
    });
    QCOMPARE(f.form->HoechsteNummer(), 7);
    f.field(u("Nummer"), u("5"));
    f.type(u("E425"));
    f.ui.expectMessage(u("Nächsthöhere Nummer 8 verwenden"), yes ? Answer::Yes : Answer::No);
    f.type(u("E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).last().Nummer, stored);

    // After No the question stays away until a list is opened again.
    f.field(u("Nummer"), u("3"));
    if (yes)
        f.ui.expectMessage(u("Nächsthöhere Nummer 9 verwenden"), Answer::No);
    f.type(u("E430E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).last().Nummer, 3);

    f.ui.expectMessage(u("Höchste Nummer = ") + QString::number(yes ? 8 : 7), Answer::Yes);
    f.form->mnuHoechsteNummer_Click();
    QVERIFY(f.ui.done());
    QVERIFY(f.form->state().naechsteNummer);
}

void TestEntry::bracketThenFollowOnLog()
{
    EntryFixture f;
    f.newList(List);
    f.form->mnuKlammerstamm_Click();
    QVERIFY(f.c().chkKlammer.checked && f.c().chkKlammer.visible && f.c().chkFolge.visible);
    f.log(u("425"));
    f.type(u("4"));
    QVERIFY(f.c().chkFolge.checked);
    QVERIFY(!f.c().chkKlammer.checked);
    f.type(u("30E"));
    f.type(u("5"));
    QVERIFY(!f.c().chkFolge.checked);
    QVERIFY(!f.c().chkKlammer.checked);

    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0].Klammerstamm && !rows[0].Folgestamm);
    QVERIFY(rows[1].Folgestamm && !rows[1].Klammerstamm);
    // The follow-on piece adds its volume but no piece.
    QCOMPARE(f.listRow(List).Stueckzahl, 1);
    QCOMPARE(f.listRow(List).Kubatur, rows[0].Kubatur + rows[1].Kubatur);
    QCOMPARE(f.form->listDaten().text(0, 11), u("Klammerst."));
    QCOMPARE(f.form->listDaten().text(1, 11), u("Folgestück"));
}

void TestEntry::stackedWood()
{
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->chooseSorte(u("S "));
    const entry::EntryControls& c = f.c();
    QCOMPARE(c.cmdDurchm.caption, u("B&reite"));
    QCOMPARE(c.cmdStueck.caption, u("Höh&e"));
    QCOMPARE(f.record().cmdAbzRinde, u("o"));
    QCOMPARE(f.record().txtGuete, u("-"));
    QCOMPARE(f.record().txtStaerke, u("-"));
    QVERIFY(c.txtFaktor.visible && c.cmdFaktor.visible && c.cmdKubatur.enabled);

    f.ui.expectMessage(u("Keine Schnelleingabe im Schichtholz"));
    f.type(u("4"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.c().txtEingabe.text, QString());

    f.field(u("Laenge"), u("10"));
    f.field(u("Durchmesser"), u("2"));
    f.field(u("Stueck"), u("1,5"));
    f.field(u("Faktor"), u("0,7"));
    QCOMPARE(f.record().txtKubatur, u("21,00"));
    QCOMPARE(f.record().cmdKubatur, u("Kubatur"));
    f.type(u("EE"));
    QVERIFY(f.ui.done());
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].Stueck, 1.0);
    QCOMPARE(rows[0].Hoehe, 1.5);
    QCOMPARE(rows[0].Durchm, 2.0);
    QCOMPARE(rows[0].Stamm, u("0,7"));
    QCOMPARE(rows[0].Kubatur, 21.0);
    QVERIFY(!rows[0].Einzelstamm);
    QCOMPARE(rows[0].Nummer, 0);
    QCOMPARE(f.listRow(List).Stueckzahl, 1);

    // Read back, the stack shows its height and factor again.
    f.form->cmdErster_Click();
    QCOMPARE(f.record().txtStueck, u("1,5"));
    QCOMPARE(f.record().txtFaktor, u("0,7"));
    QCOMPARE(f.c().cmdStueck.caption, u("Höh&e"));
}

void TestEntry::assortmentAndFollowOnTotals()
{
    EntryFixture f;
    f.newList(List);
    f.form->optSortiment_Click();
    f.field(u("Stueck"), u("12"));
    f.log(u("E430"));
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 1);
    QVERIFY(!rows[0].Einzelstamm);
    QCOMPARE(rows[0].Nummer, 0);
    QCOMPARE(rows[0].Stueck, 12.0);
    QCOMPARE(f.listRow(List).Stueckzahl, 12);
    QCOMPARE(f.form->listPieces(), 12);
    QCOMPARE(f.form->listDaten().text(0, 2), u("*12"));
    QCOMPARE(f.form->listDaten().text(0, 11), u("Sortiment"));
}

void TestEntry::changeModeRewritesRecordAndTotals()
{
    EntryFixture f;
    f.newList(List);
    f.form->optSortiment_Click();
    f.field(u("Stueck"), u("12"));
    f.log(u("E425"));
    const double before = f.records(List).first().Kubatur;

    f.form->cmdAendern_Click();
    QCOMPARE(f.c().txtSatzNR.text, u("Ändern Satz - 1"));
    QVERIFY(!f.c().cmdVor.enabled);
    f.field(u("Stueck"), u("10"));
    f.type(u("EE"));
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].Stueck, 10.0);
    QVERIFY(rows[0].Kubatur < before);
    QCOMPARE(f.listRow(List).Stueckzahl, 10);
    QCOMPARE(f.listRow(List).Kubatur, rows[0].Kubatur);
    QCOMPARE(f.form->listVolume(), rows[0].Kubatur);
    QVERIFY(!f.form->state().aendern);
    QCOMPARE(f.form->listDaten().rowCount(), 1);
}

void TestEntry::changeRefusedForUnsavedRecord()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.type(u("5")); // a new record is being typed
    f.ui.expectMessage(u("noch nicht gespeichert"));
    f.form->cmdAendern_Click();
    QVERIFY(f.ui.done());
    QVERIFY(!f.form->state().aendern);
    f.ui.expectMessage(u("noch nicht gespeichert"));
    f.form->mnuLoeschen_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 1);
}

void TestEntry::changeKeepsFieldsTheScreenDoesNotShow()
{
    EntryFixture f;
    openWithRecords(f, List, [&] {
        store::HolzRow row = EntryFixture::recordRow(List, 1, 1, 0.5);
        row.RF = u("DK0815");
        row.Polter = u("P12");
        row.EST1 = 4;
        row.SatzNr = 9;
        f.insertRow(row);
    });
    f.form->cmdAendern_Click();
    f.field(u("Durchmesser"), u("30"));
    f.type(u("EE"));
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].Durchm, 30.0);
    QCOMPARE(rows[0].RF, u("DK0815"));
    QCOMPARE(rows[0].Polter, u("P12"));
    QCOMPARE(rows[0].EST1, std::optional<int>(4));
    QCOMPARE(rows[0].SatzNr, 9);
}

void TestEntry::optionsTakeEffectAtOnce()
{
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->chooseGrade(u("B "));
    f.form->chooseSorte(u("H ")); // long timber: the class is typed, never computed
    f.type(u("1825E"));
    QCOMPARE(f.records(List).size(), 1);
    f.type(u("9"));
    QCOMPARE(f.record().txtStaerke, u("1"));
    f.type(u("X"));

    entry::EntryOptions options = f.form->options();
    options.UebernStaerke = false;
    options.chkNutzung = !options.chkNutzung;
    f.form->setOptions(options);
    QCOMPARE(f.c().cmbNutzung.visible, options.chkNutzung);
    f.type(u("9"));
    QCOMPARE(f.record().txtStaerke, QString());
}

void TestEntry::navigationEnds()
{
    EntryFixture f;
    openWithRecords(f, List, [&] {
        for (int n = 1; n <= 3; ++n)
            f.insertRecord(List, 1, n, 0.5);
    });
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 3 von 3"));
    f.ui.expectMessage(u("Letzter Datensatz erreicht"));
    f.form->cmdVor_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.c().txtNummer.text, u("3"));
    f.form->cmdErster_Click();
    QCOMPARE(f.c().txtNummer.text, u("1"));
    f.ui.expectMessage(u("Erster Datensatz erreicht"));
    f.form->keyDown(keys::Left);
    QVERIFY(f.ui.done());
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 1 von 3"));
    f.form->keyDown(keys::Right);
    QCOMPARE(f.c().txtNummer.text, u("2"));
    QCOMPARE(f.form->listDaten().currentRow(), 1);
    f.form->ListDaten_Click(2);
    QCOMPARE(f.c().txtNummer.text, u("3"));
    f.form->mnuMehrfach_Click(); // selecting rows reads none of them
    f.form->ListDaten_Click(0);
    QCOMPARE(f.c().txtNummer.text, u("3"));
    f.form->mnuMehrfach_Click();

    // Erster does nothing while a record is changed.
    f.form->cmdAendern_Click();
    f.form->cmdErster_Click();
    QCOMPARE(f.c().txtNummer.text, u("3"));
    QVERIFY(f.form->state().aendern);
}

void TestEntry::deletePositions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QString>("positionAfter");
    QTest::newRow("first of three") << 1 << u("2") << u("Nr. 1 von 2");
    QTest::newRow("second of three") << 2 << u("1") << u("Nr. 1 von 2");
    QTest::newRow("third of three") << 3 << u("2") << u("Nr. 2 von 2");
}

void TestEntry::deletePositions()
{
    QFETCH(int, position);
    QFETCH(QString, shownAfter);
    QFETCH(QString, positionAfter);
    EntryFixture f;
    openWithRecords(f, List, [&] {
        for (int n = 1; n <= 3; ++n)
            f.insertRecord(List, 1, n, 0.5);
    });
    f.form->ListDaten_Click(position - 1);
    f.ui.expectMessage(u("Satz löschen bestätigen ?"), Answer::Cancel);
    f.form->mnuLoeschen_Click();
    QCOMPARE(f.records(List).size(), 3);
    f.ui.expectMessage(u("Satz löschen bestätigen ?"), Answer::Ok);
    f.form->mnuLoeschen_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.shown().last().message.title, u("Datensatz NR. ") + QString::number(position));
    QVERIFY(f.ui.shown().last().message.text.endsWith(u("Datensatz NR. ") + QString::number(position)));
    QCOMPARE(f.records(List).size(), 2);
    QCOMPARE(f.c().txtNummer.text, shownAfter);
    QCOMPARE(f.c().txtSatzNR.text, positionAfter);
    QCOMPARE(f.form->listDaten().rowCount(), 2);
    QCOMPARE(f.ui.confirmations(), 1);
}

void TestEntry::deleteFollowOnKeepsPieces()
{
    EntryFixture f;
    f.newList(List);
    f.form->mnuKlammerstamm_Click();
    f.log(u("425"));
    f.type(u("430E"));
    QCOMPARE(f.listRow(List).Stueckzahl, 1);
    const double first = f.records(List).first().Kubatur;
    f.ui.expectMessage(u("Satz löschen bestätigen ?"), Answer::Ok);
    f.form->mnuLoeschen_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.listRow(List).Stueckzahl, 1);
    QCOMPARE(f.listRow(List).Kubatur, first);
    QCOMPARE(f.form->listPieces(), 1);

    f.ui.expectMessage(u("Satz löschen bestätigen ?"), Answer::Ok);
    f.form->mnuLoeschen_Click();
    QVERIFY(f.ui.done());
    // Empty again: the stored total marks the list as empty.
    QCOMPARE(f.listRow(List).Kubatur, 0.0);
    QCOMPARE(f.listRow(List).Stueckzahl, 0);
    QCOMPARE(f.c().txtSatzNR.text, u("NEU"));
}

void TestEntry::arrowsKeepTypedRecord()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.log(u("430"));
    f.type(u("5"));
    f.form->keyDown(keys::Left);
    f.form->ListDaten_Click(0);
    QCOMPARE(f.c().txtSatzNR.text, u("NEU"));
    QCOMPARE(f.c().txtEingabe.text, u("5"));
    QVERIFY(f.ui.done());
}

void TestEntry::failedSaveKeepsRecordOnScreen()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    // The list row is written after the record: its failure must take the
    // record back with it.
    testing::StoreFaults::refuseListChanges(*f.holz);
    f.ui.expectMessage(u("Fehl.Nr"));
    f.type(u("530E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 1);
    QVERIFY(!f.form->state().gespeichert);
    QVERIFY(!f.c().txtgespeichert.visible);
    QCOMPARE(f.record().txtLaenge, u("5"));
    QCOMPARE(f.form->listVolume(), 0.18);
    QCOMPARE(f.form->listDaten().rowCount(), 1);
    QCOMPARE(f.form->store().Holz.recordCount(), 1);
    QCOMPARE(f.ui.confirmations(), 1);

    testing::StoreFaults::allowListChanges(*f.holz);
    f.type(u("E"));
    QCOMPARE(f.records(List).size(), 2);
    QCOMPARE(f.records(List).last().Laenge, 5.0);
    QCOMPARE(f.form->listDaten().rowCount(), 2);
}

void TestEntry::listOrderingToggles()
{
    EntryFixture f;
    const QStringList names = {u("b"), u("A"), u("C")};
    const QStringList owners = {u("Zeller"), u("Huber"), u("Adam")};
    for (int i = 0; i < 3; ++i) {
        f.form->cmdNeu_Click();
        f.form->frmListendaten().setText(HeaderField::Listenname, names[i]);
        f.form->frmListendaten().setText(HeaderField::Name, owners[i]);
        f.form->frmListendaten().cmdOK_Click();
    }
    auto column = [&](int col) {
        QStringList texts;
        for (int row = 0; row < f.form->listListen().rowCount(); ++row)
            texts << f.form->listListen().text(row, col);
        return texts;
    };
    QCOMPARE(column(0), QStringList({u("C"), u("b"), u("A")}));
    f.form->ListListen_ColumnClick(0);
    QCOMPARE(column(0), QStringList({u("C"), u("b"), u("A")}));
    f.form->ListListen_ColumnClick(0);
    QCOMPARE(column(0), QStringList({u("A"), u("b"), u("C")}));
    f.form->ListListen_ColumnClick(1);
    QCOMPARE(column(1), QStringList({u("Zeller"), u("Huber"), u("Adam")}));
    f.form->ListListen_ColumnClick(1);
    QCOMPARE(column(1), QStringList({u("Adam"), u("Huber"), u("Zeller")}));
    f.form->ListListen_ColumnClick(7);
    QCOMPARE(column(0), QStringList({u("C"), u("b"), u("A")}));
    // The last list stays selected and open through every reordering.
    QCOMPARE(f.form->listListen().selectedName(), u("C"));
    QCOMPARE(f.c().caption, u("Liste 'C'"));
}

void TestEntry::deleteListWithEverything()
{
    EntryFixture f;
    f.newList(u("Andere"));
    f.log(u("425"));
    f.newList(List);
    f.log(u("425"));
    f.log(u("430"));
    // Samples and storage rows stored under the list's name only.
    store::TimberStore& store = f.form->store();
    for (const QString& list : {List, u("Andere")}) {
        store::MantelRow sample;
        sample.Liste = list;
        sample.StapelNr = 1;
        sample.Durchm = 30;
        store.Mantel.addNew(sample);
        store::LagerRow place;
        place.Liste = list;
        place.Los = 1;
        place.Lagerort = u("Weg");
        store.Lager.addNew(place);
    }
    QCOMPARE(f.form->listListen().selectedName(), List);
    f.ui.expectMessage(u("Löschen Liste bestätigen ?"), Answer::Cancel);
    f.form->mnuLoescheng_Click();
    QCOMPARE(f.records(List).size(), 2);

    f.ui.expectMessage(u("Löschen Liste bestätigen ?"), Answer::Ok);
    f.form->mnuLoescheng_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.shown().last().message.title, u("Liste Nr. '17' löschen"));
    // A window manager may cut the title: the question itself names the list.
    QVERIFY(f.ui.shown().last().message.text.contains(u("'17'")));
    const store::RecordRepository records(*f.holz);
    QCOMPARE(records.recordCount(List), 0);
    QCOMPARE(records.recordCount(u("Andere")), 1);
    QVERIFY(!store::ListRepository(*f.holz).exists(List));
    store.Mantel_Lesen(0);
    QCOMPARE(store.Mantel.recordCount(), 1);
    QCOMPARE(store.Mantel.at(0).Liste, u("Andere"));
    store.Lager_Oeffnen();
    QCOMPARE(store.Lager.recordCount(), 1);
    QCOMPARE(f.settings->get(store::keys::ListenNr), u("Andere"));
    QCOMPARE(f.form->listListen().rowCount(), 1);
    QCOMPARE(f.c().caption, u("Liste 'Andere'"));
    QCOMPARE(f.form->listDaten().rowCount(), 1);
    // A new list of the name finds no storage row of the deleted one.
    f.newList(List);
    store.Lager_Oeffnen();
    QCOMPARE(store.Lager.recordCount(), 0);
}

void TestEntry::deleteListIsAllOrNothing()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    testing::StoreFaults::refuseListDeletion(*f.holz);
    f.ui.expectMessage(u("Löschen Liste bestätigen ?"), Answer::Ok);
    f.ui.expectMessage(u("Fehl.Nr"));
    f.form->mnuLoescheng_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 1);
    QCOMPARE(f.c().caption, u("Liste '17'"));
}

void TestEntry::deleteOnlyList()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.ui.expectMessage(u("Löschen Liste bestätigen ?"), Answer::Ok);
    f.form->mnuLoescheng_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.form->listListen().rowCount(), 0);
    QCOMPARE(f.settings->get(store::keys::ListenNr), List);
    QCOMPARE(f.c().caption, u("Holz"));
    QCOMPARE(f.form->listDaten().rowCount(), 0);
    QVERIFY(!f.form->listOpen());
    f.ui.expectMessage(u("Liste mit Stift auswählen"));
    f.type(u("425E"));
    QVERIFY(f.ui.done());
}

void TestEntry::totalsMessage()
{
    EntryFixture f;
    openWithRecords(f, List, [&] {
        f.insertRecord(List, 1, 1, 0.5);
        f.insertRecord(List, 1, 2, 0.7, 1, u("L "), true); // follow-on: volume only
        f.insertRecord(List, 3, 0, 2.0, 5, u("IS"));       // stack: one piece
        f.insertRecord(List, 3, 0, 1.25, 4, u("L "));      // assortment of 4
    });
    // Switching to the list stored its totals; mark them to see that
    // showing them stores nothing.
    f.changeListRow(List, [](store::ListenRow& row) {
        row.Kubatur = 9.99;
        row.Stueckzahl = 99;
    });
    f.form->store().Listen.refresh();
    f.ui.expectMessage(u("Kubatur ges.= 4,45 fm"));
    f.form->mnuKubatur_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.lastMessage(), u("Liste '17'\rKubatur ges.= 4,45 fm\rStückzahl = 6\rLosweise Kubatur :\r"
                                   "Los 1 = 1,20 fm 1 Stück\rLos 3 = 3,25 fm 5 Stück\r"));
    QCOMPARE(f.ui.shown().last().message.title, u("Berechnung Kubatur Liste '17'"));
    // Showing the totals stores nothing; switching to the list does.
    QCOMPARE(f.listRow(List).Kubatur, 9.99);
    QCOMPARE(f.form->listPieces(), 6);
    f.form->ListListen_Click(f.form->listListen().findList(List));
    QCOMPARE(f.listRow(List).Kubatur, 4.45);
    QCOMPARE(f.listRow(List).Stueckzahl, 6);
    QCOMPARE(f.listRow(List).NummerHigh, 2);
}

void TestEntry::totalsShowOnlyTwelveLots()
{
    EntryFixture f;
    openWithRecords(f, List, [&] {
        for (int lot = 14; lot >= 1; --lot)
            f.insertRecord(List, lot, lot, 0.5);
        f.insertRecord(List, 0, 20, 1.0); // outside 1..85: in the total only
    });
    f.ui.expectMessage(u("Kubatur ges.= 8,00 fm"));
    f.form->mnuKubatur_Click();
    QVERIFY(f.ui.done());
    const QStringList lines = f.ui.lastMessage().split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    const QStringList lotLines = lines.filter(QRegularExpression(u("^Los \\d")));
    QCOMPARE(lotLines.size(), 12);
    QCOMPARE(lotLines.first(), u("Los 1 = 0,50 fm 1 Stück"));
    QCOMPARE(lotLines.last(), u("Los 12 = 0,50 fm 1 Stück"));
}

void TestEntry::letterKeys_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("guete");
    QTest::addColumn<QString>("sorte");
    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("B grade") << int('B') << none << u("B ") << u("L ");
    QTest::newRow("A grade") << int('A') << none << u("AF") << u("L ");
    QTest::newRow("Ctrl+pad 2 is b") << keys::NumPad0 + 2 << ctrl << u("BC") << u("L ");
    QTest::newRow("plain pad 2 is no letter") << keys::NumPad0 + 2 << none << u("C ") << u("L ");
    QTest::newRow("Shift+S stacked") << int('S') << shift << u("-") << u("S ");
    QTest::newRow("Shift+I industrial stack") << int('I') << shift << u("C ") << u("IS");
    QTest::newRow("Shift+H long timber") << int('H') << shift << u("C ") << u("H ");
    QTest::newRow("Shift+pad 8 is no h") << keys::NumPad8 << shift << u("C ") << u("L ");
    QTest::newRow("unknown letter") << int('Q') << none << u("C ") << u("L ");
}

void TestEntry::letterKeys()
{
    QFETCH(int, keyCode);
    QFETCH(int, modifiers);
    QFETCH(QString, guete);
    QFETCH(QString, sorte);
    EntryFixture f;
    f.newList(List);
    f.log(u("425"), u("Fichte"), u("C "));
    f.form->keyDown(keyCode, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.record().txtGuete, guete);
    QCOMPARE(f.record().txtSorte, sorte);
    const bool changed = guete != u("C ") || sorte != u("L ");
    // A chosen grade or assortment starts the next record.
    QCOMPARE(f.c().txtSatzNR.text == u("NEU"), changed);
}

void TestEntry::enterTakesOpenListChoice()
{
    EntryFixture f;
    f.newList(List);
    f.form->cmdGuete_Click();
    QVERIFY(f.c().lstGuete.visible);
    const int index = f.c().lstGuete.items.indexOf(u("CD"));
    f.form->listSelect(entry::ControlId::lstGuete, index);
    f.form->keyDown(keys::Enter);
    QCOMPARE(f.record().txtGuete, u("CD"));
    QVERIFY(!f.c().lstGuete.visible);
    QVERIFY(f.ui.shown().isEmpty()); // no save was tried

    f.form->cmdHolzart_Click();
    f.form->keyDown(keys::Esc);
    QVERIFY(!f.c().lstHolzart.visible);
    QCOMPARE(f.record().txtHolzart, QString());
}

void TestEntry::remarkLettersAreText()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"), u("Fichte"), u("C "));
    f.type(u("430"));
    f.form->txtZusatz_Click();
    QVERIFY(!f.form->keyDown('B', Qt::NoModifier, u("B")));
    QVERIFY(!f.form->keyDown('K', Qt::ShiftModifier, u("K")));
    f.form->textEdited(entry::ControlId::txtZusatz, u("BK"));
    QCOMPARE(f.record().txtGuete, u("C "));
    QCOMPARE(f.record().txtSorte, u("L "));
    f.type(u("EE"));
    QCOMPARE(f.records(List).last().Zusatztext, u("BK"));
}

// The window repaints only the controls a change names: one left out would
// show a stale value.
void TestEntry::changeNamesWhatChanged()
{
    using entry::ControlId;
    EntryFixture f;
    f.newList(List);
    QSignalSpy changed(f.form.get(), &entry::FrmHolz::changed);
    const auto last = [&] { return changed.last().first().value<entry::ControlSet>(); };

    f.form->cmdLaenge_Click(); // highlights the field, which the record holds
    QCOMPARE(changed.size(), 1);
    QVERIFY(last().contains(ControlId::txtLaenge));
    QVERIFY(!last().contains(ControlId::txtDurchmesser));
    QVERIFY(!last().contains(ControlId::mnuBeenden));
    f.form->keypad(u("4"));
    QVERIFY(last().contains(ControlId::txtLaenge));
    QVERIFY(!last().contains(ControlId::txtEingabe));

    // A widget the user worked may hold a value the model did not take: the
    // change names it even when the model stayed as it was.
    f.form->textEdited(ControlId::txtZusatz, f.c().txtZusatz.text);
    QVERIFY(last().contains(ControlId::txtZusatz));
    QVERIFY(!last().contains(ControlId::txtLaenge));
}

void TestEntry::piecesKey_data()
{
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<bool>("refused");
    QTest::newRow("0") << u("0") << true;
    QTest::newRow("10001") << u("10001") << true;
    QTest::newRow("10000") << u("10000") << false;
}

void TestEntry::piecesKey()
{
    QFETCH(QString, pieces);
    QFETCH(bool, refused);
    EntryFixture f;
    f.newList(List);
    f.form->optSortiment_Click();
    QVERIFY(f.c().cmdX.visible);
    f.field(u("Stueck"), pieces);
    if (refused)
        f.ui.expectMessage(u("Eingabefehler Stückzahl"));
    f.form->keyDown(keys::Multiply);
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.shown().size(), refused ? 1 : 0);
}

void TestEntry::assortmentRules()
{
    EntryFixture f;
    f.newList(List);
    QVERIFY(f.c().optEinzelstamm.checked);
    f.form->chooseSorte(u("LF"));
    QVERIFY(f.c().optSortiment.checked);
    QVERIFY(!f.record().optEinzelstamm);
    QVERIFY(f.c().cmdKubatur.enabled);

    f.ui.expectMessage(u("Handelsklasse 'XY' wird nicht unterstützt"));
    f.form->chooseSorte(u("XY"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.record().txtStaerke, u("0")); // emptied, then computed from the diameter 0

    f.form->chooseSorte(u("H "));
    QVERIFY(f.form->calc().Feldmodus);
    QVERIFY(f.form->state().Eingabefeld == entry::EntryField::Staerke);
    f.type(u("7"));
    QCOMPARE(f.record().txtStaerke, QString());
    f.type(u("3"));
    QCOMPARE(f.record().txtStaerke, u("3"));
    QVERIFY(!f.form->calc().Feldmodus);

    // The grade quick buttons take over a grade chosen from the list.
    f.form->cmdGuete_Click();
    f.form->listChoose(entry::ControlId::lstGuete, f.c().lstGuete.items.indexOf(u("A")));
    QCOMPARE(f.c().cmdGuete1.caption, u("A "));
    QCOMPARE(f.c().cmdGuete3.caption, u("C "));
}

void TestEntry::barkMessageOncePerRecord()
{
    EntryFixture f;
    f.settings->set(store::keys::RegionIndex, u("99")); // a region without species
    f.form->reloadOptions();
    f.newList(List);
    f.form->textEdited(entry::ControlId::txtHolzart, u("Fichte"));
    f.form->chooseGrade(u("B "));
    f.form->chooseSorte(u("L "));
    f.ui.expectMessage(u("Keine Daten für automatischen Rindenabzug vorhanden"));
    f.type(u("425<5"));
    QVERIFY(f.ui.done());
    f.type(u("E"));
    QCOMPARE(f.records(List).size(), 1);
    QCOMPARE(f.records(List).first().RindenAbzug, 0);
    f.ui.expectMessage(u("Keine Daten für automatischen Rindenabzug vorhanden"));
    f.type(u("430"));
    QVERIFY(f.ui.done());
}

void TestEntry::lotChoice()
{
    EntryFixture f;
    f.newList(List);
    f.ui.expectMessage(u("Losnummer zu groß (Max 85)"));
    f.form->Los_Pruefen(86);
    QVERIFY(f.ui.done());
    QCOMPARE(f.record().txtLos, u("1"));
    f.form->cmdLos_Click();
    QVERIFY(f.c().lstLos.visible && f.c().lstLosNeu.visible);
    f.form->listChoose(entry::ControlId::lstLosNeu, 11);
    QCOMPARE(f.record().txtLos, u("12"));
    QCOMPARE(f.c().lstLos.items, QStringList({u("1"), u("12")}));
    QCOMPARE(f.listRow(List).Los, store::LotRegister::entered(store::LotRegister::initial(), 12));
    f.log(u("425"));
    QCOMPARE(f.records(List).first().Los, 12);
}

void TestEntry::speciesFarDownMovesToFront()
{
    EntryFixture f;
    f.newList(List);
    const QStringList before = f.c().lstHolzart.items;
    const QString far = before.at(8);
    f.chooseSpecies(far);
    QCOMPARE(f.record().txtHolzart, far);
    QCOMPARE(f.c().lstHolzart.items.first(), far);
    QCOMPARE(f.c().lstHolzart.items.size(), before.size());
    const QString near = f.c().lstHolzart.items.at(3);
    f.chooseSpecies(near);
    QCOMPARE(f.c().lstHolzart.items.first(), far);
}

void TestEntry::emptyListPrefillsCompartment()
{
    EntryFixture f;
    f.form->cmdNeu_Click();
    header::FrmListendaten& dialog = f.form->frmListendaten();
    dialog.setText(HeaderField::Listenname, List);
    dialog.setText(HeaderField::Abteilung, u("1"));
    dialog.setText(HeaderField::UAbt, u("2"));
    dialog.setText(HeaderField::Bestand, u("3"));
    dialog.cmdOK_Click();
    QCOMPARE(f.c().txtAbteilung.text, u("1  2  3  "));
    QCOMPARE(f.c().txtNummer.text, u("1"));
    QCOMPARE(f.record().txtLos, u("1"));
    QCOMPARE(f.c().txtSatzNR.text, u("NEU"));
}

void TestEntry::tableFollowsTheRecords()
{
    EntryFixture f;
    QAbstractItemModelTester daten(&f.form->listDaten(),
                                   QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester listen(&f.form->listListen(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    f.newList(List);
    f.log(u("425"));
    f.log(u("430"));
    QCOMPARE(f.form->listDaten().rowCount(), 2);
    const QStringList expected = {u("2"), u("1"), u("2"), u("Fichte"), u("4"), u("30"), u("B "), u("L "),
                                  u("2b"), u("2"), u("a"), u("Einzelst."), u("0,25"),
                                  // an empty list's header has no compartment: blanks
                                  u("         "), QString(), QString()};
    for (int column = 0; column < entry::ListDatenModel::ColumnCount; ++column)
        QCOMPARE(f.form->listDaten().text(1, column), expected.at(column));
    QCOMPARE(
        f.form->listDaten().headerData(15, Qt::Horizontal, entry::ListDatenModel::TwipsWidthRole).toInt(),
        3500);
    QCOMPARE(f.form->listDaten().currentRow(), 1);

    f.ui.expectMessage(u("Satz löschen bestätigen ?"), Answer::Ok);
    f.form->mnuLoeschen_Click();
    QCOMPARE(f.form->listDaten().rowCount(), 1);
    QCOMPARE(f.form->listDaten().currentRow(), 0);
}

void TestEntry::statistics()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.log(u("425"));
    f.log(u("440"), u("Buche"));
    f.ui.expectMessage(u("Sortenzusammenstellung zu Holzliste 17"));
    f.form->mnuStatistik_Click();
    QVERIFY(f.ui.done());
    const QStringList lines = f.ui.lastMessage().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.contains(u("Fichte\tL 2a\tB\t2\t0,36")));
    QVERIFY(lines.contains(u("Buche\tL 3b\tB\t1\t0,48")));
    QCOMPARE(lines.last().section(QLatin1Char('\t'), 0, 0), u("Gesamt"));
    QCOMPARE(lines.last().section(QLatin1Char('\t'), -1), f.form->listListen().text(0, 2));
}

void TestEntry::closing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("mayEnd");
    QTest::addColumn<int>("stored");
    QTest::newRow("complete, yes") << u("430") << int(Answer::Yes) << true << 2;
    QTest::newRow("incomplete, yes: stays open") << u("4") << int(Answer::Yes) << false << 1;
    QTest::newRow("no: record dropped") << u("430") << int(Answer::No) << true << 1;
}

void TestEntry::closing()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, mayEnd);
    QFETCH(int, stored);
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.form->cmdGuete_Click();
    f.form->listChoose(entry::ControlId::lstGuete, f.c().lstGuete.items.indexOf(u("K")));
    f.type(typed);
    f.ui.expectMessage(u("Programm beenden ?"), Answer::Yes);
    f.ui.expectMessage(u("Datensatz nicht gespeichert !\nSpeichern ?"), Answer(answer));
    if (!mayEnd)
        f.ui.expectMessage(u("Länge o.Durchmesser fehlen"));
    QCOMPARE(f.form->mnuBeenden_Click(), mayEnd);
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), stored);
    if (!mayEnd) {
        QVERIFY(f.form->listOpen());
        QCOMPARE(f.c().txtEingabe.text, typed);
        return;
    }
    QCOMPARE(f.settings->get(store::keys::Guete1), u("K"));
    QCOMPARE(f.settings->get(store::keys::Guete2), u("B"));
    QCOMPARE(f.settings->get(store::keys::ListenNr), List);
}

void TestEntry::menuHandlers()
{
    EntryFixture f;
    f.newList(u("Alt"));
    f.newList(List);
    QVERIFY(!f.c().mnuEinlesen.enabled);
    f.form->mnuEinlesen_Click(); // without a handler nothing happens
    QString seen;
    f.form->setMenuHandler(entry::MenuCommand::Konvertieren,
                           [&] { seen = f.form->store().Listen.current().Liste; });
    f.form->setMenuHandler(entry::MenuCommand::Einlesen, [&] {
        // An import creates a list and names it as the last one.
        store::ListenRow row;
        row.Liste = u("Import");
        row.Los = store::LotRegister::initial();
        f.form->store().Listen.addNew(row);
        f.settings->set(store::keys::ListenNr, row.Liste);
    });
    QVERIFY(f.c().mnuKonvertieren.enabled && f.c().mnuEinlesen.enabled);
    f.form->selectList(u("Alt"));
    f.form->mnuKonvertieren_Click();
    QCOMPARE(seen, u("Alt"));
    f.form->mnuEinlesen_Click();
    QCOMPARE(f.c().caption, u("Liste 'Import'"));
    QCOMPARE(f.form->listListen().rowCount(), 3);
    f.form->setMenuHandler(entry::MenuCommand::Einlesen, {});
    QVERIFY(!f.c().mnuEinlesen.enabled);
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
