// SPDX-License-Identifier: GPL-3.0-or-later
#include "lots/AutoLos.h"
#include "lots/FrmLos.h"
#include "lots/LotRules.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestFolder.h"

#include <QtTest>

using lots::LotKey;
using lots::LotRule;
using lots::LotRules;
using platform::Answer;

namespace {

// A record as the entry screen holds it when the save starts.
rules::RecordFields
record(const QString& holzart = QStringLiteral("Fichte"), const QString& sorte = QStringLiteral("L "),
       const QString& guete = QStringLiteral("B "), const QString& staerke = QStringLiteral("2b"),
       const QString& laenge = QStringLiteral("5"), const QString& durchm = QStringLiteral("27"),
       const QString& kubatur = QStringLiteral("0,29"))
{
    rules::RecordFields r;
    r.txtHolzart = holzart;
    r.txtSorte = sorte;
    r.txtGuete = guete;
    r.txtStaerke = staerke;
    r.txtLaenge = laenge;
    r.txtDurchmesser = durchm;
    r.txtKubatur = kubatur;
    r.txtLos = QStringLiteral("7");
    return r;
}

LotRule ruleWith(LotRule::Field field, const QString& value)
{
    LotRule rule;
    rule[field] = value;
    return rule;
}

} // namespace

class TestLots : public QObject {
    Q_OBJECT

private slots:
    void autoLosRange_data();
    void autoLosRange();
    void ruleAccepts_data();
    void ruleAccepts();
    void assignmentFollowsTheFirstAcceptingRule();
    void assignmentWithoutAcceptingRuleGivesLotZero();
    void keysAreParsedStrictly_data();
    void keysAreParsedStrictly();
    void ruleStorageKeepsTenValuesPerKey();
    void normalisedListsEndEveryCode_data();
    void normalisedListsEndEveryCode();
    void problemsNameBadRanges();

    void editorShowsTheRuleOfAutoLosMax();
    void editorStoresAndDeletes();
    void editorPickListsAddWholeCodes();
    void editorRefusesRangesThatCannotMatch();
    void editorReportsAFailedWrite();

private:
    testing::TestFolder m_folder;
    int m_serial = 0;
    // A fresh settings file per test.
    QString settingsPath() { return m_folder.file(QStringLiteral("s%1.ini").arg(++m_serial)); }
};

void TestLots::autoLosRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("ruleSet");
    QTest::addColumn<int>("lastLot");
    QTest::newRow("default 0") << "0" << false << 0 << 0;
    QTest::newRow("two digits") << "12" << false << 0 << 0;
    QTest::newRow("letters") << "1a2" << false << 0 << 0;
    QTest::newRow("rule set 0") << "012" << false << 0 << 0;
    QTest::newRow("103") << "103" << true << 1 << 3;
    QTest::newRow("112") << "112" << true << 1 << 12;
    QTest::newRow("blanks around") << " 207 " << true << 2 << 7;
    QTest::newRow("100 tries nothing") << "100" << true << 1 << 0;
    QTest::newRow("never past lot 85") << "199" << true << 1 << 85;
}

void TestLots::autoLosRange()
{
    QFETCH(QString, text);
    QFETCH(bool, on);
    const auto range = lots::autoLosRange(text);
    QCOMPARE(range.has_value(), on);
    if (!on)
        return;
    QFETCH(int, ruleSet);
    QFETCH(int, lastLot);
    QCOMPARE(range->ruleSet, ruleSet);
    QCOMPARE(range->firstLot, 1);
    QCOMPARE(range->lastLot, lastLot);
}

