// SPDX-License-Identifier: GPL-3.0-or-later
// ELDATsmart documents and the office formats, read back by independent
// readers: the JSON schema validator and Python's csv module and openpyxl
// (Debian's python3 with python3-jsonschema and python3-openpyxl).
#include "ExportFixture.h"

#include "cli/ListGenerator.h"
#include "export/AssortmentTotals.h"
#include "export/CsvWriter.h"
#include "export/EldatCodes.h"
#include "export/EldatWriter.h"
#include "export/ExportDriver.h"
#include "export/ExportFormats.h"
#include "export/RecordColumns.h"
#include "export/XlsxWriter.h"
#include "import/ImportDriver.h"
#include "store/RecordRepository.h"
#include "store/SettingKeys.h"
#include "tests/support/ScriptedUserInterface.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace exporter;
using store::HolzRow;

namespace {

// Debian's interpreter: its packages are the ones the setup script installs.
QString python()
{
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}

struct Run {
    int exitCode = -1;
    QByteArray out;
};

Run runScript(const QString& script, const QStringList& args)
{
    QProcess process;
    process.start(python(), QStringList{testing::TestFolder::fixture(script)} + args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput() + process.readAllStandardError()};
}

QJsonObject dump(const QString& kind, const QString& path)
{
    const Run run = runScript(QStringLiteral("office/dump.py"), {kind, path});
    if (run.exitCode != 0)
        qWarning().noquote() << run.out;
    return QJsonDocument::fromJson(run.out).object();
}

// Exports the fixture's selected list in `format` to `name` in a folder of
// its own; every message is tolerated and kept.
ExportDriver::Result exportList(ExportFixture& fixture, int format, const QString& name, bool perLot = false)
{
    const QString folder = fixture.dir.file(QStringLiteral("aus"));
    QDir().mkpath(folder);
    testing::ScriptedUserInterface ui;
    // Yes to the question naming what the format cannot carry.
    ui.tolerateMessages(platform::Answer::Yes);
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    driver.setSheetPerLot(perLot);
    return driver.Konvertieren(fixture.timber, QDir(folder).filePath(name), format);
}

QList<HolzRow> storedRecords(ExportFixture& fixture, const QString& list)
{
    QList<HolzRow> rows;
    store::RecordRepository(*fixture.holz).forEachRecord(list, QString(), true,
                                      [&](const HolzRow& row) { rows << row; });
    return rows;
}

// A header the documents can carry whole: the place with its postcode.
store::ListenRow addressedHeader()
{
    store::ListenRow header = ExportFixture::goldenHeader();
    header.Ort = QStringLiteral("93444 Bad Kötzting");
    return header;
}

QString germanNumber(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

class TestOffice : public QObject {
    Q_OBJECT

private slots:
    void codeTable();
    void codeTableRefusals_data();
    void codeTableRefusals();
    void eldatFieldEncoders();
    void eldatValidatesAgainstSchema();
    void eldatNamesWhatItCannotCarry();
    void eldatRoundTrip();
    void eldatImportRefusals_data();
    void eldatImportRefusals();
    void csvCells();
    void csvReadBack();
    void xlsxReadBack();
    void columnNames();
    void recordColumns();
    void assortmentTotals();
    void eldatImportNamesWhatTheListCannotHold();
};

void TestOffice::codeTable()
{
    const EldatCodes codes = EldatCodes::forFolder(QStringLiteral("/nonexistent")); // the shipped table
    // Own codes compare without the blank the entry screen pads them with.
    QCOMPARE(codes.quality(QStringLiteral("B ")), QStringLiteral("b"));
    // Reading back takes the first own code of a shared ELDATsmart code,
    // and the grade alone where the use has no line.
    QCOMPARE(codes.sorteOf(QStringLiteral("st"), QStringLiteral("xy")), QStringLiteral("L"));
    QCOMPARE(codes.sorteOf(QStringLiteral("st"), QStringLiteral("sg")), QStringLiteral("L"));

    // A folder's own table wins over the shipped one, in either encoding.
    testing::TestFolder folder;
    folder.write(QString::fromLatin1(EldatCodes::FileName),
                 QStringLiteral("[holzarten]\r\nZirbe;zki\r\n[vermessung]\r\nKalibrierung;K-7\r\n"
                                "KalibriertBis;31.12.2027\r\n")
                     .toLatin1());
    const EldatCodes own = EldatCodes::forFolder(folder.path());
    QCOMPARE(own.species(QStringLiteral("Zirbe")), QStringLiteral("zki"));
    QVERIFY(!own.species(QStringLiteral("Fichte")));
    QCOMPARE(own.measuring().calibrationId, QStringLiteral("K-7"));
    QCOMPARE(own.measuring().calibratedUntil, QStringLiteral("2027-12-31"));
}

void TestOffice::codeTableRefusals_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown species code")
        << QByteArray("[holzarten]\nFichte;fichte\n") << "Zeile 2: „fichte“";
    QTest::newRow("use missing") << QByteArray("[sorten]\nL;st\n") << "Zeile 2: erwartet";
    QTest::newRow("unknown section") << QByteArray("; Kopf\n[farben]\nrot;r\n")
                                     << "Zeile 3: unbekannter Abschnitt";
    QTest::newRow("bad date") << QByteArray("[vermessung]\nKalibriertBis;2027-12-31\n") << "kein Datum";
    QTest::newRow("line before section") << QByteArray("Fichte;fi\n") << "Zeile 1: Zeile vor";
}

void TestOffice::codeTableRefusals()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, error);
    QString message;
    QVERIFY(!EldatCodes::parse(table, &message));
    QVERIFY2(message.contains(error), qPrintable(message));
}

