// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/FrmHolz.h"
#include "entry/KeyCodes.h"
#include "entry/ListListenModel.h"
#include "import/DataFolderSetup.h"
#include "lots/AutoLosHook.h"
#include "lots/LotRules.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/ExifJpeg.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/StemmoCommand.h"

#include <QtTest>

using Run = testing::StemmoCommand::Result;

// The stemmo commands for lot rules, options and records, run as a user
// runs them: on the data folder's files, or on the server's database when
// the tests are given one.
class TestAppCli : public QObject {
    Q_OBJECT

public:
    TestAppCli()
    {
        if (m_folder.onServer())
            m_stemmo.setDatabase(m_folder.holz());
    }

private slots:
    void lotRulesFromTheCommandLine();
    void optionsFromTheCommandLine();
    void valuesOutOfRangeAreRefusedWhole_data();
    void valuesOutOfRangeAreRefusedWhole();
    void valuesAtTheLimitsAreStoredAsGiven();
    void unknownCodesAreRefusedWithTheValidOnes();
    void addAssignsLotsAsTheScreenDoes();
    void failedSettingsWriteIsNoSuccess_data();
    void failedSettingsWriteIsNoSuccess();
    void listNamesAreCheckedOnEveryWayIn();
    void storagePlacesAndPhotosFollowTheList();
    void anOfficeMovesItsListsAwayAndBack();
    void aFreshServerDatabaseIsSetUpByItsFirstUser();

private:
    Run stemmo(const char* line) const { return m_stemmo.run(line); }
    Run stemmo(const QStringList& args, qint64 fileSizeLimit = 0) const
    {
        return m_stemmo.run(args, fileSizeLimit);
    }
    QJsonArray records(const QString& list) const
    {
        return m_stemmo.run({QStringLiteral("--json"), QStringLiteral("records"), list}).array();
    }

    TestDatabase m_folder;
    testing::StemmoCommand m_stemmo{QStringLiteral(STEMMO_CLI), m_folder.path(),
                                    m_folder.file(QStringLiteral("Stemmo.ini"))};
};

void TestAppCli::lotRulesFromTheCommandLine()
{
    Run set = stemmo(QStringLiteral("lots set 201 --holzart Fichte,Tanne --laenge-von 4 --laenge-bis 6")
                         .split(QLatin1Char(' '))
                     << QStringLiteral("--guete") << QStringLiteral("B C"));
    QCOMPARE(set.exitCode, 0);
    QVERIFY(set.out.contains(QStringLiteral("Los vorhanden")));

    const QJsonObject shown = stemmo("--json lots show 201").object();
    QCOMPARE(shown.value(QStringLiteral("exists")).toBool(), true);
    QCOMPARE(shown.value(QStringLiteral("Holzart")).toString(), QStringLiteral("Fi,Ta,"));
    QCOMPARE(shown.value(QStringLiteral("Guete")).toString(), QStringLiteral("B,C,"));
    QCOMPARE(shown.value(QStringLiteral("LaengeBis")).toString(), QStringLiteral("6"));
    QCOMPARE(shown.value(QStringLiteral("Sorte")).toString(), QString());

    const auto lot = [&](const char* line) {
        return stemmo(line).object().value(QStringLiteral("lot")).toInt();
    };
    QCOMPARE(lot("--json lots match --max 201 --holzart Fichte --sorte L --guete C --laenge 5"), 1);
    QCOMPARE(lot("--json lots match --max 201 --holzart Fichte --sorte L --guete C --laenge 3,9"), 0);
    // Key 202 holds no rule and takes the beech.
    QCOMPARE(lot("--json lots match --max 203 --holzart Buche --sorte L --guete C --laenge 5"), 2);
    QCOMPARE(lot("--json lots match --max 0 --holzart Buche --sorte L --guete C --laenge 5"), -1);

    QVERIFY(stemmo("lots").out.contains(QStringLiteral("Los 201")));
    QCOMPARE(stemmo("lots delete 201").exitCode, 0);
    const Run again = stemmo("lots delete 201");
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains(QStringLiteral("Los nicht vorhanden")));
    QVERIFY(stemmo("lots list").out.contains(QStringLiteral("Keine Losregeln")));
}

