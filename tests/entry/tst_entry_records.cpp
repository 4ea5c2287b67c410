// SPDX-License-Identifier: GPL-3.0-or-later
// What a record keeps through the helpers around the entry screen: its
// kind and volume through the table's changes, its bark deduction with
// decimals, its bracket mark and number, its place in another list; and
// the smaller promises of price, header menu and table.
#include "EntryFixture.h"

#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "export/Fields.h"
#include "export/FixedLine.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/MasterDataWriter.h"
#include "store/TimberStore.h"

#include <QTest>

using platform::Answer;

namespace {

const QString List = QStringLiteral("17");

void select(EntryFixture& f, const QList<int>& rows)
{
    f.form->mnuMehrfach_Click();
    f.form->ListDaten_SelectionChanged(rows);
}

// The first bark group (Fichte's in every region) with the bands given.
void barkBands(EntryFixture& f, double r1, int d2, double r2)
{
    const store::MasterData master(*f.master);
    store::MasterDataWriter writer(*f.master);
    for (const store::LaenderRow& region : master.laender()) {
        if (master.barkRow(region.Landindex, 1))
            writer.saveBarkRow(region.Landindex, 1, {{1, r1}, {d2, r2}, {0, 0.0}, {0, 0.0}, {0, 0.0}});
    }
    // The screen reads the bark table when it loads.
    f.form = std::make_unique<entry::FrmHolz>(*f.holz, *f.master, *f.settings, f.ui);
    f.form->setDezimalpunkt(false);
    f.form->Form_Load();
}

} // namespace

class TestEntryRecords : public QObject {
    Q_OBJECT

private slots:
    void changeOfKindIsRefused_data();
    void changeOfKindIsRefused();
    void decimalBarkDeduction_data();
    void decimalBarkDeduction();
    void decimalDeductionTypedAndShown();
    void bracketLogChosenAfterSave();
    void existingNumberIsAlwaysAsked();
    void movedRecordsTakeFreshNumbers();
    void tableCodesAsTheListsHoldThem();
    void deleteWithoutJANamesTheNote();
    void lumpSumWithTwoDecimals();
    void priceCaptionKeepsThePrice();
    void headerMenuSaveKeepsTheOpenList();
};

// ---- The table's change of several records ---------------------------------------------

void TestEntryRecords::changeOfKindIsRefused_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("logs to stacked wood") << u("L ") << u("S");
    QTest::newRow("logs to industrial stacks") << u("L ") << u("IS");
    QTest::newRow("logs to piece rows") << u("L ") << u("P");
    QTest::newRow("stacks to logs") << u("S ") << u("L");
}

void TestEntryRecords::changeOfKindIsRefused()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    EntryFixture f;
    f.newList(List);
    if (from == QLatin1String("S ")) {
        f.form->chooseSorte(u("S "));
        f.chooseSpecies(u("Fichte"));
        f.field(u("Laenge"), u("2"));
        f.field(u("Durchmesser"), u("3"));
        f.field(u("Stueck"), u("1,5"));
        f.type(u("EE"));
        f.field(u("Laenge"), u("2"));
        f.field(u("Durchmesser"), u("4"));
        f.field(u("Stueck"), u("1"));
        f.type(u("EE"));
    } else {
        f.log(u("425"));
        f.type(u("430E"));
    }
    const auto before = f.records(List);
    QCOMPARE(before.size(), 2);
    const store::ListenRow listBefore = f.listRow(List);

    select(f, {0, 1});
    f.ui.expectInput(u("Neue Sorte eingeben"), to);
    f.ui.expectMessage(u("Nicht geändert wurden 1,2,"));
    f.form->mnuSorteAendern_Click();
    QVERIFY(f.ui.done());
    QVERIFY(f.ui.lastMessage().contains(u("Keine Kubatur berrechnet")));

    // Nothing about the records or the list's totals moved.
    const auto after = f.records(List);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(after[i].Sorte, before[i].Sorte);
        QCOMPARE(after[i].Kubatur, before[i].Kubatur);
        QCOMPARE(after[i].Nummer, before[i].Nummer);
        QCOMPARE(after[i].Hoehe, before[i].Hoehe);
        QCOMPARE(after[i].Einzelstamm, before[i].Einzelstamm);
    }
    QCOMPARE(f.listRow(List).Kubatur, listBefore.Kubatur);
    QCOMPARE(f.listRow(List).Stueckzahl, listBefore.Stueckzahl);
}

// ---- Bark deductions with decimals -------------------------------------------------------

void TestEntryRecords::decimalBarkDeduction_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("kubatur");
    QTest::addColumn<QString>("staerke");
    // 4 m × 30 cm Fichte; the second band starts at 27 cm.
    QTest::newRow("half a centimetre") << 0.5 << 0.0 << u("0,5") << 0.27 << u("2b");
    QTest::newRow("two and a half") << 1.0 << 2.5 << u("2,5") << 0.24 << u("2b");
    QTest::newRow("whole centimetres") << 1.0 << 2.0 << u("2") << 0.25 << u("2b");
}