void TestOffice::eldatFieldEncoders()
{
    const auto position = EldatWriter::coordinate(QStringLiteral(" 48.1234, 11.5678 "));
    QVERIFY(position);
    QCOMPARE(position->value(QStringLiteral("latitude")).toDouble(), 48.1234);
    QCOMPARE(position->value(QStringLiteral("longitude")).toDouble(), 11.5678);
    QCOMPARE(position->value(QStringLiteral("crs")).toString(), QStringLiteral("4326"));
    QVERIFY(EldatWriter::coordinate(QStringLiteral("48.1 11.5")));
    // Typed with degrees and minutes, the same place.
    const auto dms = EldatWriter::coordinate(QStringLiteral("N 48° 7.404' E 11° 34.068'"));
    QVERIFY(dms);
    QCOMPARE(dms->value(QStringLiteral("latitude")).toDouble(), 48.1234);
    QCOMPARE(dms->value(QStringLiteral("longitude")).toDouble(), 11.5678);
    QVERIFY(!EldatWriter::coordinate(QStringLiteral("91.0, 11.0")));
    QVERIFY(!EldatWriter::coordinate(QStringLiteral("am Weg")));

    // The open class "6+" splits by the diameter; piece rows have none.
    QCOMPARE(EldatWriter::thicknessClass(QStringLiteral("6+"), 64), QStringLiteral("d6"));
    QCOMPARE(EldatWriter::thicknessClass(QStringLiteral("6+"), 75), QStringLiteral("d7"));
    QVERIFY(!EldatWriter::thicknessClass(QStringLiteral("2.1"), 20));
}

void TestOffice::eldatValidatesAgainstSchema()
{
    ExportFixture fixture;
    fixture.addList(addressedHeader(), ExportFixture::goldenRecords(), ExportFixture::goldenStorage());
    store::ListenRow bare; // a list with no header data at all
    bare.Liste = QStringLiteral("Ohne");
    fixture.addList(bare, ExportFixture::goldenRecords(false));
    QStringList files;
    for (const QString& list : {QStringLiteral("Probe"), QStringLiteral("Ohne")}) {
        QVERIFY(fixture.select(list));
        const auto result = exportList(fixture, ExportFormats::Eldat, list + QStringLiteral(".eldat"));
        QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));
        files << result.files;
    }
    // Generated lists: every species, assortment and kind the generator makes.
    for (quint32 seed : {1u, 7u, 42u}) {
        const QString name = QStringLiteral("Gen%1").arg(seed);
        cli::ListGenerator({}, seed).generate(*fixture.holz, name, 400);
        QVERIFY(fixture.select(name));
        const auto result = exportList(fixture, ExportFormats::Eldat, name + QStringLiteral(".eldat"));
        QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));
        files << result.files;
    }
    const Run run = runScript(QStringLiteral("eldat/validate.py"), files);
    QVERIFY2(run.exitCode == 0, run.out.constData());

    // The lot with a position carries it, the storage place names the pile.
    QFile file(files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject journal = QJsonDocument::fromJson(file.readAll())
                                    .object()[QStringLiteral("document")][QStringLiteral("eldat")]
                                             [QStringLiteral("measurement_journal")]
                                    .toObject();
    const QJsonObject lot1 = journal[QStringLiteral("measurement_data")].toArray().at(0).toObject();
    const QJsonObject business =
        lot1[QStringLiteral("measurer")][QStringLiteral("business")][QStringLiteral("business_data")]
            .toObject();
    QCOMPARE(business[QStringLiteral("postcode")].toString(), QStringLiteral("93444"));
    QCOMPARE(business[QStringLiteral("city")].toString(), QStringLiteral("Bad Kötzting"));
    QCOMPARE(business[QStringLiteral("coordinate")][QStringLiteral("latitude")].toDouble(), 48.1234);
    const QJsonArray ids = lot1[QStringLiteral("wood_id")].toArray();
    QCOMPARE(ids.at(0)[QStringLiteral("wood_id_no")].toString(), QStringLiteral("1"));
    QCOMPARE(ids.at(1)[QStringLiteral("wood_id_no")].toString(), QStringLiteral("Waldweg Süd"));
    QCOMPARE(journal[QStringLiteral("status")][QStringLiteral("additionalinformation")].toString(),
             QStringLiteral("Sturmholz Süd"));
}