void TestLots::ruleAccepts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("recordField");
    QTest::addColumn<QString>("recordValue");
    QTest::addColumn<bool>("accepts");

    const auto row = [](const char* name, LotRule::Field f, const char* value, const char* recordField,
                        const char* recordValue, bool accepts) {
        QTest::newRow(name) << int(f) << QString::fromUtf8(value) << QString::fromUtf8(recordField)
                            << QString::fromUtf8(recordValue) << accepts;
    };
    row("empty rule", LotRule::Holzart, "", "holzart", "Buche", true);
    row("spruce listed", LotRule::Holzart, "Ta,Fi,", "holzart", "Fichte", true);
    row("beech not listed", LotRule::Holzart, "Ta,Fi,", "holzart", "Buche", false);
    row("species typed small", LotRule::Holzart, "fi,", "holzart", "Fichte", true);
    row("whole assortment", LotRule::Sorte, "L1,", "sorte", "L1", true);
    row("L1 refuses L", LotRule::Sorte, "L1,", "sorte", "L ", false);
    row("L among others", LotRule::Sorte, "IL,L,", "sorte", "L ", true);
    row("last code without comma", LotRule::Sorte, "IL,L1", "sorte", "L1", true);
    row("grade listed", LotRule::Guete, "B,", "guete", "B ", true);
    row("BC accepts C", LotRule::Guete, "BC,", "guete", "C ", true);
    row("BC refuses B", LotRule::Guete, "BC,", "guete", "B ", false);
    // The key gives "B ", the grade list "B": one grade either way, also in
    // a rule stored before rules were cleaned on saving.
    row("grade from the list", LotRule::Guete, "B,", "guete", "B", true);
    row("grade in an old rule", LotRule::Guete, "A , B", "guete", "B ", true);
    row("record without grade", LotRule::Guete, "B,", "guete", "", false);
    row("class not listed", LotRule::Staerke, "2a,2b,", "staerke", "3a", false);
    row("length at lower bound", LotRule::LaengeVon, "4", "laenge", "4", true);
    row("length below", LotRule::LaengeVon, "4", "laenge", "3,9", false);
    row("length above", LotRule::LaengeBis, "6", "laenge", "6.01", false);
    row("bound with comma", LotRule::LaengeVon, "4,5", "laenge", "4.5", true);
    row("bound not a number", LotRule::LaengeVon, "vier", "laenge", "5", false);
    row("field not a number", LotRule::DurchmVon, "20", "durchm", "", false);
    row("volume grouped", LotRule::KubaturBis, "2000", "kubatur", "1.234,56", true);
    row("volume above", LotRule::KubaturBis, "0,28", "kubatur", "0,29", false);
}

void TestLots::ruleAccepts()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, recordField);
    QFETCH(QString, recordValue);
    QFETCH(bool, accepts);
    rules::RecordFields r = record();
    QString* target = recordField == QLatin1String("holzart")   ? &r.txtHolzart
                      : recordField == QLatin1String("sorte")   ? &r.txtSorte
                      : recordField == QLatin1String("guete")   ? &r.txtGuete
                      : recordField == QLatin1String("staerke") ? &r.txtStaerke
                      : recordField == QLatin1String("laenge")  ? &r.txtLaenge
                      : recordField == QLatin1String("durchm")  ? &r.txtDurchmesser
                                                                : &r.txtKubatur;
    *target = recordValue;
    QCOMPARE(lots::ruleAccepts(ruleWith(LotRule::Field(field), value), r), accepts);
}

void TestLots::assignmentFollowsTheFirstAcceptingRule()
{
    store::Settings settings(settingsPath());
    LotRules rules(settings);
    QVERIFY(rules.write({1, 1}, ruleWith(LotRule::Holzart, QStringLiteral("Fi,"))));
    QVERIFY(rules.write({1, 2}, LotRule()));

    const auto spruce = record(QStringLiteral("Fichte"));
    const auto beech = record(QStringLiteral("Buche"));
    QCOMPARE(lots::AutoLos_Zuordnen(spruce, QStringLiteral("103"), rules), std::optional<int>(1));
    QCOMPARE(lots::AutoLos_Zuordnen(beech, QStringLiteral("103"), rules), std::optional<int>(2));
    // Switched off: the lot the user typed stays.
    QCOMPARE(lots::AutoLos_Zuordnen(beech, QStringLiteral("0"), rules), std::nullopt);
    QCOMPARE(lots::AutoLos_Zuordnen(beech, QStringLiteral("12"), rules), std::nullopt);

    // A key without a rule accepts everything.
    QVERIFY(rules.remove({1, 1}));
    QCOMPARE(lots::AutoLos_Zuordnen(spruce, QStringLiteral("103"), rules), std::optional<int>(1));
    QCOMPARE(lots::AutoLos_Zuordnen(beech, QStringLiteral("103"), rules), std::optional<int>(1));

    // Rule sets do not mix: set 2 sees only its own keys.
    QVERIFY(rules.write({2, 1}, ruleWith(LotRule::Holzart, QStringLiteral("Bu,"))));
    QCOMPARE(lots::AutoLos_Zuordnen(spruce, QStringLiteral("202"), rules), std::optional<int>(2));
    QCOMPARE(lots::AutoLos_Zuordnen(beech, QStringLiteral("202"), rules), std::optional<int>(1));
}

