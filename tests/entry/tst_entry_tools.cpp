// SPDX-License-Identifier: GPL-3.0-or-later
// The entry screen's helpers beyond typing a record: function-key presets,
// the price, the table's multi-record change, assortment generation, and
// what the options and stack-sample windows hand over.
#include "EntryFixture.h"

#include "entry/AssortmentGenerator.h"
#include "entry/KeyCodes.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTotals.h"
#include "entry/RecordPrice.h"
#include "rules/Numbers.h"
#include "store/LotRegister.h"
#include "store/SettingKeys.h"
#include "store/TimberStore.h"
#include "tests/store/StoreFaults.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <tuple>

using platform::Answer;
namespace keys = entry::keys;

namespace {

const QString List = QStringLiteral("17");

QString presetSetting(EntryFixture& f, int keyCode)
{
    return f.settings->GetSetting(QLatin1String(store::keys::App), QLatin1String(store::keys::Properties),
                                  store::keys::functionKeyName(keyCode));
}

// A list of three logs typed on the keypad (rows 1 to 3: 4 m with 25, 30 and 35 cm).
void threeLogs(EntryFixture& f)
{
    f.newList(List);
    f.log(u("425"), u("Fichte"), u("C "));
    f.type(u("430E435E"));
    QCOMPARE(f.records(List).size(), 3);
}

void select(EntryFixture& f, const QList<int>& rows)
{
    f.form->mnuMehrfach_Click();
    f.form->ListDaten_SelectionChanged(rows);
}

// One record of the assortment tests, as written straight into the list.
struct Log {
    int los;
    double laenge;
    double durchm;
    double stueck;
    double kubatur;
    int nummer = 0; // > 0: a numbered single log
    const char* sorte = "L ";
};

} // namespace

Q_DECLARE_METATYPE(Log)

namespace {

void insertLogs(EntryFixture& f, const QList<Log>& logs)
{
    for (const Log& log : logs) {
        store::HolzRow row;
        row.Liste = List;
        row.Los = log.los;
        row.Laenge = log.laenge;
        row.Durchm = log.durchm;
        row.Stueck = log.stueck;
        row.Kubatur = log.kubatur;
        row.Nummer = log.nummer;
        row.Einzelstamm = log.nummer > 0;
        row.Sorte = QString::fromLatin1(log.sorte);
        row.Guete = u("B ");
        row.Holzart = u("Fichte");
        row.Staerke = u("2a");
        f.insertRow(row);
    }
    // The stored total as a save leaves it; 0 would mean "no records".
    f.changeListRow(List, [](store::ListenRow& row) { row.Kubatur = 1; });
}

// (Stueck, Kubatur) of the list's records in the merge order.
QList<QPair<double, double>> merged(EntryFixture& f)
{
    QList<store::HolzRow> records = f.records(List);
    std::stable_sort(records.begin(), records.end(), [](const store::HolzRow& a, const store::HolzRow& b) {
        return std::tie(a.Los, a.Laenge, a.Durchm) < std::tie(b.Los, b.Laenge, b.Durchm);
    });
    QList<QPair<double, double>> rows;
    for (const store::HolzRow& row : records)
        rows.append({row.Stueck, row.Kubatur});
    return rows;
}

} // namespace

class TestEntryTools : public QObject {
    Q_OBJECT

private slots:
    void bigTotalsKeepTheirCents();
    void presetStoredWithShiftAppliedWithKey_data();
    void presetStoredWithShiftAppliedWithKey();
    void presetVariants();
    void presetNeverStoredIsTheDefault();
    void presetOfStackedWoodShowsItsFields();

    void priceComputation_data();
    void priceComputation();
    void priceUnitAndUnitPriceOnScreen();
    void changedPriceOfStoredRecordAsksToSave_data();
    void changedPriceOfStoredRecordAsksToSave();

    void gradeOfThreeRows();
    void refusedRowsAreNamed();
    void valuesTheFieldCannotHold_data();
    void valuesTheFieldCannotHold();
    void tableChangeRefusals();
    void autoLosIsOffDuringTheChange();
    void lotChangeRegistersTheLot();
    void fieldChangeIsAllOrNothing();
    void moveRows();
    void moveToMissingList();
    void deleteRowsNeedsJA();

    void assortmentRuns_data();
    void assortmentRuns();
    void assortmentRefusals();
    void assortmentIsAllOrNothing();
    void assortmentFromTheMenu();

    void optionsAndStackSamples();
};