void TestOffice::eldatNamesWhatItCannotCarry()
{
    ExportFixture fixture;
    QList<HolzRow> rows = ExportFixture::goldenRecords();
    rows.first().Holzart = QStringLiteral("Zirbe"); // no line in the code table
    fixture.addList(ExportFixture::goldenHeader(), rows, ExportFixture::goldenStorage());
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const auto result = exportList(fixture, ExportFormats::Eldat, QStringLiteral("Probe.eldat"));
    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));
    const QString losses = result.losses.join(QLatin1Char('\n'));
    // Named with its record, like every loss of a record.
    QVERIFY2(losses.contains(QRegularExpression(
                 QStringLiteral("^Datensatz 1, Los \\d+[^\n]*: Holzart „Zirbe“ hat keinen ELDATsmart-Code$"),
                 QRegularExpression::MultilineOption)),
             qPrintable(losses));
    QVERIFY2(losses.contains(QStringLiteral("Anschrift ist unvollständig")), qPrintable(losses));
    QVERIFY(losses.contains(QStringLiteral("Kalibrierung")));
    QVERIFY(losses.contains(QStringLiteral("Zusatz des Lagerorts von Los 1")));
    // The unmapped species is written as "none", never as a guess.
    QFile file(result.files.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    QVERIFY(json.contains("\"species\":\"xy\""));
}