void TestLots::assignmentWithoutAcceptingRuleGivesLotZero()
{
    store::Settings settings(settingsPath());
    LotRules rules(settings);
    LotRule longLogs;
    longLogs[LotRule::LaengeVon] = QStringLiteral("4");
    longLogs[LotRule::LaengeBis] = QStringLiteral("6");
    QVERIFY(rules.write({1, 1}, longLogs));
    QCOMPARE(lots::AutoLos_Zuordnen(record(QStringLiteral("Fichte"), QStringLiteral("L "),
                                           QStringLiteral("B "), QStringLiteral("2b"), QStringLiteral("3,9")),
                                    QStringLiteral("101"), rules),
             std::optional<int>(0));
    QCOMPARE(lots::AutoLos_Zuordnen(record(), QStringLiteral("100"), rules), std::optional<int>(0));
}

void TestLots::keysAreParsedStrictly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ruleSet");
    QTest::addColumn<int>("lot");
    QTest::newRow("207") << "207" << 2 << 7;
    QTest::newRow("185") << "185" << 1 << 85;
    QTest::newRow("rule set 0") << "007" << 0 << 0;
    QTest::newRow("lot 86") << "186" << 0 << 0;
    QTest::newRow("lot 0") << "100" << 0 << 0;
    QTest::newRow("letter") << "2a7" << 0 << 0;
    QTest::newRow("four digits") << "1001" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
}

void TestLots::keysAreParsedStrictly()
{
    QFETCH(QString, text);
    QFETCH(int, ruleSet);
    QFETCH(int, lot);
    const auto key = LotKey::parse(text);
    QCOMPARE(key.has_value(), ruleSet != 0);
    if (!key)
        return;
    QCOMPARE(key->ruleSet, ruleSet);
    QCOMPARE(key->lot, lot);
    QCOMPARE(key->text(), text);
}

void TestLots::ruleStorageKeepsTenValuesPerKey()
{
    store::Settings settings(settingsPath());
    LotRules rules(settings);
    LotRule rule;
    for (int f = 0; f < LotRule::FieldCount; ++f)
        rule.values[f] = QStringLiteral("v%1,").arg(f);
    QVERIFY(rules.write({2, 7}, rule));

    // Where other programs and older versions look for it.
    const QString app = QStringLiteral("Software\\Stemmo\\207");
    QCOMPARE(settings.GetSetting(app, QStringLiteral("Los"), QStringLiteral("LaengeVon")),
             QStringLiteral("v4,"));
    QVERIFY(rules.exists({2, 7}));
    QVERIFY(!rules.exists({2, 8}));
    QCOMPARE(rules.read({2, 7}), rule);

    QVERIFY(rules.remove({2, 7}));
    QVERIFY(!rules.exists({2, 7}));
    for (int f = 0; f < LotRule::FieldCount; ++f)
        QCOMPARE(settings.GetSetting(app, QStringLiteral("Los"), LotRule::valueName(LotRule::Field(f))),
                 QString());
    QVERIFY(!rules.remove({2, 7}));
    QVERIFY(rules.lastError().isEmpty());
    QCOMPARE(rules.storedKeys().size(), 0);
}

void TestLots::normalisedListsEndEveryCode_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("grades with blank") << int(LotRule::Guete) << "B C"
                                       << "B,C,";
    QTest::newRow("grade without comma") << int(LotRule::Guete) << "BC"
                                         << "BC,";
    QTest::newRow("already clean") << int(LotRule::Sorte) << "IL,L1,"
                                   << "IL,L1,";
    QTest::newRow("species names") << int(LotRule::Holzart) << "Fichte, Buche"
                                   << "Fi,Bu,";
    QTest::newRow("empty stays empty") << int(LotRule::Staerke) << " "
                                       << "";
    QTest::newRow("range trimmed") << int(LotRule::LaengeVon) << " 4,5 "
                                   << "4,5";
}