// ---- Function-key presets ---------------------------------------------------------

void TestEntryTools::presetStoredWithShiftAppliedWithKey_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stored");
    QTest::newRow("yes") << int(Answer::Yes) << true;
    QTest::newRow("no") << int(Answer::No) << false;
    QTest::newRow("cancel") << int(Answer::Cancel) << false;
}

void TestEntryTools::presetStoredWithShiftAppliedWithKey()
{
    QFETCH(int, answer);
    QFETCH(bool, stored);
    EntryFixture f;
    f.newList(List);
    f.log(u("425"), u("Buche"), u("B "), u("L "));
    f.ui.expectMessage(u("Sorte = L \r\nGüte  = B "), Answer(answer));
    QVERIFY(f.form->keyDown(keys::F1 + 2, Qt::ShiftModifier));
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.shown().last().message.title, u("Einstellung für F3 speichern ?"));
    QCOMPARE(presetSetting(f, 114), stored ? u("L ;B ") : QString());
    if (!stored)
        return;

    // Other values later; F3 brings back exactly assortment and grade.
    f.form->chooseSorte(u("IL"));
    f.form->chooseGrade(u("D "));
    f.type(u("430E"));
    QVERIFY(f.form->keyDown(keys::F1 + 2));
    QCOMPARE(f.record().txtSorte, u("L "));
    QCOMPARE(f.record().txtGuete, u("B "));
    QCOMPARE(f.record().txtHolzart, u("Buche"));
    // The stored record on screen was left alone: a new one is being prepared.
    QCOMPARE(f.c().txtSatzNR.text, u("NEU"));
    QCOMPARE(f.records(List).last().Guete, u("D "));
}

void TestEntryTools::presetVariants()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"), u("Kiefer"), u("C "), u("IL"));
    f.form->Los_Pruefen(7);

    f.ui.expectMessage(u("Holzart = Kiefer\r\nSorte = IL\r\nGüte  = C "), Answer::Yes);
    f.form->keyDown(keys::F1 + 3, Qt::ControlModifier);
    f.ui.expectMessage(u("Los  = 7\r\nHolzart = Kiefer\r\nSorte = IL\r\nGüte  = C "), Answer::Yes);
    f.form->keyDown(keys::F13, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(f.ui.done());
    QCOMPARE(presetSetting(f, 115), u("IL;C ;Kiefer"));
    QCOMPARE(presetSetting(f, 124), u("IL;C ;Kiefer;7"));

    // Applying the four values also registers the lot in a list that lacks it.
    f.form->Neuer_Datensatz();
    f.form->chooseSorte(u("L "));
    f.chooseSpecies(u("Fichte"));
    f.form->Los_Pruefen(1);
    f.settings->SaveSetting(QLatin1String(store::keys::App), QLatin1String(store::keys::Properties),
                            store::keys::functionKeyName(124), u("IL;C ;Kiefer;12"));
    f.form->keyDown(keys::F13);
    QCOMPARE(f.record().txtLos, u("12"));
    QCOMPARE(f.record().txtHolzart, u("Kiefer"));
    QVERIFY(f.c().lstLos.items.contains(u("12")));

    // A preset of one value sets nothing.
    f.settings->SaveSetting(QLatin1String(store::keys::App), QLatin1String(store::keys::Properties),
                            store::keys::functionKeyName(113), u("HL"));
    f.form->keyDown(keys::F1 + 1);
    QCOMPARE(f.record().txtSorte, u("IL"));
}

void TestEntryTools::presetNeverStoredIsTheDefault()
{
    EntryFixture f;
    f.newList(List);
    f.form->keyDown(keys::F1 + 4);
    QCOMPARE(f.record().txtSorte, u("H "));
    QCOMPARE(f.record().txtGuete, u("B"));
    QCOMPARE(f.record().txtHolzart, u("Fichte"));
    QCOMPARE(presetSetting(f, 116), QString()); // still nothing stored
}

void TestEntryTools::presetOfStackedWoodShowsItsFields()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.settings->SaveSetting(QLatin1String(store::keys::App), QLatin1String(store::keys::Properties),
                            store::keys::functionKeyName(112), u("S ;B "));
    f.form->keyDown(keys::F1);
    QCOMPARE(f.record().txtSorte, u("S "));
    QCOMPARE(f.c().cmdDurchm.caption, u("B&reite"));
    QVERIFY(f.c().txtFaktor.visible);
    QCOMPARE(f.record().cmdAbzRinde, u("o"));
    QCOMPARE(f.record().txtGuete, u("B ")); // the preset's grade, not the "-" of stacked wood
}

