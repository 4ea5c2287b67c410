// SPDX-License-Identifier: GPL-3.0-or-later
// Values that used to come out plausible and wrong: stack samples on the
// wrong record, a bark mode left behind by stacked wood, one grade in two
// spellings, a typed record dropped on a list switch.
#include "EntryFixture.h"

#include "entry/ListListenModel.h"
#include "entry/StatisticsModel.h"
#include "store/TimberStore.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

using platform::Answer;

namespace {

const QString List = QStringLiteral("17");

// Counts the openings of the stack-sample window.
struct MantelWindow {
    int opened = 0;
    explicit MantelWindow(EntryFixture& f)
    {
        f.form->setMenuHandler(entry::MenuCommand::Mantel, [this] { ++opened; });
    }
};

QList<entry::StatisticsModel::Line> groupsOf(const entry::StatisticsModel& model, const QString& species)
{
    QList<entry::StatisticsModel::Line> groups;
    for (const auto& line : model.lines()) {
        if (line.kind == entry::StatisticsModel::LineKind::Group && line.holzart == species)
            groups << line;
    }
    return groups;
}

} // namespace

class TestEntryTraps : public QObject {
    Q_OBJECT

private slots:
    void stackSamplesOnlyForAStoredAssortment_data();
    void stackSamplesOnlyForAStoredAssortment();
    void sampleVolumeSurvivesAChange();
    void barkModeReturnsAfterStackedWood_data();
    void barkModeReturnsAfterStackedWood();
    void barkModeReturnsAfterAStoredStackWasShown();
    void gradesTypedPickedAndImportedGroupAsOne();
    void compactionMergesOneGradeInTwoSpellings();
    void statisticsTable();
    void switchingListsAsksForTheTypedRecord();
};

void TestEntryTraps::stackSamplesOnlyForAStoredAssortment_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal"); // empty: the window opens
    QTest::newRow("single log") << "log"
                                << "Einzelstamm";
    QTest::newRow("stacked wood") << "stack"
                                  << "Schichtholz";
    QTest::newRow("assortment of one piece") << "one"
                                             << "weniger als 2";
    QTest::newRow("assortment being typed") << "typed"
                                            << "zuerst speichern";
    QTest::newRow("stored assortment") << "assortment"
                                       << "";
}

void TestEntryTraps::stackSamplesOnlyForAStoredAssortment()
{
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    EntryFixture f;
    MantelWindow window(f);
    f.newList(List);
    if (kind == QLatin1String("log")) {
        f.log(u("1250"), u("Eiche"));
    } else if (kind == QLatin1String("stack")) {
        f.log(u("1250"), u("Eiche"));
        f.form->chooseSorte(u("S "));
    } else if (kind == QLatin1String("typed")) {
        f.form->optSortiment_Click();
        f.chooseSpecies(u("Eiche"));
        f.field(u("Stueck"), u("12"));
        f.type(u("E1250"));
    } else {
        f.form->optSortiment_Click();
        f.field(u("Stueck"), kind == QLatin1String("one") ? u("1") : u("12"));
        f.log(u("E1250"), u("Eiche"));
    }
    const QList<store::HolzRow> before = f.records(List);

    if (!refusal.isEmpty())
        f.ui.expectMessage(refusal);
    f.form->mnuMantel_Click();
    QVERIFY(f.ui.done());
    QCOMPARE(window.opened, refusal.isEmpty() ? 1 : 0);
    if (!refusal.isEmpty()) {
        QVERIFY(f.ui.lastMessage().startsWith(u("Mantelmessung nur für")));
        // Nothing changed: the record keeps its volume, the list its total.
        const QList<store::HolzRow> after = f.records(List);
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].Kubatur, before[i].Kubatur);
    }
}

void TestEntryTraps::sampleVolumeSurvivesAChange()
{
    EntryFixture f;
    f.newList(List);
    f.form->optSortiment_Click();
    f.field(u("Stueck"), u("12"));
    f.log(u("E1250"), u("Eiche"));
    // What the stack-sample window leaves: the samples' volume and the mark.
    f.changeRecords(List, [](store::HolzRow& row) {
        row.Stamm = store::HolzRow::sampleMark();
        row.Kubatur = 7.77;
    });
    f.changeListRow(List, [](store::ListenRow& row) { row.Kubatur = 7.77; });
    f.form->store().Holz.refresh();
    f.form->store().Listen.refresh();

    // A new grade leaves the volume to the samples, not to length and diameter.
    f.form->cmdAendern_Click();
    f.form->chooseGrade(u("C"));
    f.type(u("E"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).first().Guete.trimmed(), u("C"));
    QCOMPARE(f.records(List).first().Kubatur, 7.77);
    QCOMPARE(f.listRow(List).Kubatur, 7.77);

    // A new length would make the samples' volume wrong: refused, nothing stored.
    f.form->cmdAendern_Click();
    f.field(u("Laenge"), u("10"));
    f.ui.expectMessage(u("Mantelmessung"));
    f.type(u("EE"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).first().Laenge, 12.0);
    QCOMPARE(f.records(List).first().Kubatur, 7.77);
    QCOMPARE(f.listRow(List).Kubatur, 7.77);
}