void TestEntryRecords::decimalBarkDeduction()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(QString, shown);
    QFETCH(double, kubatur);
    QFETCH(QString, staerke);
    EntryFixture f;
    barkBands(f, r1, r2 > 0 ? 27 : 0, r2);
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->listChoose(entry::ControlId::lstRinde, f.c().lstRinde.items.indexOf(u("a")));
    f.log(u("430"));
    QCOMPARE(f.record().txtRinde, shown);

    const store::HolzRow row = f.records(List).last();
    QCOMPARE(row.RindenAbzug, r2 > 0 ? r2 : r1);
    QCOMPARE(row.Kubatur, kubatur);
    QCOMPARE(row.Staerke, staerke);
    QCOMPARE(f.form->listDaten().text(0, 9), shown);

    // Read back from the list, the screen shows the same deduction.
    f.type(u("X"));
    f.form->cmdErster_Click();
    QCOMPARE(f.record().txtRinde, shown);

    // The exchange files carry it as far as their fields allow.
    namespace fields = exporter::fields;
    const QString two = QString::number(row.RindenAbzug, 'f', 2);
    exporter::FixedLine handheld;
    fields::barkPart(handheld, row);
    QCOMPARE(handheld.text(), u("a ") + two + u("c"));
    QCOMPARE(fields::barkField(row, u(".00")), two.rightJustified(5, QLatin1Char(' ')) + u("c"));
    QCOMPARE(fields::barkField(row, u(".0")),
             QString::number(row.RindenAbzug, 'f', 1).rightJustified(4, QLatin1Char(' ')) + u("c"));
}

void TestEntryRecords::decimalDeductionTypedAndShown()
{
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->listChoose(entry::ControlId::lstRinde, f.c().lstRinde.items.indexOf(u(" ")));
    f.type(u("430"));
    f.form->txtRinde_Click();
    QVERIFY(f.c().cmdKomma.enabled);
    f.field(QString(), u("0,5"));
    QCOMPARE(f.record().txtRinde, u("0,5"));
    f.type(u("E"));
    f.log(QString());
    const store::HolzRow row = f.records(List).last();
    QCOMPARE(row.RindenAbzug, 0.5);
    QCOMPARE(row.Rinde, u(" "));
    QCOMPARE(row.Kubatur, 0.27);
}

// ---- Bracket log and log numbers ---------------------------------------------------------

void TestEntryRecords::bracketLogChosenAfterSave()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    // The stored log is still on screen when the bracket is chosen.
    f.form->mnuKlammerstamm_Click();
    QCOMPARE(f.c().txtSatzNR.text, u("NEU"));
    f.type(u("430E"));
    f.type(u("435E"));
    f.type(u("440E"));

    const auto rows = f.records(List);
    QCOMPARE(rows.size(), 4);
    QVERIFY(!rows[0].Klammerstamm && !rows[0].Folgestamm);
    QVERIFY(rows[1].Klammerstamm && !rows[1].Folgestamm);
    QVERIFY(rows[2].Folgestamm && !rows[2].Klammerstamm);
    QVERIFY(!rows[3].Klammerstamm && !rows[3].Folgestamm);
    QCOMPARE((QList<int>{rows[0].Nummer, rows[1].Nummer, rows[2].Nummer, rows[3].Nummer}),
             (QList<int>{1, 2, 3, 4}));
    QCOMPARE(f.listRow(List).Stueckzahl, 3);
}