// ---- Price -----------------------------------------------------------------------------

void TestEntryTools::priceComputation_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("faktor");
    QTest::addColumn<QString>("price"); // empty: nothing computed
    QTest::newRow("Rm, factor 0.7 divides")
        << u("€/Rm") << u("10") << u("2,00") << u("Kubatur") << u("0,7") << u("28,57");
    QTest::newRow("Rm, factor 1.43 multiplies")
        << u("€/Rm") << u("10") << u("2,00") << u("Kubatur") << u("1,43") << u("28,60");
    QTest::newRow("Rm, volume already stacked")
        << u("€/Rm") << u("10") << u("2,00") << u("Raumm³") << QString() << u("20,00");
    QTest::newRow("Rm, no factor") << u("€/Rm") << u("10") << u("2,00") << u("Kubatur") << QString()
                                   << QString();
    QTest::newRow("Rm, factor 0") << u("€/Rm") << u("10") << u("2,00") << u("Kubatur") << u("0") << QString();
    QTest::newRow("fm") << u("€/fm") << u("2") << u("1.234,56") << u("Kubatur") << QString() << u("2.469,12");
    QTest::newRow("lump sum") << u("€") << u("10") << u("2,00") << u("Kubatur") << QString() << QString();
    QTest::newRow("no unit price") << u("€/fm") << QString() << u("2,00") << u("Kubatur") << QString()
                                   << QString();
    QTest::newRow("no volume") << u("€/fm") << u("10") << QString() << u("Kubatur") << QString() << QString();
}

void TestEntryTools::priceComputation()
{
    QFETCH(QString, unit);
    QFETCH(QString, unitPrice);
    QFETCH(QString, volume);
    QFETCH(QString, caption);
    QFETCH(QString, faktor);
    QFETCH(QString, price);
    const auto computed = entry::RecordPrice::compute(unit, unitPrice, volume, caption, faktor);
    QCOMPARE(computed ? rules::formatTwoGrouped(double(*computed), false) : QString(), price);
}

void TestEntryTools::priceUnitAndUnitPriceOnScreen()
{
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->chooseGrade(u("B "));
    f.form->chooseSorte(u("L "));
    f.type(u("425"));
    f.form->cmbpreis_Click(f.c().cmbpreis.items.indexOf(u("€/fm")));
    QVERIFY(f.c().txtPreisfaktor.visible);
    f.form->txtPreisfaktor_Click();
    f.form->keypad(u("5"));
    f.form->keypad(u("0"));
    QCOMPARE(f.c().txtPreis.text, u("9,00")); // 0.18 fm at 50
    f.type(u("EE"));                          // end field entry, save
    QCOMPARE(f.records(List).size(), 1);
    QCOMPARE(f.records(List).last().Preisart, u("€/fm"));
    QCOMPARE(f.records(List).last().Preisfaktor, u("50"));

    // An empty unit price leaves a typed price as it is.
    f.type(u("430"));
    f.form->cmbpreis_Click(f.c().cmbpreis.items.indexOf(u("€/fm")));
    f.form->txtPreis_Click();
    f.form->keypad(u("1"));
    f.form->keypad(u("2"));
    f.form->keyUp(keys::Digit0 + 2);
    QCOMPARE(f.c().txtPreis.text, u("12"));

    // "€": a lump sum; the price is emptied and the unit price hidden.
    f.form->cmbpreis_Click(f.c().cmbpreis.items.indexOf(u("€")));
    QCOMPARE(f.c().txtPreis.text, QString());
    QVERIFY(!f.c().txtPreisfaktor.visible);
    f.form->txtPreis_Click();
    f.form->keypad(u("7"));
    f.form->cmdKomma_Click();
    f.form->keypad(u("5"));
    f.form->keyUp(keys::Digit0 + 5);
    QCOMPARE(f.c().txtPreis.text, u("7,5"));
    f.type(u("EE")); // the lump sum is written with two decimals once typed
    QCOMPARE(f.records(List).last().Preisart, u("€"));
    QCOMPARE(f.records(List).last().Preisfaktor, u("7,50"));
    f.form->cmdErster_Click();
    f.form->cmdLetzter_Click();
    QCOMPARE(f.c().txtPreis.text, u("7,50"));
    QVERIFY(!f.c().txtPreisfaktor.visible);
}