void TestAppCli::optionsFromTheCommandLine()
{
    QCOMPARE(stemmo("options autolos 112").exitCode, 0);
    QCOMPARE(stemmo("options AutoLos").out.trimmed(), QStringLiteral("112"));
    QCOMPARE(stemmo({QStringLiteral("options"), QStringLiteral("AutoLos"), QString()}).exitCode, 0);
    QCOMPARE(stemmo("options AutoLos").out.trimmed(), QStringLiteral("0"));

    // The region by its number; its list position follows.
    QCOMPARE(stemmo("options RegionIndex 6").exitCode, 0);
    QCOMPARE(stemmo("options Region").out.trimmed(), QStringLiteral("1"));
    QCOMPARE(stemmo("options Sortimentsliste 0").exitCode, 0);
    QVERIFY(stemmo("options").out.contains(QStringLiteral("(Hessen)")));

    for (const QStringList& bad : {QStringList{QStringLiteral("RegionIndex"), QStringLiteral("7")},
                                   QStringList{QStringLiteral("KonvAuto"), QStringLiteral("2")},
                                   QStringList{QStringLiteral("Konvertierung"), QStringLiteral("8")},
                                   QStringList{QStringLiteral("AutoLos"), QStringLiteral("1a")},
                                   QStringList{QStringLiteral("Farbe"), QStringLiteral("1")}}) {
        const Run run = stemmo(QStringList{QStringLiteral("options")} + bad);
        QVERIFY2(run.exitCode == 2, qPrintable(bad.join(QLatin1Char(' '))));
    }
    const QJsonObject after = stemmo("--json options").object();
    QCOMPARE(after.value(QStringLiteral("RegionIndex")).toString(), QStringLiteral("6"));
    QCOMPARE(after.value(QStringLiteral("KonvAuto")).toString(), QStringLiteral("1"));
    QCOMPARE(after.value(QStringLiteral("Sortimentsliste")).toString(), QStringLiteral("0"));
}

void TestAppCli::valuesOutOfRangeAreRefusedWhole_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("message");
    // The limits the record check sets when a record is stored are the
    // record check's own tests; these are the fields that cannot hold a value.
    const auto u = [](const char* text) { return QString::fromUtf8(text); };
    const auto add = [](const char* name, QStringList values, const char* message) {
        QTest::newRow(name) << values << QString::fromUtf8(message);
    };
    add("diameter 256", {u("--diameter"), u("256")}, "Durchmesser > 199 cm");
    add("diameter with decimals", {u("--diameter"), u("25,5")}, "ganzen Zentimetern");
    add("diameter signed", {u("--diameter"), u("-25")}, "keine Zahl");
    add("piece diameter beyond the field", {u("--sorte"), u("P"), u("--diameter"), u("256")},
        "Durchmesser ausserhalb");
    add("length 3 decimals", {u("--length"), u("4,555")}, "Laenge auserhalb");
    add("pieces 20 digits", {u("--pieces"), u("99999999999999999999")}, "Eingabefehler Stückzahl");
    add("pieces 10001", {u("--pieces"), u("10001")}, "Eingabefehler Stückzahl");
    add("pieces 0", {u("--pieces"), u("0")}, "Eingabefehler Stückzahl");
    add("pieces fraction", {u("--pieces"), u("2.5")}, "Eingabefehler Stückzahl");
    add("lot 86", {u("--los"), u("86")}, "Los unzulässig");
    add("number 7 digits", {u("--nummer"), u("1000000")}, "Stammnummer ausserhalb");
    add("factor", {u("--sorte"), u("S"), u("--hoehe"), u("1"), u("--faktor"), u("12,345")},
        "Faktor ausserhalb");
    add("height 0", {u("--sorte"), u("S"), u("--hoehe"), u("0")}, "Stapelhöhe eingeben");
    add("two at once", {u("--diameter"), u("256"), u("--los"), u("99")}, "Los unzulässig");
}