void TestEntryRecords::existingNumberIsAlwaysAsked()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.type(u("430E435E"));

    // The number 2 is there: asked every time, whatever was answered before.
    for (int round = 0; round < 2; ++round) {
        f.field(u("Nummer"), u("2"));
        f.type(u("E440"));
        f.ui.expectMessage(u("Nummer 2 gibt es schon in Datensatz 2"), Answer::No);
        f.type(u("E"));
        QVERIFY(f.ui.done());
        QCOMPARE(f.ui.shown().last().message.title, u("Stammnummer"));
        QCOMPARE(f.records(List).last().Nummer, 2);
    }
    // Yes takes the next free number.
    f.field(u("Nummer"), u("3"));
    f.type(u("E445"));
    f.ui.expectMessage(u("Nächsthöhere Nummer 4 verwenden"), Answer::Yes);
    f.type(u("E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).last().Nummer, 4);

    // Changing a log to its own number is no duplicate.
    f.form->cmdAendern_Click();
    f.field(u("Laenge"), u("5"));
    f.type(u("EE"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).last().Laenge, 5.0);
}

void TestEntryRecords::movedRecordsTakeFreshNumbers()
{
    EntryFixture f;
    f.newList(u("Ziel"));
    f.log(u("425"));
    f.type(u("430E"));
    f.newList(List);
    f.log(u("435"));
    f.type(u("440E445E"));

    select(f, {0, 2});
    f.ui.expectInput(u("Neue Liste eingeben"), u("Ziel"));
    f.form->mnuListeT_Click();
    QVERIFY(f.ui.done());

    const auto target = f.records(u("Ziel"));
    QCOMPARE(target.size(), 4);
    QList<int> numbers;
    for (const store::HolzRow& row : target)
        numbers << row.SatzNr;
    QCOMPARE(numbers, (QList<int>{1, 2, 3, 4}));
    QCOMPARE(target[2].Durchm, 35.0);
    QCOMPARE(target[3].Durchm, 45.0);
}

// ---- Smaller promises --------------------------------------------------------------------

void TestEntryRecords::tableCodesAsTheListsHoldThem()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"), u("Fichte"), u("C "));
    f.type(u("430E"));
    QVERIFY(f.c().lstGuete.items.contains(u("BC")));

    select(f, {0, 1});
    f.ui.expectInput(u("Neue Guete eingeben"), u("bc"));
    f.form->mnuGuete_Click();
    QVERIFY(f.ui.done());
    for (const store::HolzRow& row : f.records(List))
        QCOMPARE(row.Guete, u("BC"));

    // A one-letter code as the list has it; three characters are a code too.
    const QString one = f.c().lstGuete.items.value(f.c().lstGuete.items.indexOf(u("D")));
    f.ui.expectInput(u("Neue Guete eingeben"), u("d"));
    f.form->mnuGuete_Click();
    QCOMPARE(f.records(List).first().Guete, one);
    f.ui.expectInput(u("Neue Guete eingeben"), u("abc"));
    f.form->mnuGuete_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).first().Guete, u("ABC"));
}

void TestEntryRecords::deleteWithoutJANamesTheNote()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    select(f, {0});
    f.ui.expectInput(u("loeschen ?"), u("nein"));
    f.ui.expectMessage(u("Nicht geändert wurden "));
    f.form->mnuLoeschenT_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(f.ui.lastMessage(), u("Nicht geändert wurden Daten wurden nicht gelöscht"));
    QCOMPARE(f.records(List).size(), 1);
}

void TestEntryRecords::lumpSumWithTwoDecimals()
{
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->chooseGrade(u("B "));
    f.form->chooseSorte(u("L "));
    f.type(u("425"));
    f.form->cmbpreis_Click(f.c().cmbpreis.items.indexOf(u("€")));
    f.form->txtPreis_Click();
    f.form->keypad(u("7"));
    f.form->keypad(u("5"));
    QCOMPARE(f.c().txtPreis.text, u("75")); // typed as it is typed
    f.type(u("E"));
    QCOMPARE(f.c().txtPreis.text, u("75,00"));
    f.type(u("E"));
    QCOMPARE(f.records(List).last().Preisfaktor, u("75,00"));
    QCOMPARE(f.records(List).last().Preisart, u("€"));
}

void TestEntryRecords::priceCaptionKeepsThePrice()
{
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Fichte"));
    f.form->chooseGrade(u("B "));
    f.form->chooseSorte(u("L "));
    f.type(u("425"));
    f.form->cmbpreis_Click(f.c().cmbpreis.items.indexOf(u("€/fm")));
    f.form->txtPreisfaktor_Click();
    f.form->keypad(u("5"));
    f.form->keypad(u("0"));
    f.type(u("EE"));
    QCOMPARE(f.records(List).size(), 1);
    const QString price = f.c().txtPreis.text;
    QVERIFY(!price.isEmpty());

    f.form->Label3_Click();
    QCOMPARE(f.c().txtPreis.text, price);
    QVERIFY(f.c().txtPreis.highlighted);
    QVERIFY(f.form->state().gespeichert);
    QVERIFY(f.c().txtSatzNR.text != u("NEU"));
}

void TestEntryRecords::headerMenuSaveKeepsTheOpenList()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.form->cmdNeu_Click();
    header::FrmListendaten& dialog = f.form->frmListendaten();
    dialog.setText(header::HeaderField::Listenname, u("Nord"));
    dialog.mnuSpeichern_Click();
    QVERIFY(!dialog.visible);
    QVERIFY(store::ListRepository(*f.holz).exists(u("Nord")));
    QCOMPARE(f.form->openListName(), List);
    QCOMPARE(f.c().caption, u("Liste '17'"));
    QVERIFY(f.form->listListen().findList(u("Nord")) >= 0);
    QCOMPARE(f.form->listListen().selectedRow(), f.form->listListen().findList(List));
    // The record on screen is the stored one, still.
    f.type(u("430E"));
    QCOMPARE(f.records(List).size(), 2);
    QVERIFY(f.records(u("Nord")).isEmpty());
}

QTEST_GUILESS_MAIN(TestEntryRecords)
#include "tst_entry_records.moc"