void TestEntryTools::changedPriceOfStoredRecordAsksToSave_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes stores the price") << true;
    QTest::newRow("no shows the stored record") << false;
}

void TestEntryTools::changedPriceOfStoredRecordAsksToSave()
{
    QFETCH(bool, yes);
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.log(u("430"));
    f.form->cmdErster_Click();
    f.form->cmbpreis_Click(f.c().cmbpreis.items.indexOf(u("€/fm")));
    f.form->textEdited(entry::ControlId::txtPreisfaktor, u("100"));
    QCOMPARE(f.c().txtPreis.text, u("18,00"));

    f.ui.expectMessage(u("Daten speichern ?"), yes ? Answer::Yes : Answer::No);
    f.form->priceEntryLeft();
    QVERIFY(f.ui.done());
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.first().Preisart, yes ? u("€/fm") : QString());
    QCOMPARE(rows.first().Preisfaktor, yes ? u("100") : QString());
    QCOMPARE(f.c().txtPreisfaktor.text, yes ? u("100") : QString());
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 1 von 2"));
    QVERIFY(f.form->state().gespeichert && !f.form->state().aendern);
    f.form->priceEntryLeft(); // asked once only
    QVERIFY(f.ui.done());

    // Moving on to another record asks as well, before the fields change.
    f.form->textEdited(entry::ControlId::txtPreisfaktor, u("80"));
    f.ui.expectMessage(u("Daten speichern ?"), Answer::Yes);
    f.form->cmdVor_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).first().Preisfaktor, u("80"));
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 2 von 2"));
}

// ---- Multi-record change of the table -------------------------------------------------

void TestEntryTools::gradeOfThreeRows()
{
    EntryFixture f;
    threeLogs(f);
    const auto before = f.records(List);
    const double total = f.form->listVolume();
    QSignalSpy reselected(&f.form->listDaten(), &entry::ListDatenModel::selectedRowsChanged);
    select(f, {2, 0, 1});
    const int sounds = f.ui.confirmations();
    f.ui.expectInput(u("Neue Guete eingeben"), u("b"));
    f.form->mnuGuete_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.inputPrompts().last(), u("Neue Guete eingeben"));

    const auto after = f.records(List);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(after[i].Guete, u("B")); // as the grade list holds it
        QCOMPARE(after[i].Kubatur, before[i].Kubatur);
        QCOMPARE(after[i].Staerke, before[i].Staerke);
        QCOMPARE(after[i].Nummer, before[i].Nummer);
    }
    QCOMPARE(f.records(List).size(), 3);
    QCOMPARE(f.form->listVolume(), total);
    QCOMPARE(f.ui.confirmations(), sounds + 1);
    QCOMPARE(f.form->listDaten().text(1, 6), u("B"));
    QCOMPARE(reselected.last().first().value<QList<int>>(), (QList<int>{0, 1, 2}));
    QVERIFY(f.form->state().gespeichert);
    QVERIFY(!f.form->state().aendern);
}

void TestEntryTools::refusedRowsAreNamed()
{
    EntryFixture f;
    threeLogs(f);
    select(f, {1, 2});
    f.ui.expectInput(u("Neue Laenge eingeben"), u("40"));
    f.ui.expectMessage(u("Nicht geändert wurden 2,3,"));
    f.form->mnuLaenge_Click();
    QVERIFY(f.ui.done());
    QVERIFY(f.ui.lastMessage().contains(u("Länge > 35 m")));
    for (const store::HolzRow& row : f.records(List))
        QCOMPARE(row.Laenge, 4.0);

    // A length the records accept: volumes follow, the list total too.
    f.ui.expectInput(u("Neue Laenge eingeben"), u("5,5"));
    f.form->mnuLaenge_Click();
    QVERIFY(f.ui.done());
    const auto rows = f.records(List);
    QCOMPARE(rows[0].Laenge, 4.0);
    QCOMPARE(rows[1].Laenge, 5.5);
    QCOMPARE(rows[2].Laenge, 5.5);
    QVERIFY(rows[2].Kubatur > 0.35);
    const double sum = rows[0].Kubatur + rows[1].Kubatur + rows[2].Kubatur;
    QCOMPARE(f.listRow(List).Kubatur, entry::ListTotals::twoDecimals(sum));
    QCOMPARE(f.form->listVolume(), sum);
}