void TestLots::normalisedListsEndEveryCode()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const LotRule rule = LotRules::normalised(ruleWith(LotRule::Field(field), typed));
    QCOMPARE(rule[LotRule::Field(field)], stored);
    // A typed "BC" accepts grade BC once stored.
    if (field == LotRule::Guete && typed == QLatin1String("BC"))
        QVERIFY(lots::ruleAccepts(
            rule, record(QStringLiteral("Fichte"), QStringLiteral("L "), QStringLiteral("BC"))));
}

void TestLots::problemsNameBadRanges()
{
    LotRule rule;
    rule[LotRule::LaengeVon] = QStringLiteral("vier");
    rule[LotRule::DurchmVon] = QStringLiteral("40");
    rule[LotRule::DurchmBis] = QStringLiteral("30");
    rule[LotRule::KubaturVon] = QStringLiteral("0,5");
    rule[LotRule::KubaturBis] = QStringLiteral("1.5");
    const QStringList problems = LotRules::problems(rule);
    QCOMPARE(problems.size(), 2);
    QVERIFY(problems[0].contains(QStringLiteral("Länge von")));
    QVERIFY(problems[0].contains(QStringLiteral("vier")));
    QVERIFY(problems[1].contains(QStringLiteral("Durchm. von ist größer als Durchm. bis")));
}

void TestLots::editorShowsTheRuleOfAutoLosMax()
{
    store::Settings settings(settingsPath());
    LotRules rules(settings);
    QVERIFY(rules.write({1, 12}, ruleWith(LotRule::Guete, QStringLiteral("B,"))));
    testing::ScriptedUserInterface ui;
    lots::FrmLos form(settings, ui);
    QCOMPARE(form.currentKey().text(), QStringLiteral("101"));
    QCOMPARE(form.lblLos(), QStringLiteral("Los nicht vorhanden"));

    form.Form_Activate(QStringLiteral("112"));
    QCOMPARE(form.autoIndex(), 0);
    QCOMPARE(form.losIndex(), 11);
    QCOMPARE(form.lblLos(), QStringLiteral("Los vorhanden"));
    QCOMPARE(form.box(lots::FrmLos::txtGueten), QStringLiteral("B,"));

    // Assignment off: the rule shown stays.
    form.Form_Activate(QStringLiteral("0"));
    QCOMPARE(form.currentKey().text(), QStringLiteral("112"));
    // A lot the list cannot hold shows the first.
    form.Form_Activate(QStringLiteral("190"));
    QCOMPARE(form.currentKey().text(), QStringLiteral("101"));
    form.cmbLos_Click(-1);
    QCOMPARE(form.currentKey().text(), QStringLiteral("101"));
    QVERIFY(ui.done());
}

void TestLots::editorStoresAndDeletes()
{
    store::Settings settings(settingsPath());
    testing::ScriptedUserInterface ui;
    lots::FrmLos form(settings, ui);
    form.cmbAuto_Click(1);
    form.cmbLos_Click(6);
    QCOMPARE(form.currentKey().text(), QStringLiteral("207"));
    form.setBox(lots::FrmLos::txtGueten, QStringLiteral("B C"));
    form.setBox(lots::FrmLos::txtLvon, QStringLiteral("4"));
    form.setBox(lots::FrmLos::txtLbis, QStringLiteral("6"));
    QVERIFY(form.Command1_Click());
    QCOMPARE(form.lblLos(), QStringLiteral("Los vorhanden"));
    QCOMPARE(form.box(lots::FrmLos::txtGueten), QStringLiteral("B,C,"));
    QCOMPARE(ui.confirmations(), 1);
    QCOMPARE(settings.GetSetting(QStringLiteral("Software\\Stemmo\\207"), QStringLiteral("Los"),
                                 QStringLiteral("LaengeBis")),
             QStringLiteral("6"));

    // Another rule is empty; coming back shows the stored one.
    form.cmbLos_Click(7);
    QCOMPARE(form.box(lots::FrmLos::txtLvon), QString());
    QCOMPARE(form.lblLos(), QStringLiteral("Los nicht vorhanden"));
    ui.expectMessage(QStringLiteral("Los nicht vorhanden"));
    QVERIFY(!form.Command2_Click());
    QCOMPARE(ui.shown().last().message.title, QStringLiteral("Information"));
    QCOMPARE(ui.confirmations(), 1);

    form.cmbLos_Click(6);
    QCOMPARE(form.box(lots::FrmLos::txtLvon), QStringLiteral("4"));
    QVERIFY(form.Command2_Click());
    QCOMPARE(form.lblLos(), QStringLiteral("Los nicht vorhanden"));
    QCOMPARE(form.box(lots::FrmLos::txtLvon), QString());
    QCOMPARE(ui.confirmations(), 2);
    QVERIFY(!LotRules(settings).exists({2, 7}));

    form.mnuHilfe_Click();
    QCOMPARE(ui.helpAnchors(), QStringList{QStringLiteral("AutoLos")});
    QVERIFY(ui.done());
}

