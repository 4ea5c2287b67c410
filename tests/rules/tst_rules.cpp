// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Bark.h"
#include "rules/GeoPosition.h"
#include "rules/InputRules.h"
#include "rules/PhotoExif.h"
#include "tests/support/ExifJpeg.h"
#include "rules/Numbers.h"
#include "rules/QuickEntry.h"
#include "rules/RecordCheck.h"
#include "rules/Volume.h"

#include <QtTest>
#include <cmath>

using namespace rules;
using platform::Buttons;
using Outcome = QuickEntryResult::Outcome;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Exact comparison: QCOMPARE on floats is fuzzy and would hide a cent.
QString exact(float value)
{
    return QString::number(value, 'g', 9);
}

// Each table below is one case per line; the _data() functions hand out
// their indexes so that failures still name the case.
template <typename Case, std::size_t N> void rows(const Case (&cases)[N])
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].name) << static_cast<int>(i);
}

BarkTable sampleBarkTable()
{
    BarkTable table;
    table.addSpecies(u("Fichte"), 1);
    table.addSpecies(u("Eiche"), 0); // no bark table
    table.addSpecies(u("Buche"), 2); // group without a stored row
    table.setBands(1, {{{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}});
    return table;
}

// A complete log of 25 cm and 4 m, changed by "txtGuete=;optEinzelstamm=0".
RecordFields logWith(const QString& changes)
{
    static const QHash<QString, QString RecordFields::*> fields = {
        {u("txtHolzart"), &RecordFields::txtHolzart}, {u("txtSorte"), &RecordFields::txtSorte},
        {u("txtStueck"), &RecordFields::txtStueck},   {u("txtFaktor"), &RecordFields::txtFaktor},
        {u("txtRinde"), &RecordFields::txtRinde},     {u("txtDurchmesser"), &RecordFields::txtDurchmesser},
        {u("txtLaenge"), &RecordFields::txtLaenge},   {u("txtStaerke"), &RecordFields::txtStaerke},
        {u("txtKubatur"), &RecordFields::txtKubatur}, {u("txtGuete"), &RecordFields::txtGuete},
        {u("txtLos"), &RecordFields::txtLos},         {u("cmdAbzRinde"), &RecordFields::cmdAbzRinde},
    };
    const QString base =
        u("txtHolzart=Fichte;txtSorte=L ;txtStueck=1;txtFaktor=1;txtRinde=0;txtDurchmesser=25;"
          "txtLaenge=4;txtStaerke=2b;txtKubatur=0,20;txtGuete=B ;txtLos=1;cmdAbzRinde=m;");
    RecordFields r;
    for (const QString& change : (base + changes).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = change.indexOf(QLatin1Char('='));
        if (change.startsWith(QLatin1String("optEinzelstamm")))
            r.optEinzelstamm = change.mid(eq + 1) == QLatin1String("1");
        else
            r.*fields.value(change.left(eq)) = change.mid(eq + 1);
    }
    return r;
}
RecordFields logWith(const char* changes)
{
    return logWith(u(changes));
}

const struct {
    const char* name;
    const char* text;
    bool valid;
    float value;
} toSingleCases[] = {
    {"comma", "23,25", true, 23.25f},
    {"blanks", " 4,5 ", true, 4.5f},
    {"while typing", "0,", true, 0.0f},
    {"leading separator", ",5", true, 0.5f},
    {"german grouping", "1.234,56", true, 1234.56f},
    {"english grouping", "1,234.56", true, 1234.56f},
    {"empty", "", false, 0},
    {"separator only", ",", false, 0},
    {"exponent", "1e5", false, 0},
    {"two commas", "1,2,3", false, 0},
    {"bad grouping", "1.23,4", false, 0},
    {"too large", "99999999999999999999999999999999999999999", false, 0},
};

const struct {
    const char* name;
    float value;
    float expected;
} roundTwoCases[] = {
    {"0.285 stored below the half", 0.285f, 0.29f},
    {"half away from zero", -0.125f, -0.13f},
    {"carry", 999.995f, 1000.0f},
    {"small negative", -0.004f, 0.0f},
};

const struct {
    const char* name;
    BarkBands bands;
    float diameter;
    double expected;
} bandCases[] = {
    {"below first band", {{{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}}, 9, 0},
    {"on first threshold", {{{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}}, 10, 1},
    {"between bands", {{{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}}, 35, 3},
    {"beyond last", {{{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}}}, 60, 5},
    {"band without deduction skipped", {{{10, 1}, {20, 2}, {25, 0}, {40, 4}, {50, 5}}}, 30, 2},
    {"descending: last reached wins", {{{50, 5}, {40, 4}, {30, 3}, {20, 2}, {10, 1}}}, 45, 1},
    {"threshold 0 unused", {{{0, 7}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}}, 5, 0},
    {"half centimetres kept", {{{1, 0.5}, {27, 2.5}, {0, 0}, {0, 0}, {0, 0}}}, 26, 0.5},
};

const struct {
    const char* name;
    const char* record;
    const char* species;
    float diameter;
    float expected;
    const char* rindeAfter;
    const char* modeAfter;
    const char* message;
} rindeCases[] = {
    {"manual 3 cm", "cmdAbzRinde= ;txtRinde=3", "Fichte", 30, 27, "3", " ", ""},
    {"manual half centimetre", "cmdAbzRinde= ;txtRinde=0,5", "Fichte", 30, 29.5f, "0,5", " ", ""},
    {"manual empty", "cmdAbzRinde= ;txtRinde=", "Fichte", 30, 30, "", " ", ""},
    {"no species resets manual", "cmdAbzRinde= ;txtRinde=3", "", 30, 30, "0", " ", ""},
    {"automatic", "cmdAbzRinde=a", "Fichte", 35, 32, "3", "a", ""},
    {"automatic at 0 cm", "cmdAbzRinde=a", "Fichte", 0, 0, "0", "a", ""},
    {"automatic on stack", "cmdAbzRinde=a;txtSorte=S ", "Fichte", 2, 2, "0", "o",
     "Kein autom. Rindenabzug im Schichtholz !"},
    {"species without bark group", "cmdAbzRinde=a", "Eiche", 30, 30, "0", "a",
     "Keine Daten für automatischen Rindenabzug vorhanden"},
    {"group without bands", "cmdAbzRinde=a", "Buche", 30, 30, "0", "a", ""},
    {"no deduction mode", "cmdAbzRinde=m;txtRinde=4", "Fichte", 30, 30, "0", "m", ""},
    {"design caption", "cmdAbzRinde=&a", "Fichte", 30, 30, "0", "&a", ""},
};

const struct {
    const char* name;
    const char* record;
    bool dezimalpunkt;
    const char* kubatur;
    const char* caption;
    const char* stueck;
} volumeCases[] = {
    {"single log 25 cm 4 m", "", false, "0,20", "Kubatur", "1"},
    {"assortment 10 x 30 cm 5 m", "optEinzelstamm=0;txtStueck=10;txtDurchmesser=30;txtLaenge=5", false,
     "3,53", "Kubatur", "10"},
    {"assortment without pieces counts one", "optEinzelstamm=0;txtStueck=;txtDurchmesser=30;txtLaenge=5",
     false, "0,35", "Kubatur", "1"},
    {"pieces round half to even", "optEinzelstamm=0;txtStueck=2,5;txtDurchmesser=30;txtLaenge=5", false,
     "0,71", "Kubatur", "2,5"},
    {"stack factor 0,7",
     "txtSorte=S ;txtDurchmesser=2;txtLaenge=10;txtStueck=1,5;cmdAbzRinde=o;txtFaktor=0,7", false, "21,00",
     "Kubatur", "1,5"},
    {"stack factor 1", "txtSorte=S ;txtDurchmesser=2;txtLaenge=10;txtStueck=1,5;cmdAbzRinde=o;txtFaktor=1",
     false, "30,00", "Raumm³", "1,5"},
    {"stack without factor",
     "txtSorte=S ;txtDurchmesser=2;txtLaenge=10;txtStueck=1,5;cmdAbzRinde=o;txtFaktor=", false, "30,00",
     "Raumm³", "1,5"},
    {"decimal point system",
     "txtSorte=S ;txtDurchmesser=2;txtLaenge=10;txtStueck=1,5;cmdAbzRinde=o;txtFaktor=0,7", true, "21.00",
     "Kubatur", "1.5"},
    {"grouped volume", "optEinzelstamm=0;txtStueck=100;txtDurchmesser=60;txtLaenge=40", false, "1.130,94",
     "Kubatur", "100"},
    {"deduction above diameter", "cmdAbzRinde= ;txtRinde=9;txtDurchmesser=5", false, "0,00", "Kubatur", "1"},
    {"automatic bark", "cmdAbzRinde=a;txtDurchmesser=35", false, "0,32", "Kubatur", "1"},
};

const struct {
    const char* name;
    const char* record;
    const char* expected;
} staerkeCases[] = {
    {"9", "txtDurchmesser=9", "0"},
    {"10", "txtDurchmesser=10", "1a"},
    {"39", "txtDurchmesser=39", "3b"},
    {"40", "txtDurchmesser=40", "4"},
    {"60", "txtDurchmesser=60", "6+"},
    {"beyond a byte", "txtDurchmesser=300", "6+"},
    {"under bark", "txtDurchmesser=32;txtRinde=3", "2b"},
    {"half a centimetre off 30", "txtDurchmesser=30;txtRinde=0,5", "2b"},
    {"decimal deduction below a threshold", "txtDurchmesser=36;txtRinde=0,5", "3b"},
    {"half to even down", "txtDurchmesser=14,5", "1a"},
    {"half to even up", "txtDurchmesser=19,5", "2a"},
    {"deduction above diameter", "txtDurchmesser=30;txtRinde=40", "0"},
    {"LF computed", "txtSorte=LF", "2b"},
    {"LF with 0 keeps", "txtSorte=LF;txtDurchmesser=0", "keep"},
    {"H keeps its length class", "txtSorte=H ", "keep"},
    {"stack keeps", "txtSorte=IS", "keep"},
    {"unreadable diameter", "txtDurchmesser=x", "keep"},
};

// Keys are typed one after the other; decimalKey is the last state reported
// for cmdKomma ("" when never touched).
const struct {
    const char* name;
    const char* field;
    bool stacked;
    const char* start;
    const char* keys;
    const char* text;
    const char* message;
    const char* decimalKey;
    bool ends;
} fieldCases[] = {
    {"length 12,55", "Laenge", false, "", "12,55", "12,55", "", "off", false},
    {"sixth length character", "Laenge", false, "12,55", "1", "", "Laenge auserhalb zulässigen Bereich", "on",
     false},
    {"separator first", "Laenge", false, "", ",", "0,", "", "off", false},
    {"back over separator", "Laenge", false, "4,", "b", "4", "", "on", false},
    {"diameter 255", "Durchmesser", false, "", "255", "255", "", "", false},
    {"diameter 256", "Durchmesser", false, "25", "6", "", "Durchmesser ausserhalb zulässigen Bereich", "on",
     false},
    {"diameter with decimals", "Durchmesser", false, "25,", "5", "",
     "Durchmesser ausserhalb zulässigen Bereich", "on", false},
    {"stack width 5 characters", "Durchmesser", true, "12,3", "4", "12,34", "", "", false},
    {"stack width 6 characters", "Durchmesser", true, "12,34", "5", "",
     "Breite ausserhalb zulässigen Bereich", "on", false},
    {"factor 6 characters", "Faktor", false, "0,777", "7", "", "Faktor ausserhalb zulässigen Bereich", "on",
     false},
    {"pieces unlimited", "Stueck", false, "123456", "7", "1234567", "", "", false},
    {"bark holds one digit", "Rinde", false, "", "12", "2", "", "", false},
    {"bark back gives 0", "Rinde", false, "3", "b", "0", "", "", false},
    {"bark with decimals", "Rinde", false, "", "2,5", "2,5", "", "", false},
    {"bark separator first", "Rinde", false, "", ",5", "0,5", "", "", false},
    {"bark keeps two decimals", "Rinde", false, "", "0,257", "7", "", "", false},
    {"bark one separator", "Rinde", false, "2", ",,5", "2,5", "", "", false},
    {"bark back over a decimal", "Rinde", false, "2,5", "b", "2,", "", "", false},
    {"class emptied by 7", "Staerke", false, "2", "7", "", "", "", false},
    {"class takes 4", "Staerke", false, "2", "4", "4", "", "", true},
    {"number appends", "Nummer", false, "12", "3b,", "12,", "", "", false},
};

const struct {
    const char* name;
    const char* buffer;
    bool saved;
    Outcome outcome;
    float laenge;
    float durchmesser;
} quickCases[] = {
    {"first key after save", "4", true, Outcome::NewRecord, 0, 0},
    {"first key unsaved", "4", false, Outcome::Nothing, 0, 0},
    {"25", "25", false, Outcome::SetDiameter, 0, 25},
    {"425", "425", false, Outcome::SetLengthAndDiameter, 4, 25},
    {"4,5", "4,5", false, Outcome::Nothing, 0, 0},
    {"1225", "1225", false, Outcome::SetLengthAndDiameter, 12, 25},
    {"4,525", "4,525", false, Outcome::SetLengthAndDiameter, 4.5f, 25},
    {"45,25", "45,25", false, Outcome::Nothing, 0, 0},
    {"five digits", "42525", false, Outcome::Error, 0, 0},
    {"12,525", "12,525", false, Outcome::SetLengthAndDiameter, 12.5f, 25},
    {"six digits", "122525", false, Outcome::SetLengthAndDiameter, 1225, 25},
    {"seven", "1234567", false, Outcome::Error, 0, 0},
    {"eight", "12345678", false, Outcome::Nothing, 0, 0},
    {"two commas", "4,5,2", false, Outcome::ClearBuffer, 0, 0},
};

// Lines are separated by "|".
const struct {
    const char* name;
    const char* record;
    float durchmesser;
    float laenge;
    const char* lines;
} checkCases[] = {
    {"complete", "", 25, 4, ""},
    {"four missing, in order", "txtGuete=;txtLos=;txtHolzart=;txtStaerke=", 25, 4,
     "Güte eingeben |Los eingeben |Holzart eingeben |Staerke eingeben "},
    {"limits", "txtDurchmesser=200;txtLaenge=36", 200, 36, "Durchmesser > 199 cm |Länge > 35 m "},
    {"no limits for P", "txtSorte=P ;txtDurchmesser=250;txtLaenge=40", 250, 40, ""},
    {"length missing", "txtLaenge=0", 25, 0, "Länge o.Durchmesser fehlen"},
    {"diameter below 1", "txtDurchmesser=0,5", 0.5f, 4, "Durchmesser kleiner 1 cm "},
    {"no pieces", "txtStueck=0", 25, 4, "Stückzahl eingeben "},
    {"no volume", "txtKubatur=0,00", 25, 4, "Keine Kubatur berrechnet"},
    {"grouped volume", "txtKubatur=1.130,94", 25, 4, ""},
    {"lot 85", "txtLos=85", 25, 4, ""},
    {"lot 86", "txtLos=86", 25, 4, "Los unzulässig "},
    {"no assortment", "txtSorte=", 25, 4, "Klasse eingeben "},
    {"length class too long", "txtSorte=H ;txtStaerke=3;txtLaenge=12", 25, 12, "Falsche Klasse eingegeben "},
    {"length class reached", "txtSorte=H ;txtStaerke=3;txtLaenge=14", 25, 14, ""},
    {"stack incomplete", "txtSorte=S ;txtLaenge=;txtDurchmesser=;txtStueck=;txtFaktor=", 0, 0,
     "Länge eingeben |Stapelbreite eingeben |Stapelhöhe eingeben |Faktor eingeben "},
    {"typed volume of P", "txtSorte=P ;txtLaenge=0;txtDurchmesser=0;txtKubatur=1,50", 0, 0, ""},
    {"typed volume of LF", "txtSorte=LF;txtLaenge=0;txtDurchmesser=0;txtKubatur=1,50", 0, 0, ""},
    {"no typed volume for logs", "txtLaenge=0;txtDurchmesser=0", 0, 0, "Länge o.Durchmesser fehlen"},
};

} // namespace

// Positions as people paste them. `stored` is the normalised text, or
// empty when refused; `error` a part of the refusal's message.
struct PositionCase {
    const char* name;
    const char* typed;
    const char* stored;
    const char* error;
};
const PositionCase positionCases[] = {
    {"decimal point", "48.12345, 11.56789", "48.123450, 11.567890", ""},
    {"decimal comma", "48,12345; 11,56789", "48.123450, 11.567890", ""},
    {"decimal comma, comma between", "48,12345, 11,56789", "48.123450, 11.567890", ""},
    {"no blank", "48.12345,11.56789", "48.123450, 11.567890", ""},
    {"blank only", "-33.5 -70.25", "-33.500000, -70.250000", ""},
    {"exchange file text", "48.1,11.5                             ", "48.100000, 11.500000", ""},
    {"geo link", "geo:48.12345,11.56789;u=35", "48.123450, 11.567890", ""},
    {"dms", "48°07'24.4\"N 11°34'04.4\"E", "48.123444, 11.567889", ""},
    {"dms primes and Ost", "48° 7′ 24,4″ N, 11° 34′ 4,4″ O", "48.123444, 11.567889", ""},
    {"decimal minutes, letters first", "N 48° 7.4064' E 11° 34.0734'", "48.123440, 11.567890", ""},
    {"south west", "33°52'S 151°12'W", "-33.866667, -151.200000", ""},
    {"letters after decimals", "48.12345N 11.56789E", "48.123450, 11.567890", ""},
    {"swapped with letters", "11°34'04.4\"E 48°07'24.4\"N", "48.123444, 11.567889", ""},
    {"swapped decimals refused", "151.2, -33.9", "", "vertauscht"},
    {"latitude out of range", "91.0, 11.0", "", "Breite 91° liegt außerhalb"},
    {"longitude out of range", "48.0, 180.5", "", "Länge 180,5° liegt außerhalb"},
    {"minutes of 60", "48°60'0\"N 11°0'0\"E", "", "unter 60"},
    {"two latitudes", "48N 11S", "", "zweimal die Breite"},
    {"sign and letter", "-48.1S, 11.5E", "", "Minuszeichen und Himmelsrichtung"},
    {"one number", "48.12345", "", "keine GPS-Position"},
    {"three plain numbers", "48.1, 11.5, 3", "", "keine GPS-Position"},
    {"words", "hinter der Scheune", "", "keine GPS-Position"},
    {"letter in a word", "Nord 48, Ost 11", "", "keine GPS-Position"},
    {"empty", "   ", "", "Keine GPS-Position angegeben"},
};

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void toSingle_data() { rows(toSingleCases); }
    void toSingle()
    {
        QFETCH(int, index);
        const auto& c = toSingleCases[index];
        const auto result = rules::toSingle(u(c.text));
        QCOMPARE(result.has_value(), c.valid);
        if (c.valid)
            QCOMPARE(exact(*result), exact(c.value));
    }

    void roundTwo_data() { rows(roundTwoCases); }
    void roundTwo()
    {
        QFETCH(int, index);
        const auto& c = roundTwoCases[index];
        const float rounded = rules::roundTwo(c.value);
        QCOMPARE(exact(rounded), exact(c.expected));
        QVERIFY(rounded != 0 || !std::signbit(rounded));
    }

    void roundHalfEven()
    {
        QCOMPARE(rules::roundHalfEven(2.5), 2);
        QCOMPARE(rules::roundHalfEven(3.5), 4);
        QCOMPARE(rules::roundHalfEven(-2.5), -2);
        QCOMPARE(rules::roundHalfEven(2.51), 3);
        QCOMPARE(rules::roundHalfEven(1e20), std::numeric_limits<int>::max());
        QCOMPARE(rules::roundHalfEven(std::nan("")), 0);
    }

    void formatting()
    {
        QCOMPARE(formatTwo(0.285f, false), u("0,29"));
        QCOMPARE(formatTwo(21.0, true), u("21.00"));
        QCOMPARE(formatTwo(-0.001, false), u("0,00"));
        QCOMPARE(formatTwoGrouped(1234.5, false), u("1.234,50"));
        QCOMPARE(formatTwoGrouped(-1234567.891, true), u("-1,234,567.89"));
        QCOMPARE(formatTwoGrouped(999.995, false), u("1.000,00"));
        QCOMPARE(formatPlain(4.5f, false), u("4,5"));
        QCOMPARE(formatPlain(25.0f, true), u("25"));
        // Bark deductions: decimals only where they are.
        QCOMPARE(formatDeduction(2, false), u("2"));
        QCOMPARE(formatDeduction(0.5, false), u("0,5"));
        QCOMPARE(formatDeduction(2.25, true), u("2.25"));
        QCOMPARE(formatDeduction(0, false), u("0"));
    }

    void dezimalpunkt()
    {
        QCOMPARE(detectDezimalpunkt(QLocale(u("de_DE"))), false);
        QCOMPARE(detectDezimalpunkt(QLocale(u("de_CH"))), true);
        QCOMPARE(detectDezimalpunkt(QLocale::c()), true);
    }

    void barkBands_data() { rows(bandCases); }
    void barkBands()
    {
        QFETCH(int, index);
        const auto& c = bandCases[index];
        QCOMPARE(BarkTable::deductionFromBands(c.bands, c.diameter), c.expected);
    }

    void rindeAbziehen_data() { rows(rindeCases); }
    void rindeAbziehen()
    {
        QFETCH(int, index);
        const auto& c = rindeCases[index];
        RecordFields fields = logWith(c.record);
        QList<platform::Message> messages;
        const float result = Rinde_Abziehen(c.diameter, u(c.species), fields, sampleBarkTable(), messages);
        QCOMPARE(exact(result), exact(c.expected));
        QCOMPARE(fields.txtRinde, u(c.rindeAfter));
        QCOMPARE(fields.cmdAbzRinde, u(c.modeAfter));
        QCOMPARE(messages.size(), *c.message ? 1 : 0);
        if (*c.message) {
            QCOMPARE(messages.front().text, u(c.message));
            QCOMPARE(messages.front().title, u("Information"));
            QCOMPARE(messages.front().buttons, Buttons::OkCancel);
        }
    }

    void rindenabzugBerechnen()
    {
        const BarkTable table = sampleBarkTable();
        QList<platform::Message> messages;
        double abzug = 4;
        QCOMPARE(Rindenabzug_Berechnen(30, u("Fichte"), u(" "), abzug, table, messages), 26.0f);
        QCOMPARE(abzug, 4.0);
        abzug = 1.5;
        QCOMPARE(Rindenabzug_Berechnen(30, u("Fichte"), u(" "), abzug, table, messages), 28.5f);
        QCOMPARE(Rindenabzug_Berechnen(25, u("Fichte"), u("a"), abzug, table, messages), 23.0f);
        QCOMPARE(abzug, 2.0);
        QCOMPARE(Rindenabzug_Berechnen(25, u("Fichte"), u("o"), abzug, table, messages), 25.0f);
        QCOMPARE(abzug, 0.0);
        QVERIFY(messages.isEmpty());
        abzug = 9;
        QCOMPARE(Rindenabzug_Berechnen(25, u("Fichte"), u("a"), abzug, BarkTable(), messages), 25.0f);
        QCOMPARE(abzug, 0.0);
        QCOMPARE(messages.size(), 1);
    }

    void volume_data() { rows(volumeCases); }
    void volume()
    {
        QFETCH(int, index);
        const auto& c = volumeCases[index];
        RecordFields fields = logWith(u(c.record) + u(";txtKubatur="));
        RecordState state;
        state.Feldmodus = true;
        state.Dezimalpunkt = c.dezimalpunkt;
        QList<platform::Message> messages;
        QVERIFY(Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QCOMPARE(fields.txtKubatur, u(c.kubatur));
        QCOMPARE(formatTwoGrouped(state.KubaturWert, c.dezimalpunkt), u(c.kubatur));
        QCOMPARE(fields.cmdKubatur, u(c.caption));
        QCOMPARE(fields.txtStueck, u(c.stueck));
        QVERIFY(messages.isEmpty());
    }

    void volumeKeptWithoutLengthOrDiameter()
    {
        QList<platform::Message> messages;
        RecordState state;
        state.Feldmodus = true;
        state.KubaturWert = 0.5f;

        RecordFields fields = logWith("txtKubatur=0,50;txtStaerke=;txtLaenge=");
        QVERIFY(!Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QCOMPARE(fields.txtKubatur, u("0,50"));
        QCOMPARE(fields.txtStaerke, u("2b")); // the class still follows the diameter

        fields = logWith("txtKubatur=0,50;txtDurchmesser=0");
        QVERIFY(!Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QCOMPARE(exact(state.KubaturWert), exact(0.5f));

        fields = logWith("txtKubatur=0,50;txtSorte=S ;txtDurchmesser=2;txtFaktor=x");
        QVERIFY(!Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QCOMPARE(fields.txtKubatur, u("0,50"));
    }

    void quickModeWritesValuesIntoFields()
    {
        RecordFields fields = logWith("");
        RecordState state;
        state.Durchmesser = 25;
        state.Laenge = 4.5f;
        QList<platform::Message> messages;
        QVERIFY(Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QCOMPARE(fields.txtDurchmesser, u("25"));
        QCOMPARE(fields.txtLaenge, u("4,5"));
        QCOMPARE(fields.txtKubatur, u("0,22"));
    }

    void automaticBarkOnStackedWoodAsksOnce()
    {
        RecordFields fields = logWith("txtSorte=S ;txtDurchmesser=2;txtLaenge=10;cmdAbzRinde=a");
        RecordState state;
        state.Feldmodus = true;
        QList<platform::Message> messages;
        QVERIFY(Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QVERIFY(Datensatz_Berechnen(fields, state, sampleBarkTable(), messages));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(fields.cmdAbzRinde, u("o"));
        QCOMPARE(fields.txtKubatur, u("20,00"));
    }

    void staerke_data() { rows(staerkeCases); }
    void staerke()
    {
        QFETCH(int, index);
        const auto& c = staerkeCases[index];
        RecordFields fields = logWith(u("txtStaerke=keep;") + u(c.record));
        Staerke_Bestimmen(fields);
        QCOMPARE(fields.txtStaerke, u(c.expected));
    }

    void klasseZulaessig()
    {
        QVERIFY(Klasse_Zulaessig(u("1"), 8));
        QVERIFY(!Klasse_Zulaessig(u("1"), 7.99f));
        QVERIFY(Klasse_Zulaessig(u(" 5 "), 18));
        QVERIFY(!Klasse_Zulaessig(u("6"), 17.9f));
        QVERIFY(Klasse_Zulaessig(u("6"), 18));
        QVERIFY(!Klasse_Zulaessig(u("7"), 40));
    }

    void mantelstamm()
    {
        double abzug = 0;
        QList<platform::Message> messages;
        const float volume =
            Kubatur_Mantelstamm(4, 25, u("Fichte"), u("a"), abzug, sampleBarkTable(), messages);
        QCOMPARE(abzug, 2.0);
        QCOMPARE(exact(volume), exact(0.17f)); // 23 cm under bark
    }

    void feldEingabe_data() { rows(fieldCases); }
    void feldEingabe()
    {
        QFETCH(int, index);
        const auto& c = fieldCases[index];
        const RecordFields record = logWith(c.stacked ? "txtSorte=S " : "");
        QString text = u(c.start);
        QString decimalKey;
        QList<platform::Message> messages;
        bool ended = false;
        for (const QChar key : u(c.keys)) {
            const FieldKeyResult result = Feld_Eingabe(u(c.field), QString(key), text, record);
            text = result.text;
            if (result.decimalKeyEnabled)
                decimalKey = *result.decimalKeyEnabled ? u("on") : u("off");
            if (result.message)
                messages << *result.message;
            QCOMPARE(result.refused, result.message.has_value());
            ended = ended || result.endsFieldEntry;
        }
        QCOMPARE(text, u(c.text));
        QCOMPARE(decimalKey, u(c.decimalKey));
        QCOMPARE(ended, c.ends);
        QCOMPARE(messages.size(), *c.message ? 1 : 0);
        if (*c.message) {
            QCOMPARE(messages.front().text, u(c.message));
            QCOMPARE(messages.front().title, u("Fehleingabe"));
            QCOMPARE(messages.front().buttons, u(c.field) == u("Laenge") ? Buttons::Ok : Buttons::OkCancel);
        }
    }

    void feldEingabeRecompute()
    {
        const auto recompute = [](const char* field, const char* record, const char* old, const char* key) {
            return Feld_Eingabe(u(field), u(key), u(old), logWith(record)).recompute;
        };
        QVERIFY(recompute("Laenge", "txtLaenge=", "", "4"));
        QVERIFY(!recompute("Laenge", "txtLaenge=;txtDurchmesser=", "", "4"));
        QVERIFY(!recompute("Durchmesser", "txtDurchmesser=2", "2", "b"));
        QVERIFY(!recompute("Durchmesser", "txtDurchmesser=25", "25", "6")); // refused
        QVERIFY(!recompute("Staerke", "", "", "3"));
    }

    void quickEntryFilter()
    {
        QVERIFY(filterQuickEntryKey(u("4,")).accepted);
        QCOMPARE(filterQuickEntryKey(u("4.")).buffer, u("4"));
        QVERIFY(!filterQuickEntryKey(u("4.")).accepted);
    }

    void schnelleingabe_data() { rows(quickCases); }
    void schnelleingabe()
    {
        QFETCH(int, index);
        const auto& c = quickCases[index];
        const QuickEntryResult result = Schnelleingabe(u(c.buffer), logWith(""), c.saved);
        QCOMPARE(result.outcome, c.outcome);
        QCOMPARE(exact(result.laenge), exact(c.laenge));
        QCOMPARE(exact(result.durchmesser), exact(c.durchmesser));
    }

    void schnelleingabeMessages()
    {
        const QuickEntryResult error = Schnelleingabe(u("42525"), logWith(""), false);
        QVERIFY(error.message);
        QCOMPARE(error.message->text, u("Siehe Hilfe - Schnelleingabe"));
        QCOMPARE(error.message->title, u("Eingabefehler"));
        QCOMPARE(error.message->buttons, Buttons::OkCancel);
        QCOMPARE(error.helpAnchor, u("Schnelleingabe"));

        const QuickEntryResult refused = Schnelleingabe(u("425"), logWith("txtSorte=IS"), false);
        QCOMPARE(refused.outcome, Outcome::RefuseStackedWood);
        QVERIFY(refused.message);
        QCOMPARE(refused.message->text, u("Keine Schnelleingabe im Schichtholz"));
        QCOMPARE(refused.message->title, u("Information"));
        QCOMPARE(refused.message->buttons, Buttons::Ok);
    }

    void recordCheck_data() { rows(checkCases); }
    void recordCheck()
    {
        QFETCH(int, index);
        const auto& c = checkCases[index];
        const QStringList expected = u(c.lines).split(QLatin1Char('|'), Qt::SkipEmptyParts);
        QCOMPARE(recordCheckLines(logWith(c.record), c.durchmesser, c.laenge), expected);
    }

    void recordCheckMessage()
    {
        QVERIFY(!Daten_Kontrolle(logWith(""), 25, 4));
        const auto message = Daten_Kontrolle(logWith("txtGuete=;txtHolzart="), 25, 4);
        QVERIFY(message);
        QCOMPARE(message->text, u("Güte eingeben \rHolzart eingeben \r"));
        QCOMPARE(message->title, u("Datensatz unvollständig"));
        QCOMPARE(message->buttons, Buttons::Ok);
    }
    void positionParsing_data() { rows(positionCases); }
    void positionParsing()
    {
        QFETCH(int, index);
        const PositionCase& c = positionCases[index];
        const GeoPosition::Parsed parsed = GeoPosition::parse(u(c.typed));
        QCOMPARE(parsed.position ? parsed.position->text() : QString(), u(c.stored));
        QVERIFY2(parsed.error.contains(u(c.error)), qPrintable(parsed.error));
        QCOMPARE(parsed.error.isEmpty(), parsed.position.has_value());
        // The stored form reads back as itself.
        if (parsed.position)
            QCOMPARE(GeoPosition::parse(parsed.position->text()).position->text(), parsed.position->text());
    }

    void positionLinks()
    {
        const GeoPosition south(-33.8666667, 151.2);
        QCOMPARE(south.geoUri(), u("geo:-33.866667,151.2"));
        QCOMPARE(south.webLink(), u("https://www.openstreetmap.org/?mlat=-33.866667&mlon=151.2#map=17/-33.866667/151.2"));
        QCOMPARE(south.dms(), u("33°52'00.0\"S 151°12'00.0\"E"));
        // 59.96 seconds round up into the next minute.
        QCOMPARE(GeoPosition(0.0333322, -0.0).dms(), u("0°02'00.0\"N 0°00'00.0\"E"));
    }
    void photoExif()
    {
        const QDateTime taken(QDate(2026, 3, 14), QTime(9, 26, 53));
        for (const bool bigEndian : {true, false}) {
            testing::ExifJpeg camera{taken, std::pair{-33.8666667, 151.2083333}, bigEndian};
            const PhotoExif exif = PhotoExif::read(camera.bytes());
            QCOMPARE(exif.taken, taken);
            QVERIFY(exif.position);
            QCOMPARE(exif.position->text(), u("-33.866667, 151.208333"));
        }
        // Without a GPS block: the date only.
        const PhotoExif dateOnly = PhotoExif::read(testing::ExifJpeg{taken, std::nullopt}.bytes());
        QCOMPARE(dateOnly.taken, taken);
        QVERIFY(!dateOnly.position);
        // Damaged blocks give nothing and read nothing outside the data.
        const QByteArray good = testing::ExifJpeg{taken, std::pair{48.1, 11.5}}.tiff();
        for (int cut : {0, 4, 20, 60, 100, 140, 170}) {
            const PhotoExif cutShort = PhotoExif::read(testing::ExifJpeg::withExif(good.left(cut), 8, 8, 0));
            QVERIFY(!cutShort.position || cut >= 170);
        }
        QByteArray wild = good;
        for (int at : {10, 22, 34, 80, 134})
            wild[at] = char(0xFF);
        PhotoExif::read(testing::ExifJpeg::withExif(wild, 8, 8, 0));
        QVERIFY(!PhotoExif::read("\x89PNG\r\n").taken.isValid());
        QVERIFY(!PhotoExif::read(QByteArray("\xFF\xD8\xFF\xE1\x00\x01", 6)).taken.isValid());
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