// The command line is not a keypad: a value is taken whole or not at all,
// and a refused record leaves the list as it was.
void TestAppCli::valuesOutOfRangeAreRefusedWhole()
{
    QFETCH(QStringList, values);
    QFETCH(QString, message);
    const QString list = QStringLiteral("Grenzen");
    if (!stemmo("lists").out.contains(list))
        QCOMPARE(stemmo({QStringLiteral("new-list"), list}).exitCode, 0);

    QStringList args{QStringLiteral("add"),       list,
                     QStringLiteral("--species"), QStringLiteral("Fichte"),
                     QStringLiteral("--guete"),   QStringLiteral("B")};
    const auto withDefaults = [&values](QStringList args) {
        if (!values.contains(QStringLiteral("--length")))
            args << QStringLiteral("--length") << QStringLiteral("4");
        if (!values.contains(QStringLiteral("--diameter")))
            args << QStringLiteral("--diameter") << QStringLiteral("25");
        return args + values;
    };
    if (!values.contains(QStringLiteral("--sorte")))
        args << QStringLiteral("--sorte") << QStringLiteral("L");
    const Run run = stemmo(withDefaults(args));
    QVERIFY2(run.exitCode == 1, qPrintable(QString::number(run.exitCode) + QLatin1Char(' ') + run.err));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(records(list).size(), 0);

    // The volume command reads the same values the same way.
    if (values.contains(QStringLiteral("--los")) || values.contains(QStringLiteral("--nummer")))
        return;
    const Run computed = stemmo(withDefaults({QStringLiteral("volume")}));
    QCOMPARE(computed.exitCode, 1);
    QVERIFY2(computed.err.contains(message), qPrintable(computed.err));
    QVERIFY(computed.out.isEmpty());
}

void TestAppCli::valuesAtTheLimitsAreStoredAsGiven()
{
    const QString list = QStringLiteral("Rand");
    QCOMPARE(stemmo("new-list Rand").exitCode, 0);
    Run run =
        stemmo("add Rand --length 35 --diameter 199 --sorte L --los 85 --abzug 9 --species Fichte --guete B");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    run = stemmo(
        "add Rand --length 4,5 --diameter 1 --sorte L --pieces 10000 --los 0 --species Fichte --guete B");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const QJsonArray rows = records(list);
    QCOMPARE(rows.size(), 2);
    // Listed in the configured order; the assortment is the one with pieces.
    const bool assortmentFirst =
        rows.at(0).toObject().value(QStringLiteral("Nr*St")).toString().startsWith(u'*');
    const QJsonObject log = rows.at(assortmentFirst ? 1 : 0).toObject();
    QCOMPARE(log.value(QStringLiteral("Los")).toString(), QStringLiteral("85"));
    QCOMPARE(log.value(QStringLiteral("Länge")).toString(), QStringLiteral("35"));
    QCOMPARE(log.value(QStringLiteral("Durchm")).toString(), QStringLiteral("199"));
    QCOMPARE(log.value(QStringLiteral("Rinde")).toString(), QStringLiteral("9"));
    const QJsonObject pieces = rows.at(assortmentFirst ? 0 : 1).toObject();
    QCOMPARE(pieces.value(QStringLiteral("Nr*St")).toString(), QStringLiteral("*10000"));
    QCOMPARE(pieces.value(QStringLiteral("Länge")).toString(), QStringLiteral("4.5"));
    QCOMPARE(pieces.value(QStringLiteral("Los")).toString(), QStringLiteral("0"));
    QVERIFY(stemmo("totals Rand").out.contains(QStringLiteral("Stückzahl = 10001")));
}