void TestEntryTraps::barkModeReturnsAfterStackedWood_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("kubatur");
    // Oak 12 m / 50 cm: 46 cm under bark by the table, 50 cm without deduction.
    QTest::newRow("from the bark table") << "a"
                                         << "1,99";
    QTest::newRow("no deduction, chosen") << "r"
                                          << "2,36";
}

void TestEntryTraps::barkModeReturnsAfterStackedWood()
{
    QFETCH(QString, mode);
    QFETCH(QString, kubatur);
    EntryFixture f;
    f.newList(List);
    f.chooseSpecies(u("Eiche"));
    f.form->cmdAbzRinde_Click();
    f.form->listChoose(entry::ControlId::lstRinde, f.c().lstRinde.items.indexOf(mode));
    QCOMPARE(f.record().cmdAbzRinde, mode);
    f.log(u("1250"), u("Eiche"));
    QCOMPARE(f.records(List).last().Kubatur, kubatur.replace(QLatin1Char(','), QLatin1Char('.')).toDouble());

    f.form->chooseSorte(u("S "));
    QCOMPARE(f.record().cmdAbzRinde, u("o"));
    f.form->chooseSorte(u("IS"));
    QCOMPARE(f.record().cmdAbzRinde, u("o"));
    f.form->chooseSorte(u("L "));
    QCOMPARE(f.record().cmdAbzRinde, mode);
    QCOMPARE(f.c().cmdAbzRinde.caption, mode);
    f.log(u("1250"), u("Eiche"));
    const store::HolzRow back = f.records(List).last();
    QCOMPARE(back.Rinde, mode);
    QCOMPARE(back.Kubatur, f.records(List).first().Kubatur);
}

void TestEntryTraps::barkModeReturnsAfterAStoredStackWasShown()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("1250"), u("Eiche"));
    store::HolzRow stack = f.records(List).first();
    stack.Sorte = u("S ");
    stack.Rinde = u("o");
    stack.Stamm = u("1");
    stack.Hoehe = 1;
    stack.Einzelstamm = false;
    stack.Nummer = 0;
    f.insertRow(stack);
    f.form->ListListen_Click(f.form->listListen().findList(List));
    f.form->cmdErster_Click();
    if (f.record().txtSorte != u("S "))
        f.form->cmdLetzter_Click();
    // The stored stack on screen: its mode is "o".
    QCOMPARE(f.record().txtSorte, u("S "));
    QCOMPARE(f.record().cmdAbzRinde, u("o"));
    f.form->chooseSorte(u("L "));
    QCOMPARE(f.record().cmdAbzRinde, u("a"));
    QVERIFY(f.ui.done());
}

void TestEntryTraps::gradesTypedPickedAndImportedGroupAsOne()
{
    EntryFixture f;
    f.newList(List);
    // Typed with the key: "B " with its blank.
    f.chooseSpecies(u("Fichte"));
    f.form->chooseSorte(u("L "));
    f.letter('B');
    QCOMPARE(f.record().txtGuete, u("B "));
    f.type(u("425E"));
    // Picked from the grade list: "B".
    f.form->cmdGuete_Click();
    f.form->listChoose(entry::ControlId::lstGuete, f.c().lstGuete.items.indexOf(u("B")));
    QCOMPARE(f.record().txtGuete, u("B"));
    f.type(u("425E"));
    // Imported: the files' readers trim the grade.
    store::HolzRow imported = f.records(List).first();
    imported.Guete = u("B");
    imported.Sorte = u("L");
    f.insertRow(imported);
    QCOMPARE(f.records(List).size(), 3);

    f.form->ListListen_Click(f.form->listListen().findList(List));
    int shown = 0;
    f.form->hooks().Statistik_Anzeigen = [&] { ++shown; };
    f.form->mnuStatistik_Click();
    QCOMPARE(shown, 1);
    const auto groups = groupsOf(f.form->statistics(), u("Fichte"));
    QCOMPARE(groups.size(), 1);
    QCOMPARE(groups.first().guete, u("B"));
    QCOMPARE(groups.first().sorte, u("L"));
    QCOMPARE(groups.first().pieces, 3);
    QCOMPARE(groups.first().volume, 0.18 * 3);
    QVERIFY(f.ui.done());
}

void TestEntryTraps::compactionMergesOneGradeInTwoSpellings()
{
    EntryFixture f;
    f.newList(List);
    f.form->optSortiment_Click();
    f.log(u("425"), u("Fichte"), u("B "));
    f.log(u("425"), u("Fichte"), u("B"));
    f.log(u("425"), u("Fichte"), u("C "));
    QCOMPARE(f.records(List).size(), 3);
    f.ui.expectMessage(u("Sortiment für Liste '17' automatisch erzeugen ?"), Answer::Yes);
    f.form->mnuSortiment_Click();
    QVERIFY(f.ui.done());
    const QList<store::HolzRow> rows = f.records(List);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].Stueck, 2.0);
    QCOMPARE(rows[0].Guete.trimmed(), u("B"));
    QCOMPARE(rows[1].Guete, u("C "));
}