void TestOffice::eldatRoundTrip()
{
    ExportFixture fixture;
    // A calibrated device, so the measuring is complete.
    QFile table(QDir(fixture.master->localFolder()).filePath(QString::fromLatin1(EldatCodes::FileName)));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write(EldatCodes::shipped()
                    .replace("Kalibrierung;", "Kalibrierung;K-1")
                    .replace("KalibriertBis;", "KalibriertBis;01.01.2030"));
    table.close();
    fixture.addList(addressedHeader(), ExportFixture::goldenRecords(false), ExportFixture::goldenStorage());
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const auto result = exportList(fixture, ExportFormats::Eldat, QStringLiteral("Zurueck.eldat"));
    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));

    testing::ScriptedUserInterface ui;
    ui.tolerateMessages();
    importer::ImportDriver driver(*fixture.holz, *fixture.master, fixture.settings, ui);
    const auto imported = driver.importFile(result.files.first());
    QCOMPARE(int(imported.outcome), int(importer::ImportDriver::Result::Outcome::Imported));
    QCOMPARE(imported.listName, QStringLiteral("Zurueck"));
    QCOMPARE(fixture.settings.get(store::keys::Konvertierung), QStringLiteral("8"));

    const store::ListenRow before = fixture.listRow(QStringLiteral("Probe"));
    const store::ListenRow after = fixture.listRow(QStringLiteral("Zurueck"));
    auto headerOf = [](const store::ListenRow& r) {
        return QStringList{r.Name,   r.Strasse, r.Ort, r.Forstamt, r.Revier, r.Datum.toString(Qt::ISODate),
                           r.Zusatztext, QString::number(r.Kubatur, 'g', 17)};
    };
    QCOMPARE(headerOf(after), headerOf(before));

    // Records come back grouped by lot and kind; matched by their fields.
    // Assortments that share one ELDATsmart code come back as the first
    // code of the table ("H " as "L ").
    const EldatCodes codes = EldatCodes::forFolder(QStringLiteral("/nonexistent"));
    auto sorte = [&](const QString& own) {
        const auto code = codes.assortment(own);
        QString back = code ? *codes.sorteOf(code->grade, code->use) : own.trimmed();
        return back.size() == 1 ? back + QLatin1Char(' ') : back;
    };
    auto key = [](const HolzRow& r, const QString& s) {
        return QStringLiteral("%1|%2|%3|%4|%5|%6")
            .arg(r.Los)
            .arg(r.Nummer)
            .arg(r.Holzart, s)
            .arg(r.Kubatur, 0, 'f', 2)
            .arg(r.Guete);
    };
    QHash<QString, HolzRow> back;
    for (const HolzRow& row : storedRecords(fixture, QStringLiteral("Zurueck")))
        back.insert(key(row, row.Sorte), row);
    const QList<HolzRow> original = storedRecords(fixture, QStringLiteral("Probe"));
    QCOMPARE(back.size(), original.size());
    for (const HolzRow& row : original) {
        const QString k = key(row, sorte(row.Sorte));
        QVERIFY2(back.contains(k), qPrintable(QStringLiteral("not read back: ") + k));
        const HolzRow& r = back.value(k);
        QCOMPARE(r.Einzelstamm, row.Einzelstamm);
        QCOMPARE(r.Klammerstamm, row.Klammerstamm);
        QCOMPARE(r.Folgestamm, row.Folgestamm);
        // A class the documents do not know (length classes of "H ") is named as lost.
        if (EldatWriter::thicknessClass(row.Staerke, row.Durchm))
            QCOMPARE(r.Staerke.trimmed(), row.Staerke.trimmed() == QLatin1String("6")
                                              ? QStringLiteral("6+")
                                              : row.Staerke.trimmed());
        else
            QVERIFY(
                result.losses.join(QLatin1Char('\n'))
                    .contains(row.Staerke.trimmed().isEmpty() || row.Staerke.trimmed() == QLatin1String("-")
                                  ? QString()
                                  : QStringLiteral("Stärkeklasse „%1“").arg(row.Staerke.trimmed())));
        QCOMPARE(r.Stueck, row.isStackedWood() ? 1.0 : row.Stueck);
        if (row.isStackedWood()) {
            QCOMPARE(r.Stamm, row.Stamm);
            continue; // the stack's dimensions are named as lost
        }
        QCOMPARE(r.Laenge, row.Laenge);
        QCOMPARE(r.Durchm, row.Durchm);
        if (row.Einzelstamm) {
            QCOMPARE(r.Rinde.trimmed(), row.Rinde == QLatin1String("m") ? QString() : row.Rinde.trimmed());
            QCOMPARE(r.RindenAbzug, row.RindenAbzug);
            QCOMPARE(r.Zusatztext, row.Zusatztext);
        }
    }
    // The lot with a position and a place comes back as a storage row.
    QVERIFY(fixture.select(QStringLiteral("Zurueck")));
    fixture.timber.Lager_Oeffnen();
    bool found = false;
    for (int i = 0; i < fixture.timber.Lager.recordCount(); ++i) {
        const store::LagerRow lager = fixture.timber.Lager.at(i);
        if (lager.Los == 1) {
            found = true;
            QCOMPARE(lager.Lagerort, QStringLiteral("Waldweg Süd"));
            QCOMPARE(lager.GPS, QStringLiteral("48.123400, 11.567800"));
        }
    }
    QVERIFY(found);

    // The same file again: the name check refuses it, nothing is stored.
    ui.expectMessage(QStringLiteral("'Zurueck'"));
    QCOMPARE(int(driver.importFile(result.files.first()).outcome),
             int(importer::ImportDriver::Result::Outcome::Exists));
}

void TestOffice::eldatImportRefusals_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QByteArray head =
        R"({"document":{"meta":{"version":{"code":"1.0.2"}},"eldat":{"measurement_journal":{"other_address":[],"measurement_data":[{"measurement":{"single_log":[{"measuring_data":{"measuring_time":"2024-03-15T00:00:00Z","measurement_no":"1"},"single_log_data":[)";
    const QByteArray tail = "]}]}}]}}}}";
    const QByteArray log =
        R"({"wood_definition":{"quality":[{"qual_type":"b","qual_rat":100}],"grade":"st","use":"xy","species":"fi","amount":[{"amount_value":0.5,"amount_unit":"fmo"}]},"grade_diameter_one":30,"forest_mean_diameter":30,"top_diameter":0,"single_log_thickness_class":"d3a","real_length":5})";
    QTest::newRow("valid") << head + log + tail << QString();
    QTest::newRow("not JSON") << QByteArray("{\"document\": [") << "kein JSON-Dokument";
    QTest::newRow("too deep") << QByteArray("{\"document\":") + QByteArray(40, '[') << "verschachtelt";
    QTest::newRow("no journal")
        << QByteArray(R"({"document":{"meta":{"version":{"code":"1.0.2"}},"eldat":{"delivery_note":{}}}})")
        << "kein Messprotokoll";
    QTest::newRow("other release") << QByteArray(head).replace("1.0.2", "2.0.0") + log + tail << "Fassung";
    QTest::newRow("length as text") << head +
                                           QByteArray(log).replace("\"real_length\":5",
                                                                   "\"real_length\":\"5\"") +
                                           tail
                                    << "real_length“ ist keine Zahl";
    QTest::newRow("diameter out of range")
        << head + QByteArray(log).replace("\"forest_mean_diameter\":30", "\"forest_mean_diameter\":900") +
               tail
        << "außerhalb";
    QTest::newRow("unknown species") << head + QByteArray(log).replace("\"fi\"", "\"zz\"") + tail
                                     << "unbekannten Code „zz“";
    QTest::newRow("no line in the table")
        << head + QByteArray(log).replace("\"use\":\"xy\"", "\"use\":\"cb\"").replace("\"st\"", "\"hs\"") +
               tail
        << "Sorte „hs“";
    QTest::newRow("no volume") << head + QByteArray(log).replace("fmo", "lut") + tail << "keine Menge";
    QTest::newRow("lot 99")
        << QByteArray(head).replace(
               R"("measurement":{)",
               R"("wood_id":[{"wood_id_type":"los","wood_id_no":"99"}],"measurement":{)") +
               log + tail
        << "Losnummer";
    QTest::newRow("no records") << head + tail << "keine Stämme";
}