void TestAppCli::unknownCodesAreRefusedWithTheValidOnes()
{
    const QString list = QStringLiteral("Codes");
    QCOMPARE(stemmo("new-list Codes").exitCode, 0);
    const QStringList base =
        QStringLiteral("add Codes --length 4 --diameter 25 --species Fichte --guete B --sorte L").split(u' ');
    const auto with = [&base](const char* option, const QString& value) {
        QStringList args = base;
        args[args.indexOf(QString::fromLatin1(option)) + 1] = value;
        return args;
    };
    Run run = stemmo(with("--guete", QStringLiteral("Q")));
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("„Q“")) && run.err.contains(QStringLiteral("Gültig:")) &&
                 run.err.contains(QStringLiteral("BC")),
             qPrintable(run.err));
    run = stemmo(with("--sorte", QStringLiteral("QQ")));
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("Gültig:")) && run.err.contains(QStringLiteral("L1")),
             qPrintable(run.err));
    run = stemmo(with("--species", QStringLiteral("Palme")));
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("Fichte")), qPrintable(run.err));
    QCOMPARE(records(list).size(), 0);

    // Case and the blank of one-letter codes do not matter.
    run = stemmo(with("--guete", QStringLiteral("b")));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(records(list).at(0).toObject().value(QStringLiteral("Güte")).toString().trimmed(),
             QStringLiteral("B"));
}

// The same records with the same lot rules, once through the entry screen's
// model as the recording program wires it and once through `stemmo add`:
// the stored rows must be the same, lots included.
void TestAppCli::addAssignsLotsAsTheScreenDoes()
{
    const store::DataFolder data = m_folder.dataFolder();
    importer::DataFolderSetup::ensure(data);
    store::Settings settings(m_folder.file(QStringLiteral("Stemmo.ini")));
    lots::LotRules rules(settings);
    lots::LotRule spruce;
    spruce[lots::LotRule::Holzart] = QStringLiteral("Fi,");
    QVERIFY(rules.write(*lots::LotKey::parse(QStringLiteral("101")), spruce));
    lots::LotRule shortLogs;
    shortLogs[lots::LotRule::LaengeVon] = QStringLiteral("4");
    shortLogs[lots::LotRule::LaengeBis] = QStringLiteral("6");
    QVERIFY(rules.write(*lots::LotKey::parse(QStringLiteral("102")), shortLogs));
    lots::LotRule thick;
    thick[lots::LotRule::DurchmVon] = QStringLiteral("40");
    QVERIFY(rules.write(*lots::LotKey::parse(QStringLiteral("104")), thick));
    QVERIFY(settings.set(store::keys::AutoLos, QStringLiteral("104")));

    struct Log {
        QString species, grade, sorte, length, diameter, lot;
    };
    QList<Log> logs;
    for (const char* line :
         {"Fichte B L 4 25 7", "Buche C L 5 30 7", "Buche B L 8 45 7", "Buche B L 8 30 7"}) {
        const QStringList v = QString::fromLatin1(line).split(u' ');
        logs << Log{v[0], v[1], v[2], v[3], v[4], v[5]};
    }
    QCOMPARE(stemmo("new-list Schirm").exitCode, 0);
    QCOMPARE(stemmo("new-list Befehl").exitCode, 0);

    {
        auto holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
        auto master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData);
        testing::ScriptedUserInterface ui;
        ui.tolerateMessages();
        entry::FrmHolz screen(*holz, *master, settings, ui);
        screen.setDezimalpunkt(true);
        screen.Form_Load();
        lots::installAutoLos(screen, rules);
        QVERIFY(screen.selectList(QStringLiteral("Schirm")));
        screen.ListListen_Click(screen.listListen().selectedRow());
        for (const Log& log : logs) {
            screen.optEinzelstamm_Click();
            screen.textEdited(entry::ControlId::txtHolzart, log.species);
            screen.chooseGrade(log.grade + QLatin1Char(' '));
            screen.chooseSorte(log.sorte + QLatin1Char(' '));
            screen.Los_Pruefen(log.lot.toInt());
            screen.cmdLaenge_Click();
            for (const QChar key : log.length)
                screen.keypad(QString(key));
            screen.cmdDurchm_Click();
            for (const QChar key : log.diameter)
                screen.keypad(QString(key));
            screen.keyDown(entry::keys::Enter);
            QVERIFY(screen.cmdSpeichern_Click());
        }
    }
    for (const Log& log : logs) {
        const Run run = stemmo(
            QStringLiteral("add Befehl --species %1 --guete %2 --sorte %3 --los %4 --length %5 --diameter %6")
                .arg(log.species, log.grade, log.sorte, log.lot, log.length, log.diameter)
                .split(u' '));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }

    const QJsonArray screen = records(QStringLiteral("Schirm"));
    const QJsonArray command = records(QStringLiteral("Befehl"));
    QCOMPARE(screen.size(), logs.size());
    QCOMPARE(command, screen);
    QStringList lots;
    for (const QJsonValue& row : command)
        lots << row.toObject().value(QStringLiteral("Los")).toString();
    // Spruce by rule 1, short logs by rule 2, the rest by the empty rule 3.
    QCOMPARE(lots.join(u' '), QStringLiteral("1 2 3 3"));
}