void TestEntryTraps::statisticsTable()
{
    EntryFixture f;
    f.newList(List);
    f.log(u("425"));
    f.log(u("425"));
    f.log(u("440"), u("Buche"));
    f.log(u("1250"), u("Eiche"), u("C "));
    // A species the region does not know still counts, after the known ones.
    store::HolzRow foreign = f.records(List).first();
    foreign.Holzart = u("Zeder");
    foreign.Kubatur = 1234.5;
    f.insertRow(foreign);
    f.form->ListListen_Click(f.form->listListen().findList(List));

    // Without a window the statistics come as a message of tab-separated lines.
    f.ui.expectMessage(u("Sortenzusammenstellung zu Holzliste 17"));
    f.form->mnuStatistik_Click();
    QVERIFY(f.ui.done());
    const QStringList lines = f.ui.lastMessage().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.at(1), u("Holzart\tSorte / Klasse\tGüte\tStück\tKubatur"));
    QVERIFY(lines.contains(u("Fichte\tL 2a\tB\t2\t0,36")));
    QVERIFY(lines.contains(u("Summe Fichte\t\t\t2\t0,36")));
    QVERIFY(lines.contains(u("Zeder\tL 2a\tB\t1\t1.234,50")));

    entry::StatisticsModel& model = f.form->statistics();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Species in the region's order, each with its total; the list's total last.
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.cellText(row, entry::StatisticsModel::Holzart);
    QCOMPARE(names, (QStringList{u("Fichte"), u("Summe Fichte"), u("Buche"), u("Summe Buche"), u("Eiche"),
                                 u("Summe Eiche"), u("Zeder"), u("Summe Zeder"), u("Gesamt")}));
    const int last = model.rowCount() - 1;
    QCOMPARE(model.cellText(last, entry::StatisticsModel::Stueck), u("5"));
    QCOMPARE(model.cellText(last, entry::StatisticsModel::Kubatur), u("1.237,33"));
    QCOMPARE(model.data(model.index(last, entry::StatisticsModel::Kubatur), Qt::TextAlignmentRole).toInt() &
                 Qt::AlignRight,
             int(Qt::AlignRight));
    QCOMPARE(model.data(model.index(0, entry::StatisticsModel::Holzart), Qt::TextAlignmentRole).toInt() &
                 Qt::AlignLeft,
             int(Qt::AlignLeft));

    const QJsonObject json = model.json();
    QCOMPARE(json.value(u("stueck")).toInt(), 5);
    QCOMPARE(json.value(u("kubatur")).toDouble(), 1237.33);
    const QJsonArray species = json.value(u("holzarten")).toArray();
    QCOMPARE(species.size(), 4);
    QCOMPARE(species.at(2).toObject().value(u("holzart")).toString(), u("Eiche"));
    QCOMPARE(
        species.at(2).toObject().value(u("gruppen")).toArray().at(0).toObject().value(u("guete")).toString(),
        u("C"));
    QVERIFY(model.html().contains(u("<td align=\"right\">1.237,33</td>")));
}

void TestEntryTraps::switchingListsAsksForTheTypedRecord()
{
    EntryFixture f;
    f.newList(u("Nord"));
    f.newList(List);
    const auto select = [&](const QString& name) {
        f.form->ListListen_Click(f.form->listListen().findList(name));
    };
    const QString question = u("Datensatz nicht gespeichert");

    // Not a record yet: no question.
    select(u("Nord"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.form->openListName(), u("Nord"));

    // "No" drops the typed record.
    f.log(u("425"));
    f.type(u("4"));
    f.ui.expectMessage(question, Answer::No);
    select(List);
    QVERIFY(f.ui.done());
    QCOMPARE(f.form->openListName(), List);
    QCOMPARE(f.records(u("Nord")).size(), 1);
    QCOMPARE(f.c().txtEingabe.text, QString());

    // "Yes" stores it in its own list before the switch.
    f.log(u("430"));
    f.type(u("440"));
    f.ui.expectMessage(question, Answer::Yes);
    select(u("Nord"));
    QVERIFY(f.ui.done());
    QCOMPARE(f.records(List).size(), 2);
    QCOMPARE(f.form->openListName(), u("Nord"));

    // A record that cannot be stored keeps its list open, with the input.
    f.type(u("4"));
    f.ui.expectMessage(question, Answer::Yes);
    f.ui.expectMessage(u("Keine Kubatur"));
    select(List);
    QVERIFY(f.ui.done());
    QCOMPARE(f.form->openListName(), u("Nord"));
    QCOMPARE(f.form->listListen().selectedName(), u("Nord"));
    QCOMPARE(f.records(u("Nord")).size(), 1);
}

QTEST_GUILESS_MAIN(TestEntryTraps)
#include "tst_entry_traps.moc"