void TestOffice::eldatImportRefusals()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    ExportFixture fixture;
    const QString path = fixture.dir.write(QStringLiteral("Fremd.eldat"), content);
    testing::ScriptedUserInterface ui;
    ui.tolerateMessages();
    importer::ImportDriver driver(*fixture.holz, *fixture.master, fixture.settings, ui);
    const auto result = driver.importFile(path);
    fixture.timber.Listen_Oeffnen();
    if (message.isEmpty()) {
        QCOMPARE(int(result.outcome), int(importer::ImportDriver::Result::Outcome::Imported));
        QCOMPARE(result.records, 1);
        return;
    }
    QCOMPARE(int(result.outcome), int(importer::ImportDriver::Result::Outcome::Refused));
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    QCOMPARE(fixture.timber.Listen.recordCount(), 0);
}

void TestOffice::csvCells()
{
    QCOMPARE(CsvWriter::cell(QStringLiteral("Fichte")), QStringLiteral("Fichte"));
    QCOMPARE(CsvWriter::cell(QStringLiteral("a;b")), QStringLiteral("\"a;b\""));
    QCOMPARE(CsvWriter::cell(QStringLiteral("sagt \"ja\"")), QStringLiteral("\"sagt \"\"ja\"\"\""));
    // Nothing a spreadsheet would run as a formula; a grade "-" stays.
    QCOMPARE(CsvWriter::cell(QStringLiteral("=HYPERLINK(\"x\")")),
             QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\""));
    QCOMPARE(CsvWriter::cell(QStringLiteral("+1")), QStringLiteral("'+1"));
    QCOMPARE(CsvWriter::cell(QStringLiteral("-")), QStringLiteral("-"));
    QCOMPARE(CsvWriter::number(1234.5, 2), QStringLiteral("1234,50"));
    QCOMPARE(CsvWriter::number(-0.001, 2), QStringLiteral("0,00"));
}

void TestOffice::csvReadBack()
{
    ExportFixture fixture;
    QList<HolzRow> rows = ExportFixture::goldenRecords();
    rows.first().Zusatztext = QStringLiteral("=1+1; \"Käfer\"");
    fixture.addList(ExportFixture::goldenHeader(), rows, ExportFixture::goldenStorage());
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const auto result = exportList(fixture, ExportFormats::Csv, QStringLiteral("Probe.csv"));
    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));
    QCOMPARE(result.files.size(), 2);
    QVERIFY(result.files.at(1).endsWith(QStringLiteral("Probe_Sorten.csv")));

    const QJsonObject records = dump(QStringLiteral("csv"), result.files.at(0));
    QVERIFY(records[QStringLiteral("bom")].toBool());
    QVERIFY(records[QStringLiteral("crlf")].toBool());
    const QJsonArray lines = records[QStringLiteral("rows")].toArray();
    const QList<HolzRow> stored = storedRecords(fixture, QStringLiteral("Probe"));
    QCOMPARE(lines.size(), stored.size() + 1);
    QCOMPARE(lines.at(0).toArray().at(4).toString(), QStringLiteral("Art"));
    QCOMPARE(lines.at(0).toArray().at(16).toString(), QStringLiteral("Kubatur"));
    double volume = 0;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const HolzRow& row = stored.at(i);
        const QJsonArray cells = lines.at(i + 1).toArray();
        QCOMPARE(cells.size(), 20);
        QCOMPARE(cells.at(0).toString(), QStringLiteral("Probe"));
        QCOMPARE(cells.at(2).toString(), QString::number(row.Los));
        QCOMPARE(cells.at(5).toString(), row.Holzart);
        QCOMPARE(cells.at(9).toString(), germanNumber(row.Laenge, 2));
        QCOMPARE(cells.at(16).toString(), germanNumber(row.Kubatur, 2));
        const QString remark = cells.at(19).toString();
        QCOMPARE(remark, row.Zusatztext.startsWith(QLatin1Char('=')) ? QLatin1Char('\'') + row.Zusatztext
                                                                     : row.Zusatztext.trimmed());
        volume += row.Kubatur;
    }

    const QJsonArray summary =
        dump(QStringLiteral("csv"), result.files.at(1))[QStringLiteral("rows")].toArray();
    QCOMPARE(summary.at(0).toArray().at(4).toString(), QStringLiteral("Stück"));
    const QJsonArray total = summary.last().toArray();
    QCOMPARE(total.at(0).toString(), QStringLiteral("Gesamt"));
    QCOMPARE(total.at(5).toString(), germanNumber(volume, 2));
    // Every species' subtotal is the sum of its groups.
    double groups = 0, subtotals = 0;
    for (qsizetype i = 1; i + 1 < summary.size(); ++i) {
        const QJsonArray cells = summary.at(i).toArray();
        const double v = cells.at(5).toString().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        if (cells.at(0).toString().startsWith(QStringLiteral("Summe ")))
            subtotals += v;
        else
            groups += v;
    }
    QCOMPARE(QString::number(groups, 'f', 2), QString::number(volume, 'f', 2));
    QCOMPARE(QString::number(subtotals, 'f', 2), QString::number(volume, 'f', 2));
}