void TestEntryTools::valuesTheFieldCannotHold_data()
{
    QTest::addColumn<int>("feld");
    QTest::addColumn<QString>("value");
    QTest::newRow("lot not a number") << int(entry::TableChange::Los) << u("x1");
    QTest::newRow("lot beyond a byte") << int(entry::TableChange::Los) << u("300");
    QTest::newRow("grade of four letters") << int(entry::TableChange::Guete) << u("ABCD");
    QTest::newRow("length not a number") << int(entry::TableChange::Laenge) << u("vier");
}

void TestEntryTools::valuesTheFieldCannotHold()
{
    QFETCH(int, feld);
    QFETCH(QString, value);
    const auto change = entry::TableChange(feld);
    EntryFixture f;
    threeLogs(f);
    const auto before = f.records(List);
    select(f, {0, 1});
    f.ui.expectInput(u("Neue ") + entry::tableChangeWord(change), value);
    f.ui.expectMessage(u("Diese Eingabe ist nicht zulässig"));
    f.form->Tabelle_Mehrfach_Aendern(change);
    QVERIFY(f.ui.done());
    const auto after = f.records(List);
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after[i].Los, before[i].Los);
        QCOMPARE(after[i].Guete, before[i].Guete);
        QCOMPARE(after[i].Laenge, before[i].Laenge);
    }
}

void TestEntryTools::tableChangeRefusals()
{
    EntryFixture f;
    f.ui.expectMessage(u("erst dann ist Ändern aktiv"));
    f.form->mnuGuete_Click();
    threeLogs(f);
    f.ui.expectMessage(u("Kein Datensatz selektiert !"));
    f.form->mnuGuete_Click();
    // A record being typed would be overwritten by the rows read on the way.
    select(f, {0});
    f.type(u("440"));
    f.ui.expectMessage(u("noch nicht gespeichert"));
    f.form->mnuGuete_Click();
    QCOMPARE(f.record().txtDurchmesser, u("40"));
    // An empty answer changes nothing.
    f.type(u("X"));
    f.ui.expectInput(u("Neue Sorte eingeben"), QString());
    f.form->mnuSorteAendern_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).first().Sorte, u("L "));
}

void TestEntryTools::autoLosIsOffDuringTheChange()
{
    EntryFixture f;
    threeLogs(f);
    int assigned = 0;
    f.form->hooks().AutoLos_Zuordnen = [&] {
        ++assigned;
        f.form->Los_Pruefen(9);
    };
    select(f, {0, 1, 2});
    f.ui.expectInput(u("Neue Laenge eingeben"), u("5"));
    f.form->mnuLaenge_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(assigned, 0);
    for (const store::HolzRow& row : f.records(List)) {
        QCOMPARE(row.Laenge, 5.0);
        QCOMPARE(row.Los, 1);
    }
    // On again for the next save.
    f.type(u("430E"));
    QCOMPARE(assigned, 1);
    QCOMPARE(f.records(List).last().Los, 9);
}

void TestEntryTools::lotChangeRegistersTheLot()
{
    EntryFixture f;
    threeLogs(f);
    select(f, {0, 2});
    f.ui.expectInput(u("Neue Los eingeben"), u("7"));
    f.form->mnuLos_Click();
    QVERIFY(f.ui.done());
    const auto rows = f.records(List);
    QCOMPARE(rows[0].Los, 7);
    QCOMPARE(rows[1].Los, 1);
    QCOMPARE(rows[2].Los, 7);
    QVERIFY(f.c().lstLos.items.contains(u("7")));
    QVERIFY(store::LotRegister::lots(f.listRow(List).Los).contains(u("7")));
}

void TestEntryTools::fieldChangeIsAllOrNothing()
{
    EntryFixture f;
    threeLogs(f);
    const double total = f.form->listVolume();
    testing::StoreFaults::refuseGradeChangeOfNumber(*f.holz, 3);
    select(f, {0, 1, 2});
    f.ui.expectInput(u("Neue Guete eingeben"), u("D"));
    f.ui.expectMessage(u("Fehl.Nr"));
    f.ui.expectMessage(u("Die Datensätze wurden nicht geändert."));
    f.form->mnuGuete_Click();
    QVERIFY(f.ui.done());
    for (const store::HolzRow& row : f.records(List))
        QCOMPARE(row.Guete, u("C "));
    QCOMPARE(f.form->listVolume(), total);
    QCOMPARE(f.form->listDaten().text(0, 6), u("C "));
    QCOMPARE(f.record().txtGuete, u("C "));
    QVERIFY(!f.form->state().aendern);
}