void TestAppCli::failedSettingsWriteIsNoSuccess_data()
{
    QTest::addColumn<QString>("args");
    QTest::newRow("sort order") << QStringLiteral("options Sortierung 3");
    QTest::newRow("lot rule") << QStringLiteral("lots set 305 --holzart Fichte");
}

// A write the disk refuses is reported and exits non-zero (that the old file
// stays is the settings store's own test).
void TestAppCli::failedSettingsWriteIsNoSuccess()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file size limit");
#endif
    QFETCH(QString, args);
    // A file bigger than the limit can still be read, but no longer rewritten.
    const QString path = m_folder.file(QStringLiteral("Stemmo.ini"));
    QVERIFY(stemmo("options KonvAuto 1").exitCode == 0);
    {
        store::Settings settings(path);
        QVERIFY(settings.SaveSetting(QStringLiteral("Software\\Stemmo"), QStringLiteral("Ballast"),
                                     QStringLiteral("Fuellung"), QString(60000, u'x')));
    }

    const Run run = stemmo(args.split(u' '), 40000);
    QVERIFY2(run.exitCode != 0, qPrintable(run.out + run.err));
    QVERIFY2(run.err.contains(QStringLiteral("nicht gespeichert")), qPrintable(run.err));
}

// What makes a name unusable is the name check's own test; here every way
// a name comes in must pass through it.
void TestAppCli::listNamesAreCheckedOnEveryWayIn()
{
    const QString fifty(50, u'N');
    Run run = stemmo({QStringLiteral("new-list"), fifty});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    run = stemmo({QStringLiteral("new-list"), QStringLiteral("Nord\nSüd")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Zeilenumbruch")), qPrintable(run.err));
    run = stemmo({QStringLiteral("rename"), fifty, QStringLiteral("Süd\tOst")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Steuerzeichen")), qPrintable(run.err));
    QVERIFY(stemmo("--json lists").out.contains(fifty));

    // An imported file names its list itself.
    const QString file = m_folder.write(QStringLiteral("lang.dat"), "0A  " + QByteArray(60, 'L') + "\r\n");
    run = stemmo({QStringLiteral("import"), file});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("höchstens 50")), qPrintable(run.err));
}

void TestAppCli::storagePlacesAndPhotosFollowTheList()
{
    const QString list = QStringLiteral("Nord's/Ä");
    const auto lager = [&](const QStringList& args) { return stemmo(QStringList{QStringLiteral("lager"), list} + args); };
    const auto places = [&] { return stemmo({QStringLiteral("--json"), QStringLiteral("lager"), list}).array(); };
    QCOMPARE(stemmo({QStringLiteral("new-list"), list}).exitCode, 0);
    Run run = stemmo({QStringLiteral("add"), list, QStringLiteral("--length"), QStringLiteral("4"),
                      QStringLiteral("--diameter"), QStringLiteral("30"), QStringLiteral("--species"),
                      QStringLiteral("Fichte"), QStringLiteral("--guete"), QStringLiteral("B"),
                      QStringLiteral("--sorte"), QStringLiteral("L"), QStringLiteral("--los"), QStringLiteral("3")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    // The lot the record got (the lot rules of the tests before may choose it).
    run = lager({});
    const QRegularExpressionMatch missing =
        QRegularExpression(QStringLiteral("^Los (\\d+): kein Lagerort$"), QRegularExpression::MultilineOption)
            .match(run.out);
    QVERIFY2(missing.hasMatch(), qPrintable(run.out));
    const QString lot = missing.captured(1);

    run = lager({QStringLiteral("set"), lot, QStringLiteral("--ort"), QStringLiteral("Weg am Bach"),
                 QStringLiteral("--gps"), QStringLiteral("48°07'24.4\"N 11°34'04.4\"E")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    // Refused whole: the place keeps its position.
    run = lager({QStringLiteral("set"), lot, QStringLiteral("--ort"), QStringLiteral("Hof"),
                 QStringLiteral("--gps"), QStringLiteral("91, 11")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("außerhalb")), qPrintable(run.err));
    QCOMPARE(lager({QStringLiteral("set"), QStringLiteral("drei")}).exitCode, 2);
    QCOMPARE(lager({QStringLiteral("photo"), QStringLiteral("add"), lot}).exitCode, 2);

    const QDateTime taken(QDate(2026, 3, 14), QTime(9, 26, 53));
    const QString photo = m_folder.write(QStringLiteral("Polter 1.jpg"),
                                         testing::ExifJpeg{taken, std::pair{48.2, 11.6}}.bytes());
    run = lager({QStringLiteral("photo"), QStringLiteral("add"), lot, photo});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    run = lager({QStringLiteral("photo"), QStringLiteral("add"), lot,
                 m_folder.write(QStringLiteral("kein.jpg"), "Text")});
    QCOMPARE(run.exitCode, 1);

    QJsonObject place = places().at(0).toObject();
    QCOMPARE(place.value(QStringLiteral("ort")).toString(), QStringLiteral("Weg am Bach"));
    QCOMPARE(place.value(QStringLiteral("gps")).toString(), QStringLiteral("48.123444, 11.567889"));
    QJsonArray photos = place.value(QStringLiteral("fotos")).toArray();
    QCOMPARE(photos.size(), 1);
    QCOMPARE(photos[0].toObject().value(QStringLiteral("aufnahme")).toString(), taken.toString(Qt::ISODate));
    QCOMPARE(photos[0].toObject().value(QStringLiteral("gps")).toString(), QStringLiteral("48.200000, 11.600000"));
    const QString first = photos[0].toObject().value(QStringLiteral("datei")).toString();
    QVERIFY2(first.startsWith(m_folder.path() + QStringLiteral("/Fotos/")), qPrintable(first));
    QVERIFY(QFileInfo::exists(first));

    // Renamed, the list takes its photos along; deleted, it takes them away.
    run = stemmo({QStringLiteral("rename"), list, QStringLiteral("Süd")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(first));
    const QJsonArray renamed = stemmo({QStringLiteral("--json"), QStringLiteral("lager"), QStringLiteral("Süd")}).array();
    const QString moved =
        renamed.at(0).toObject().value(QStringLiteral("fotos")).toArray().at(0).toObject().value(QStringLiteral("datei")).toString();
    QVERIFY2(QFileInfo::exists(moved), qPrintable(moved));
    QCOMPARE(stemmo({QStringLiteral("delete-list"), QStringLiteral("Süd")}).exitCode, 0);
    QVERIFY(!QFileInfo::exists(moved));
    QVERIFY(QDir(m_folder.file(QStringLiteral("Fotos"))).isEmpty());
}

void TestAppCli::anOfficeMovesItsListsAwayAndBack()
{
    // The other place: the tests' server database when there is one, else
    // another data folder; the command treats both alike.
    const TestDatabase shared;
    const QString settings = m_folder.file(QStringLiteral("Umzug.ini"));
    const testing::StemmoCommand office(QStringLiteral(STEMMO_CLI), m_folder.file(QStringLiteral("buero")),
                                        settings);
    const testing::StemmoCommand back(QStringLiteral(STEMMO_CLI), m_folder.file(QStringLiteral("zurueck")),
                                      settings);
    const QString away = shared.onServer() ? shared.holz() : m_folder.file(QStringLiteral("gemeinsam"));
    const auto listed = [](const testing::StemmoCommand& at, const QStringList& options = {}) {
        QStringList shown;
        for (const char* list : {"Ost", "West"})
            shown << at.run(options + QStringList{QStringLiteral("records"), QString::fromLatin1(list)}).out;
        return shown;
    };
    QCOMPARE(office.run("generate Ost 300 --seed 3").exitCode, 0);
    QCOMPARE(office.run("new-list West").exitCode, 0);
    QCOMPARE(office.run("add West --length 4 --diameter 30 --species Fichte --guete B --sorte L").exitCode,
             0);
    const QStringList before = listed(office);

    QCOMPARE(office.run("migrate").exitCode, 2);
    Run run = office.run({QStringLiteral("migrate"), QStringLiteral("--to"), away});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(QStringLiteral("2 Listen, 301 Datensätze")), qPrintable(run.out));
    // A second run finds the target holding lists and leaves it as it is.
    run = office.run({QStringLiteral("migrate"), QStringLiteral("--to"), away});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("schon 2 Holzlisten")), qPrintable(run.err));
    const QStringList there = shared.onServer() ? QStringList{QStringLiteral("--database"), away} : QStringList{};
    QCOMPARE(listed(testing::StemmoCommand(QStringLiteral(STEMMO_CLI), shared.onServer() ? shared.path() : away,
                                           settings),
                    there),
             before);

    QCOMPARE(back.run("init").exitCode, 0);
    run = back.run({QStringLiteral("migrate"), QStringLiteral("--from"), away});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(listed(back), before);
    QCOMPARE(back.run({QStringLiteral("migrate"), QStringLiteral("--from"), away}).exitCode, 1);
    QCOMPARE(listed(back), before);
}

void TestAppCli::aFreshServerDatabaseIsSetUpByItsFirstUser()
{
    const TestDatabase server;
    if (!server.onServer())
        QSKIP("no test server (STEMMO_TEST_DATABASE)");
    const testing::StemmoCommand first(QStringLiteral(STEMMO_CLI), server.path(),
                                       m_folder.file(QStringLiteral("Erster.ini")));
    const QStringList on{QStringLiteral("--database"), server.holz()};
    Run run = first.run(on + QStringList{QStringLiteral("species")});
    QVERIFY2(run.exitCode == 0 && run.out.contains(QStringLiteral("Fichte")), qPrintable(run.err));
    // The folder holds no list database of its own.
    QVERIFY(!QFileInfo::exists(server.file(QStringLiteral("Holz.db"))));
    run = first.run(on + QStringList{QStringLiteral("check")});
    QVERIFY2(run.exitCode == 0 && run.out.contains(QStringLiteral("Server-Datenbank erreichbar")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestAppCli)
#include "tst_app_cli.moc"