void TestOffice::xlsxReadBack()
{
    ExportFixture fixture;
    fixture.addList(ExportFixture::goldenHeader(), ExportFixture::goldenRecords(),
                    ExportFixture::goldenStorage());
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const auto result = exportList(fixture, ExportFormats::Xlsx, QStringLiteral("Probe.xlsx"), true);
    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));
    const QJsonArray sheets =
        dump(QStringLiteral("xlsx"), result.files.first())[QStringLiteral("sheets")].toArray();
    QVERIFY(!sheets.isEmpty());
    const QList<HolzRow> stored = storedRecords(fixture, QStringLiteral("Probe"));
    QSet<int> lots;
    for (const HolzRow& row : stored)
        lots.insert(row.Los);
    QCOMPARE(sheets.size(), 2 + lots.size());
    QCOMPARE(sheets.at(0)[QStringLiteral("name")].toString(), QStringLiteral("Datensätze"));
    QCOMPARE(sheets.at(1)[QStringLiteral("name")].toString(), QStringLiteral("Sortenzusammenstellung"));

    const QJsonObject cells = sheets.at(0)[QStringLiteral("cells")].toObject();
    auto cell = [&](const QJsonObject& sheet, int column, int row) {
        return sheet.value(XlsxWriter::columnName(column) + QString::number(row)).toObject();
    };
    // The list header on top, the table header frozen under it.
    QCOMPARE(cells[QStringLiteral("A1")][QStringLiteral("value")].toString(),
             QStringLiteral("Holzliste Probe"));
    QCOMPARE(cells[QStringLiteral("C3")][QStringLiteral("value")].toString(), QStringLiteral("2024-03-15"));
    QCOMPARE(cells[QStringLiteral("C3")][QStringLiteral("format")].toString(), QStringLiteral("dd.mm.yyyy"));
    int headerRow = 0;
    for (int r = 1; r < 30 && !headerRow; ++r)
        if (cell(cells, 0, r)[QStringLiteral("value")].toString() == QLatin1String("Los"))
            headerRow = r;
    QVERIFY(headerRow > 0);
    QCOMPARE(sheets.at(0)[QStringLiteral("freeze")].toString(), QStringLiteral("A%1").arg(headerRow + 1));

    double volume = 0, pieces = 0;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const HolzRow& row = stored.at(i);
        const int r = headerRow + 1 + int(i);
        QCOMPARE(cell(cells, 0, r)[QStringLiteral("value")].toInt(), row.Los);
        QCOMPARE(cell(cells, 3, r)[QStringLiteral("value")].toString(), row.Holzart);
        QCOMPARE(cell(cells, 7, r)[QStringLiteral("value")].toDouble(), row.Laenge);
        QCOMPARE(cell(cells, 14, r)[QStringLiteral("value")].toDouble(), row.Kubatur);
        QCOMPARE(cell(cells, 14, r)[QStringLiteral("format")].toString(), QStringLiteral("0.00"));
        volume += row.Kubatur;
        if (!row.Folgestamm)
            pieces += row.Stueck;
    }
    const int totalRow = headerRow + 1 + int(stored.size());
    const QJsonObject volumeTotal = cell(cells, 14, totalRow);
    QCOMPARE(volumeTotal[QStringLiteral("formula")].toString(),
             QStringLiteral("=SUM(O%1:O%2)").arg(headerRow + 1).arg(totalRow - 1));
    QCOMPARE(volumeTotal[QStringLiteral("value")].toDouble(), std::round(volume * 100) / 100);
    const QJsonObject piecesTotal = cell(cells, 12, totalRow);
    QVERIFY(piecesTotal[QStringLiteral("formula")].toString().startsWith(QStringLiteral("=SUMIFS(M")));
    QCOMPARE(piecesTotal[QStringLiteral("value")].toDouble(), pieces);

    // The summary: subtotals per species, a total over all groups.
    const QJsonObject summary = sheets.at(1)[QStringLiteral("cells")].toObject();
    double subtotals = 0;
    QJsonObject grand;
    for (auto it = summary.begin(); it != summary.end(); ++it) {
        const QString formula = it.value()[QStringLiteral("formula")].toString();
        if (!it.key().startsWith(QLatin1Char('F')) || formula.isEmpty())
            continue;
        const QString label =
            summary.value(QLatin1Char('A') + it.key().mid(1))[QStringLiteral("value")].toString();
        QVERIFY(formula.startsWith(QStringLiteral("=SUBTOTAL(9,F")));
        if (label == QLatin1String("Gesamt"))
            grand = it.value().toObject();
        else
            subtotals += it.value()[QStringLiteral("value")].toDouble();
    }
    QCOMPARE(QString::number(subtotals, 'f', 2), QString::number(volume, 'f', 2));
    QCOMPARE(grand[QStringLiteral("value")].toDouble(), std::round(volume * 100) / 100);

    // A sheet per lot holds that lot's records.
    const QJsonObject lot1 = sheets.at(2)[QStringLiteral("cells")].toObject();
    QCOMPARE(sheets.at(2)[QStringLiteral("name")].toString(), QStringLiteral("Los 1"));
    int lot1Records = 0;
    for (const HolzRow& row : stored)
        lot1Records += row.Los == 1;
    QCOMPARE(cell(lot1, 0, headerRow + lot1Records)[QStringLiteral("value")].toInt(), 1);
    QCOMPARE(cell(lot1, 0, headerRow + lot1Records + 1)[QStringLiteral("value")].toString(),
             QStringLiteral("Summe"));
}