void TestEntryTools::moveRows()
{
    EntryFixture f;
    f.newList(u("Ziel"));
    threeLogs(f);
    f.form->Los_Pruefen(4);
    f.type(u("440E"));
    const auto before = f.records(List);
    select(f, {1, 3});
    f.ui.expectInput(u("Neue Liste eingeben"), u("ziel"));
    f.form->mnuListeT_Click();
    QVERIFY(f.ui.done());

    const auto stay = f.records(List);
    const auto moved = f.records(u("Ziel"));
    QCOMPARE(stay.size(), 2);
    QCOMPARE(moved.size(), 2);
    QCOMPARE(moved[0].Nummer, before[1].Nummer);
    QCOMPARE(moved[1].Nummer, before[3].Nummer);
    QCOMPARE(f.form->listDaten().rowCount(), 2);
    QVERIFY(f.form->listDaten().selectedRows().isEmpty());

    // Both lists' stored totals follow; the target knows the moved lots.
    const store::ListenRow target = f.listRow(u("Ziel"));
    QCOMPARE(target.Kubatur, entry::ListTotals::twoDecimals(moved[0].Kubatur + moved[1].Kubatur));
    QCOMPARE(target.Stueckzahl, 2);
    QCOMPARE(target.NummerHigh, before[3].Nummer);
    QVERIFY(store::LotRegister::lots(target.Los).contains(u("4")));
    const double rest = stay[0].Kubatur + stay[1].Kubatur;
    QCOMPARE(f.listRow(List).Kubatur, entry::ListTotals::twoDecimals(rest));
    QCOMPARE(f.listRow(List).Stueckzahl, 2);
    QCOMPARE(f.form->listVolume(), rest);
    QCOMPARE(f.form->listPieces(), 2);
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 2 von 2"));
}

void TestEntryTools::moveToMissingList()
{
    EntryFixture f;
    threeLogs(f);
    select(f, {0});
    f.ui.expectInput(u("Neue Liste eingeben"), u("Nirgends"));
    f.ui.expectMessage(u("Liste 'Nirgends' nicht vorhanden!"));
    f.form->mnuListeT_Click();
    f.ui.expectInput(u("Neue Liste eingeben"), List);
    f.ui.expectMessage(u("stehen schon in Liste '17'"));
    f.form->mnuListeT_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 3);
    QCOMPARE(f.form->listDaten().rowCount(), 3);
}

void TestEntryTools::deleteRowsNeedsJA()
{
    EntryFixture f;
    threeLogs(f);
    select(f, {0, 2});
    f.ui.expectInput(u("Datensatz 1, 3 loeschen ?"), u("ja"));
    f.ui.expectMessage(u("Daten wurden nicht gelöscht"));
    f.form->ListDaten_KeyDown(keys::Delete);
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 3);
    QCOMPARE(f.ui.shown().size(), 1);

    const double middle = f.records(List).at(1).Kubatur;
    f.ui.expectInput(u("Datensatz 1, 3 loeschen ?"), u("JA"));
    f.form->mnuLoeschenT_Click();
    QVERIFY(f.ui.done());
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().Kubatur, middle);
    QCOMPARE(f.listRow(List).Kubatur, middle);
    QCOMPARE(f.listRow(List).Stueckzahl, 1);
    QCOMPARE(f.form->listDaten().rowCount(), 1);
    QCOMPARE(f.c().txtSatzNR.text, u("Nr. 1 von 1"));
}

// ---- Assortment generation -------------------------------------------------------------