void TestLots::editorPickListsAddWholeCodes()
{
    store::Settings settings(settingsPath());
    testing::ScriptedUserInterface ui;
    lots::FrmLos form(settings, ui);
    form.setSpecies({QStringLiteral("Fichte"), QStringLiteral("Buche"), QStringLiteral("Lärche")});
    form.cmbHolzart_Click(0);
    form.cmbHolzart_Click(2);
    form.cmbHolzart_Click(0);
    QCOMPARE(form.box(lots::FrmLos::txtHolzarten), QStringLiteral("Fi,Lä,"));

    QVERIFY(form.cmbStaerke().isEmpty());
    form.cmbSorte_Click(int(form.cmbSorte().indexOf(QStringLiteral("IL"))));
    form.cmbSorte_Click(int(form.cmbSorte().indexOf(QStringLiteral("L "))));
    QCOMPARE(form.box(lots::FrmLos::txtSorten), QStringLiteral("IL,L,"));
    QCOMPARE(form.cmbStaerke().first(), QStringLiteral("1a"));
    form.cmbSorte_Click(int(form.cmbSorte().indexOf(QStringLiteral("P "))));
    QCOMPARE(form.cmbStaerke().size(), 11);
    form.cmbStaerke_Click(2);
    form.cmbStaerke_Click(1);
    QCOMPARE(form.box(lots::FrmLos::txtStaerken), QStringLiteral("2.1,2,"));

    form.cmbGuete_Click(int(form.cmbGuete().indexOf(QStringLiteral("BC"))));
    form.cmbGuete_Click(int(form.cmbGuete().indexOf(QStringLiteral("C"))));
    form.cmbGuete_Click(int(form.cmbGuete().indexOf(QStringLiteral("BC"))));
    QCOMPARE(form.box(lots::FrmLos::txtGueten), QStringLiteral("BC,C,"));
    QVERIFY(ui.done());
}

void TestLots::editorRefusesRangesThatCannotMatch()
{
    store::Settings settings(settingsPath());
    testing::ScriptedUserInterface ui;
    lots::FrmLos form(settings, ui);
    form.setBox(lots::FrmLos::txtLvon, QStringLiteral("vier"));
    ui.expectMessage(QStringLiteral("„vier“ ist keine Zahl"));
    QVERIFY(!form.Command1_Click());
    QVERIFY(!LotRules(settings).exists({1, 1}));
    QCOMPARE(form.lblLos(), QStringLiteral("Los nicht vorhanden"));
    QCOMPARE(ui.confirmations(), 0);
    QVERIFY(ui.done());
}

void TestLots::editorReportsAFailedWrite()
{
    // The settings file would have to live below a plain file: no write can succeed.
    const QString blocker = m_folder.write(QStringLiteral("blocker"), "x");
    store::Settings settings(blocker + QStringLiteral("/Stemmo.ini"));
    testing::ScriptedUserInterface ui;
    lots::FrmLos form(settings, ui);
    form.setBox(lots::FrmLos::txtHolzarten, QStringLiteral("Fi,"));
    ui.expectMessage(QStringLiteral("Los 101 nicht gespeichert"));
    QVERIFY(!form.Command1_Click());
    QCOMPARE(form.lblLos(), QStringLiteral("Los nicht vorhanden"));
    QCOMPARE(ui.confirmations(), 0);
    QVERIFY(ui.done());
}

QTEST_GUILESS_MAIN(TestLots)
#include "tst_lots.moc"