void TestOffice::columnNames()
{
    QCOMPARE(XlsxWriter::columnName(0), QStringLiteral("A"));
    QCOMPARE(XlsxWriter::columnName(25), QStringLiteral("Z"));
    QCOMPARE(XlsxWriter::columnName(26), QStringLiteral("AA"));
    QCOMPARE(XlsxWriter::columnName(701), QStringLiteral("ZZ"));
    QCOMPARE(XlsxWriter::columnName(702), QStringLiteral("AAA"));
}

void TestOffice::recordColumns()
{
    HolzRow stack;
    stack.Sorte = QStringLiteral("S ");
    stack.Stamm = QStringLiteral("0,7");
    stack.Laenge = 10;
    stack.Durchm = 2;
    stack.Hoehe = 1.5;
    stack.Kubatur = 21;
    const auto values = RecordColumns::values(stack);
    QCOMPARE(values.size(), RecordColumns::columns().size());
    QCOMPARE(std::get<QString>(values.at(RecordColumns::Art)), QStringLiteral("Schichtholz"));
    QCOMPARE(std::get<RecordColumns::Number>(values.at(13)).value, 0.7); // factor with a decimal comma
    QCOMPARE(std::get<RecordColumns::Number>(values.at(9)).value, 1.5);  // height, stacks only
    QCOMPARE(std::get<QString>(values.at(15)), QStringLiteral("fm"));
    stack.Stamm = QStringLiteral("1");
    QCOMPARE(std::get<QString>(RecordColumns::values(stack).at(15)), QStringLiteral("Rm"));
    // A factor that is no number is shown as typed, not lost or made up.
    stack.Stamm = QStringLiteral("x");
    QCOMPARE(std::get<QString>(RecordColumns::values(stack).at(13)), QStringLiteral("x"));

    HolzRow log = ExportFixture::log(1, 7, "Fichte", "B ", "2b", 4, 27, "a", 2, 0.23);
    log.Folgestamm = true;
    QCOMPARE(RecordColumns::kind(log), QStringLiteral("Folgestamm"));
    QCOMPARE(RecordColumns::countedPieces(log), 0.0);
    QVERIFY(std::holds_alternative<std::monostate>(RecordColumns::values(log).at(9))); // no height
}