void TestEntryTools::assortmentRuns_data()
{
    using Rows = QList<QPair<double, double>>;
    QTest::addColumn<QList<Log>>("logs");
    QTest::addColumn<Rows>("expected");
    QTest::addColumn<qint64>("withoutPieces");
    QTest::newRow("three logs of 0.20 become 3 × 0.60")
        << QList<Log>{{1, 4, 25, 1, 0.20}, {1, 4, 25, 1, 0.20}, {1, 4, 25, 1, 0.20}} << Rows{{3, 0.60}}
        << qint64(0);
    QTest::newRow("a run at the end")
        << QList<Log>{{1, 4, 20, 1, 0.13}, {1, 4, 30, 2, 0.56}, {1, 4, 30, 1, 0.28}}
        << Rows{{1, 0.13}, {3, 0.84}} << qint64(0);
    QTest::newRow("a numbered single log inside a run ends it and stays")
        << QList<Log>{{2, 5, 25, 1, 0.25}, {2, 5, 25, 1, 0.25}, {2, 5, 25, 1, 0.25, 8}, {2, 5, 25, 1, 0.25}}
        << Rows{{2, 0.5}, {1, 0.25}, {1, 0.25}} << qint64(0);
    QTest::newRow("single logs between runs stay")
        << QList<Log>{{1, 4, 25, 1, 0.2}, {1, 4, 25, 1, 0.2}, {1, 4, 27, 1, 0.23, 7}, {1, 4, 27, 1, 0.23}}
        << Rows{{2, 0.4}, {1, 0.23}, {1, 0.23}} << qint64(0);
    QTest::newRow("a single log does not start a run")
        << QList<Log>{{1, 4, 25, 1, 0.2, 3}, {1, 4, 25, 1, 0.2}} << Rows{{1, 0.2}, {1, 0.2}} << qint64(0);
    QTest::newRow("another assortment ends the run")
        << QList<Log>{{1, 4, 25, 1, 0.2}, {1, 4, 25, 1, 0.2, 0, "IL"}} << Rows{{1, 0.2}, {1, 0.2}}
        << qint64(0);
    QTest::newRow("no pieces in the first record: left alone")
        << QList<Log>{{1, 4, 25, 0, 0.2}, {1, 4, 25, 1, 0.2}} << Rows{{0, 0.2}, {1, 0.2}} << qint64(1);
    QTest::newRow("more pieces than 32767")
        << QList<Log>{{1, 4, 25, 30000, 6000}, {1, 4, 25, 30000, 6000}} << Rows{{60000, 12000}} << qint64(0);
}

void TestEntryTools::assortmentRuns()
{
    QFETCH(QList<Log>, logs);
    using Rows = QList<QPair<double, double>>;
    QFETCH(Rows, expected);
    QFETCH(qint64, withoutPieces);
    EntryFixture f;
    f.newList(List);
    insertLogs(f, logs);
    const auto result = entry::AssortmentGenerator::compact(*f.holz, List);
    QCOMPARE(merged(f), expected);
    // Numbered single logs keep their number and their mark.
    for (const Log& log : logs) {
        if (log.nummer == 0)
            continue;
        const auto rows = f.records(List);
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(), [&](const store::HolzRow& row) {
            return row.Nummer == log.nummer && row.Einzelstamm;
        }));
    }
    QCOMPARE(result.recordsBefore, logs.size());
    QCOMPARE(result.recordsAfter, expected.size());
    QCOMPARE(result.runsWithoutPieces, withoutPieces);

    // The stored totals are those of the records left.
    const entry::ListTotals totals = entry::ListTotals::compute(*f.holz, List);
    if (result.runsMerged > 0) {
        QCOMPARE(f.listRow(List).Kubatur, entry::ListTotals::storedKubatur(totals.volume, true));
        QCOMPARE(f.listRow(List).Stueckzahl, int(totals.pieces));
    }
}

void TestEntryTools::assortmentRefusals()
{
    EntryFixture f;
    f.newList(List);
    insertLogs(f, {{1, 4, 25, 1, 0.2}, {1, 4, 25, 1, 0.2}});
    f.settings->set(store::keys::Sortierung, u("3"));
    store::TimberStore& store = f.form->store();
    QVERIFY(store.moveToList(List));
    entry::AssortmentGenerator generator(store, f.ui);

    f.ui.expectMessage(u("Sortiment für Liste '17' automatisch erzeugen ?"), Answer::No);
    QVERIFY(!generator.Sortiment_Erzeugen());
    // A stored total of 0 says "no data", whatever the records say.
    f.changeListRow(List, [](store::ListenRow& row) { row.Kubatur = 0; });
    f.ui.expectMessage(u("Sortiment für Liste"), Answer::Yes);
    f.ui.expectMessage(u("Liste enhält keine Daten"));
    QVERIFY(!generator.Sortiment_Erzeugen());
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 2);
    QCOMPARE(f.ui.confirmations(), 0);
    QCOMPARE(f.settings->get(store::keys::Sortierung), u("3"));
}

void TestEntryTools::assortmentIsAllOrNothing()
{
    EntryFixture f;
    f.newList(List);
    insertLogs(f, {{1, 4, 25, 1, 0.2}, {1, 4, 25, 1, 0.2}, {1, 4, 30, 1, 0.3}, {1, 4, 30, 1, 0.3}});
    testing::StoreFaults::refuseRecordDeletionOfDiameter(*f.holz, 30);
    store::TimberStore& store = f.form->store();
    QVERIFY(store.moveToList(List));
    f.ui.expectMessage(u("automatisch erzeugen ?"), Answer::Yes);
    f.ui.expectMessage(u("Fehl.Nr"));
    QVERIFY(!entry::AssortmentGenerator(store, f.ui).Sortiment_Erzeugen());
    QVERIFY(f.ui.done());
    QCOMPARE(merged(f), (QList<QPair<double, double>>{{1, 0.2}, {1, 0.2}, {1, 0.3}, {1, 0.3}}));
    QCOMPARE(f.listRow(List).Kubatur, 1.0);
    QVERIFY(!f.ui.progressVisible());
    QVERIFY(!f.ui.busy());
}

void TestEntryTools::assortmentFromTheMenu()
{
    EntryFixture f;
    f.newList(List);
    f.form->optSortiment_Click();
    f.log(u("425"));
    f.type(u("425E425E430E"));
    QCOMPARE(f.records(List).size(), 4);
    f.ui.expectMessage(u("Sortiment für Liste '17' automatisch erzeugen ?"), Answer::Yes);
    const int sounds = f.ui.confirmations();
    f.form->mnuSortiment_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.confirmations(), sounds + 1);
    QVERIFY(f.ui.progressLines().contains(u("Liste '17' sortieren")));
    QVERIFY(!f.ui.progressVisible());

    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].Stueck, 3.0);
    QCOMPARE(rows[0].Kubatur, 0.54);
    // The screen opened the list again: table, totals and list of lists agree.
    QCOMPARE(f.form->listDaten().rowCount(), 2);
    QCOMPARE(f.form->listPieces(), 4);
    QCOMPARE(f.listRow(List).Stueckzahl, 4);
    QCOMPARE(f.form->listListen().text(f.form->listListen().findList(List), 2),
             rules::formatTwo(rows[0].Kubatur + rows[1].Kubatur, false));

    // A record being typed is not thrown away by opening the list again.
    f.type(u("435"));
    f.ui.expectMessage(u("noch nicht gespeichert"));
    f.form->mnuSortiment_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.record().txtDurchmesser, u("35"));
}

// ---- Options and the stack-sample window ---------------------------------------------

void TestEntryTools::optionsAndStackSamples()
{
    EntryFixture f;
    f.form->setNutzungVisible(false);
    f.form->setEinschlagtypVisible(false);
    QVERIFY(!f.c().cmbNutzung.visible && !f.c().cmbEinschlag.visible);
    f.form->setEinschlagtypVisible(true);
    QVERIFY(f.c().cmbEinschlag.visible);
    QVERIFY(f.form->barkTable().hasSpecies());

    int read = 0;
    f.form->hooks().Daten_Lesen_Mantel = [&] { ++read; };
    f.newList(List);
    f.log(u("425"));
    f.log(u("430"));
    f.form->cmdErster_Click();
    QCOMPARE(read, 1);
    const entry::StackRecordValues values = f.form->stackRecordValues();
    QCOMPARE(values.liste, List);
    QCOMPARE(values.txtLaenge, u("4"));
    QCOMPARE(values.txtHolzart, u("Fichte"));
    QCOMPARE(values.holzId, f.records(List).first().Id);

    // The sample window stored 0.50 for the first record (0.18 before).
    f.changeRecords(List, [](store::HolzRow& row) {
        if (row.Nummer == 1)
            row.Kubatur = 0.5;
    });
    const double total = f.form->listVolume();
    f.form->applyStackSample(u("0,50"), 0.18, 0.5, true);
    QCOMPARE(f.record().txtKubatur, u("0,50"));
    QCOMPARE(f.form->listVolume(), total + 0.32);
    QCOMPARE(f.listRow(List).Kubatur, entry::ListTotals::twoDecimals(total + 0.32));
    QCOMPARE(f.form->listDaten().text(0, 12), u("0,50"));

    // A record being typed has no stored row yet.
    f.type(u("5"));
    QCOMPARE(f.form->stackRecordValues().holzId, qint64(0));
}

void TestEntryTools::bigTotalsKeepTheirCents()
{
    QCOMPARE(entry::ListTotals::twoDecimals(350116.65), 350116.65);
    QCOMPARE(entry::ListTotals::twoDecimals(0.285), 0.29);
    QCOMPARE(entry::ListTotals::storedKubatur(1234567.891, true), 1234567.89);
}

QTEST_GUILESS_MAIN(TestEntryTools)
#include "tst_entry_tools.moc"