void TestOffice::assortmentTotals()
{
    store::HolzartRow fichte, buche;
    fichte.Holzart = QStringLiteral("Fichte");
    buche.Holzart = QStringLiteral("Buche");
    AssortmentTotals totals({fichte, buche});
    auto row = [](const char* holzart, const char* sorte, const char* staerke, const char* guete,
                  double stueck, double kubatur, bool folge = false) {
        HolzRow r;
        r.Holzart = QString::fromUtf8(holzart);
        r.Sorte = QString::fromUtf8(sorte);
        r.Staerke = QString::fromUtf8(staerke);
        r.Guete = QString::fromUtf8(guete);
        r.Stueck = stueck;
        r.Kubatur = kubatur;
        r.Folgestamm = folge;
        return r;
    };
    totals.add(row("Zirbe", "L ", "2a", "B ", 1, 0.5)); // the region does not know it
    totals.add(row("Buche", "L ", "3a", "C ", 1, 1.25));
    totals.add(row("Buche", "L", "3a", "C", 1, 0.75, true)); // follow-on piece, codes without blank
    totals.add(row("Fichte", "IL", "2b", "B ", 12, 3.0));
    totals.add(row("Fichte", "S ", "-", "-", 1, 10.0));
    const auto species = totals.species();
    QCOMPARE(species.size(), 3);
    QCOMPARE(species.at(0).name, QStringLiteral("Fichte")); // region order first
    QCOMPARE(species.at(1).name, QStringLiteral("Buche"));
    QCOMPARE(species.at(2).name, QStringLiteral("Zirbe"));
    QCOMPARE(species.at(1).groups.size(), 1);
    QCOMPARE(species.at(1).groups.first().pieces, 1.0);
    QCOMPARE(species.at(1).volume, 2.0);
    QCOMPARE(species.at(0).pieces, 13.0);
    QCOMPARE(totals.pieces(), 15.0);
    QCOMPARE(totals.volume(), 15.5);
}

void TestOffice::eldatImportNamesWhatTheListCannotHold()
{
    ExportFixture fixture;
    QFile seed(QStringLiteral("%1/fuzz/corpus/eldat/pile-photo-address.eldat")
                   .arg(qEnvironmentVariable("STEMMO_SOURCE_DIR")));
    QVERIFY(seed.open(QIODevice::ReadOnly));
    const QString path =
        fixture.dir.write(QStringLiteral("Polter.eldat"),
                          seed.readAll().replace("\"species\": \"bu\"", "\"species\": \"zki\""));
    testing::ScriptedUserInterface ui;
    ui.expectMessage(QStringLiteral("Folgende Holzarten sind in dieser Region nicht eingetragen\r\nzki"));
    ui.expectMessage(QStringLiteral("Fotos und Dateien"));
    importer::ImportDriver driver(*fixture.holz, *fixture.master, fixture.settings, ui);
    const auto result = driver.importFile(path);
    QVERIFY(ui.done());
    QCOMPARE(int(result.outcome), int(importer::ImportDriver::Result::Outcome::Imported));
    const QString losses = result.losses.join(QLatin1Char('\n'));
    QVERIFY(losses.contains(QStringLiteral("Weitere Anschriften")));
    QVERIFY(losses.contains(QStringLiteral("Länge und Höhe der Schichtholzstapel")));
    QCOMPARE(result.missingSpecies, QStringList{QStringLiteral("zki")});

    // The pile: its factor and volumes, its position as the lot's storage row.
    HolzRow pile;
    for (const HolzRow& row : storedRecords(fixture, QStringLiteral("Polter")))
        if (row.Holzart == QLatin1String("zki"))
            pile = row;
    QVERIFY(pile.isStackedWood());
    QCOMPARE(pile.Stamm, QStringLiteral("0,7"));
    QCOMPARE(pile.Kubatur, 21.0);
    QCOMPARE(pile.Laenge * pile.Durchm * pile.Hoehe, 30.0); // the stacked volume stays
    QVERIFY(fixture.select(QStringLiteral("Polter")));
    fixture.timber.Lager_Oeffnen();
    QCOMPARE(fixture.timber.Lager.recordCount(), 1);
    QCOMPARE(fixture.timber.Lager.at(0).GPS, QStringLiteral("48.123400, 11.567800"));

    // The list's name is the file's, checked like that of every import.
    seed.seek(0);
    const QString tooLong =
        fixture.dir.write(QString(60, QLatin1Char('L')) + QStringLiteral(".eldat"), seed.readAll());
    testing::ScriptedUserInterface quiet;
    quiet.tolerateMessages();
    const auto refused =
        importer::ImportDriver(*fixture.holz, *fixture.master, fixture.settings, quiet).importFile(tooLong);
    QCOMPARE(int(refused.outcome), int(importer::ImportDriver::Result::Outcome::Refused));
    QVERIFY2(refused.message.contains(QStringLiteral("60 Zeichen lang")), qPrintable(refused.message));
    QVERIFY(!fixture.select(QString(60, QLatin1Char('L'))));
}

QTEST_GUILESS_MAIN(TestOffice)
#include "tst_office.moc"
