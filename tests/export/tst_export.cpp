// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportFixture.h"

#include "cli/Commands.h"
#include "cli/ListGenerator.h"
#include "export/Eg10Writer.h"
#include "export/ExportDriver.h"
#include "export/ExportError.h"
#include "export/ExportJob.h"
#include "export/Fields.h"
#include "export/LatschbacherWriter.h"
#include "export/LineSink.h"
#include "export/RundholzWriter.h"
#include "export/TransferWriter.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "tests/support/ScriptedUserInterface.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace exporter;
using platform::Answer;
using store::HolzRow;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Compares a written file with its golden file byte for byte and names the
// first line that differs.
void compareWithGolden(const QString& actualPath, const QString& goldenName)
{
    const QByteArray actual = readFile(actualPath);
    const QByteArray expected =
        readFile(testing::TestFolder::fixture(QStringLiteral("export/") + goldenName));
    QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("golden file missing: ") + goldenName));
    QVERIFY2(!actual.isEmpty(), qPrintable(QStringLiteral("nothing written: ") + actualPath));
    if (actual == expected)
        return;
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray got = a.value(i), want = e.value(i);
        if (got != want)
            QFAIL(qPrintable(QStringLiteral("%1 line %2\n   got: %3\n  want: %4")
                                 .arg(goldenName)
                                 .arg(i + 1)
                                 .arg(QString::fromLatin1(got), QString::fromLatin1(want))));
    }
}

// The number of the ExportError that `action` throws; 0 when it throws none.
template <class Action> int errorNumber(Action&& action)
{
    try {
        action();
    } catch (const ExportError& error) {
        return error.number();
    }
    return 0;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The lines one writer produces for rows, without the database.
QStringList writeLines(const ExportWriter& writer, int format, const QList<HolzRow>& rows,
                       const store::ListenRow& list = ExportFixture::goldenHeader())
{
    HolzartCodes species({}, format, format == 6, {});
    ExportJob job(list, QStringLiteral("Probe"), species);
    job.setRecords(rows);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    LineSink sink(buffer, false);
    writer.write(job, sink);
    sink.finish();
    QStringList lines = QString::fromLatin1(buffer.data()).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

HolzRow logRow(double laenge = 4.0, double durchm = 30, double kubatur = 0.28)
{
    return ExportFixture::log(1, 7, "Fichte", "B ", "2b", laenge, durchm, "a", 2, kubatur);
}

HolzRow stackRow(double laenge, const char* sorte = "S ")
{
    HolzRow row = logRow(laenge, 2, 15.0);
    row.Einzelstamm = false;
    row.Nummer = 0;
    row.Sorte = QString::fromLatin1(sorte);
    row.Hoehe = 1.5;
    return row;
}

// A fake ABIES converter that notes the folder it was started in.
QString installConverter(const testing::TestFolder& dir)
{
    const QString folder = dir.file(QStringLiteral("programm"));
    const QString program =
        dir.write(QStringLiteral("programm/abies/Eg20fis"), "#!/bin/sh\npwd > started.txt\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void padding_data();
    void padding();
    void numbers_data();
    void numbers();
    void recordFields();
    void useCodes_data();
    void useCodes();
    void speciesCodes();
    void encoding();
    void bareHeader();
    void goldenFiles_data();
    void goldenFiles();
    void overflowEndsExport_data();
    void overflowEndsExport();
    void partsLeftBlank();
    void lossReport();
    void recordKinds_data();
    void recordKinds();
    void exportDialog();
    void formatFromOptionsWindow();
    void exportRefusals();
    void abiesConverter();
    void stampAndOverwrite();
    void orderAndProgress();
    void manyRecords();
    void writeFailure();
    void commandLine();
    void readmeShowsWhatFormatsCarry();
};

void TestExport::padding_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("P in 3") << 3 << QStringLiteral("P") << QStringLiteral("P  ") << QStringLiteral("  P");
    QTest::newRow("0 in 7") << 7 << QStringLiteral("0") << QStringLiteral("0      ")
                            << QStringLiteral("      0");
    QTest::newRow("null is a blank") << 4 << QString() << QStringLiteral("    ") << QStringLiteral("    ");
    QTest::newRow("empty") << 2 << QStringLiteral("") << QStringLiteral("  ") << QStringLiteral("  ");
    QTest::newRow("exact fit") << 3 << QStringLiteral("abc") << QStringLiteral("abc")
                               << QStringLiteral("abc");
    QTest::newRow("one too wide") << 3 << QStringLiteral("abcd") << QString() << QString();
    QTest::newRow("null in no room") << 0 << QString() << QString() << QString();
}

void TestExport::padding()
{
    QFETCH(int, width);
    QFETCH(QString, value);
    QFETCH(QString, left);
    QFETCH(QString, right);
    if (left.isNull()) {
        QCOMPARE(errorNumber([&] { fields::Links_Buendig(width, value); }), ExportError::Overflow);
        QCOMPARE(errorNumber([&] { fields::Rechts_Buendig(width, value); }), ExportError::Overflow);
        return;
    }
    QCOMPARE(fields::Links_Buendig(width, value), left);
    QCOMPARE(fields::Rechts_Buendig(width, value), right);
}

void TestExport::numbers_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    using namespace fields;
    QTest::newRow("half up on the decimal text") << fixed(4.25, 1) << QStringLiteral("4.3");
    QTest::newRow("4.35 stored below the half") << fixed(4.35, 1) << QStringLiteral("4.4");
    QTest::newRow("widened float") << fixed(double(0.285f), 2) << QStringLiteral("0.29");
    QTest::newRow("carry") << fixed(9.95, 1) << QStringLiteral("10.0");
    QTest::newRow("no minus zero") << fixed(-0.004, 2) << QStringLiteral("0.00");
    QTest::newRow("three places") << fixed(0.7, 3) << QStringLiteral("0.700");
    QTest::newRow("whole") << fixed(1234.5, 0) << QStringLiteral("1235");
    QTest::newRow("volume below 1000") << volume(999.994) << QStringLiteral("999.99");
    QTest::newRow("volume from 1000 ungrouped") << volume(1234.56) << QStringLiteral("1234.6");
    QTest::newRow("plain whole") << plain(1500) << QStringLiteral("1500");
    QTest::newRow("plain decimal") << plain(double(1.53f)) << QStringLiteral("1.53");
    QTest::newRow("German price") << fixedGerman(199.5 / 2.66, 2) << QStringLiteral("75,00");
    QTest::newRow("factor with comma")
        << fixed(number(QStringLiteral("Faktor"), QStringLiteral("0,7")), 3) << QStringLiteral("0.700");
    QTest::newRow("date") << listDate(ExportFixture::goldenHeader()) << QStringLiteral("15.03.2024");
    QTest::newRow("no date") << listDate(store::ListenRow()) << QString();
}

void TestExport::numbers()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestExport::recordFields()
{
    using namespace fields;
    HolzRow row = logRow();
    row.Nummer = 12;
    row.Folgestamm = true;
    QCOMPARE(Stammnummer(row), QStringLiteral("F    12"));
    row.Klammerstamm = true; // a bracketed log that follows another is marked as bracketed
    QCOMPARE(Stammnummer(row), QStringLiteral("L    12"));
    row.Klammerstamm = row.Folgestamm = false;
    QCOMPARE(Stammnummer(row), QStringLiteral("     12"));
    QCOMPARE(Stueckfeld(row), QStringLiteral("1"));

    HolzRow stack = stackRow(8);
    stack.Staerke = QStringLiteral("2 b.");
    QCOMPARE(Stammnummer(stack), QStringLiteral("      0"));
    QCOMPARE(Staerkefeld(stack), QStringLiteral("2b"));
    QCOMPARE(Staerkefeld(stack, true), QString());
    stack.Stamm = QStringLiteral("0");
    QCOMPARE(errorNumber([&] { volumeBeforeFactor(stack); }), ExportError::DivisionByZero);
    stack.Stamm = QStringLiteral("Mantl");
    QCOMPARE(errorNumber([&] { volumeBeforeFactor(stack); }), ExportError::TypeMismatch);

    QCOMPARE(transferUseCode(QStringLiteral("83")), QStringLiteral("JD")); // no felling type 8
    QCOMPARE(transferUseCode(QStringLiteral("2.3")), QString());
    QCOMPARE(transferUseCode(QString()), QString());
    store::ListenRow list;
    row.Nutzung = QStringLiteral("00"); // "no use" is still a use code
    QCOMPARE(locationBlock(list, row), QStringLiteral("            ****"));
}

void TestExport::useCodes_data()
{
    QTest::addColumn<QString>("nutzung");
    QTest::addColumn<QString>("code");
    QTest::newRow("use 3, felling 2") << QStringLiteral("23") << QStringLiteral("JDSS");
    QTest::newRow("nothing chosen") << QStringLiteral("00") << QStringLiteral("XXXX");
    QTest::newRow("empty") << QString() << QStringLiteral("XXXX");
    QTest::newRow("point") << QStringLiteral("2.") << QStringLiteral("XXXX");
    // A felling type alone keeps its columns 3-4, where it is read back.
    QTest::newRow("felling type only") << QStringLiteral("20") << QStringLiteral("  SS");
    QTest::newRow("unknown use type") << QStringLiteral("05") << QStringLiteral("XX  ");
    QTest::newRow("hex digit without row") << QStringLiteral("A1") << QStringLiteral("SoXX");
    QTest::newRow("one character") << QStringLiteral("3") << QStringLiteral("XXSt");
}

void TestExport::useCodes()
{
    QFETCH(QString, nutzung);
    QFETCH(QString, code);
    ExportFixture fixture;
    const store::MasterData master(*fixture.master);
    QCOMPARE(UseCodes(master.nutzungsarten(), master.einschlagtypen()).eg10Code(nutzung), code);
}

void TestExport::speciesCodes()
{
    QCOMPARE(
        (QList<int>{HolzartCodes::codeColumn(1), HolzartCodes::codeColumn(2), HolzartCodes::codeColumn(3),
                    HolzartCodes::codeColumn(4), HolzartCodes::codeColumn(5), HolzartCodes::codeColumn(6),
                    HolzartCodes::codeColumn(7)}),
        (QList<int>{1, 2, 3, 3, 2, 2, 2}));

    ExportFixture fixture;
    const auto region = store::MasterData(*fixture.master).species(8);
    QStringList messages;
    auto note = [&](const QString& text) { messages << text; };

    HolzartCodes eg10(region, 6, true, note);
    // One message per run of a species the region does not know.
    for (const char* name : {"Lärche", "Lärche", "Fichte", "Lärche"})
        QCOMPARE(eg10.Holzartcode(QString::fromUtf8(name)),
                 QString::fromUtf8(name) == QStringLiteral("Fichte") ? QStringLiteral("FI N")
                                                                     : QStringLiteral("Lä"));
    QCOMPARE(messages,
             QStringList(
                 2, QStringLiteral("Holzart 'Lärche' in dieser Region nicht eingetragen, wird mit dem Kürzel "
                                   "'Lä' übernommen")));

    messages.clear();
    HolzartCodes empty({}, 2, false, note);
    for (const char* name : {"Fichte", "Fichte", "Fichte", "Buche"})
        empty.Holzartcode(QString::fromUtf8(name));
    QCOMPARE(messages,
             (QStringList{QStringLiteral("Keine Holzart in dieser Region eingetragen, Stamm wird mit dem "
                                         "Kürzel 'Fi' übernommen"),
                          QStringLiteral("Keine Holzart in dieser Region eingetragen, Stamm wird mit dem "
                                         "Kürzel 'Bu' übernommen")}));
}

void TestExport::encoding()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    LineSink handheld(buffer, true);
    handheld.Zeile_Schreiben(QStringLiteral("äöüÄÖÜß€"));
    handheld.finish();
    QCOMPARE(buffer.data(), QByteArray("\x84\x94\x81\x8E\x99\x9A\xDF\x80\r\n"));

    QBuffer ansi;
    ansi.open(QIODevice::WriteOnly);
    LineSink sink(ansi, false);
    sink.Zeile_Schreiben(QStringLiteral("äöüÄÖÜß"));
    sink.Zeile_Schreiben(QStringLiteral("ł"));
    sink.finish();
    QCOMPARE(ansi.data(), QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\r\n?\r\n"));
    QVERIFY(!sink.lossless());
}

void TestExport::bareHeader()
{
    // A list with nothing but its name: only the lines every file must have.
    store::ListenRow bare;
    bare.Liste = QStringLiteral("Leer");
    HolzRow row = logRow();
    row.Nutzung = QString();

    const QStringList habsys = writeLines(TransferWriter(TransferWriter::Variant::Habsys), 1, {row}, bare);
    QCOMPARE(habsys.mid(0, 4),
             (QStringList{QStringLiteral("Type: VDE_Habsys"), QStringLiteral("0A   Probe"),
                          QStringLiteral("0B   "), QStringLiteral("0C   ")}));
    QCOMPARE(habsys.size(), 5);
    QCOMPARE(habsys.last().mid(90, 16),
             QString(16, QLatin1Char(' '))); // no location without Abteilung or use

    const QStringList eg10 = writeLines(Eg10Writer(), 6, {row}, bare);
    QCOMPARE(eg10.size(), 5);
    QCOMPARE(eg10.mid(0, 3),
             (QStringList{QStringLiteral("0A  Probe"), QStringLiteral("0d  "), QStringLiteral("0!   ")}));
    QVERIFY(eg10.at(3).endsWith(QStringLiteral("XXXXXXXXXXXXX")));
    QCOMPARE(eg10.last(), QStringLiteral("0E   "));

    const QStringList abies = writeLines(RundholzWriter(RundholzWriter::Variant::Abies), 4, {row}, bare);
    QCOMPARE(abies.mid(0, 5),
             (QStringList{QStringLiteral("ADProbe   .DAT 10459ABIES Rundholz V1.09"),
                          QStringLiteral("0AProbe") + QString(13 + 2 + 5, QLatin1Char(' ')),
                          QStringLiteral("0C"), QStringLiteral("0D"), QStringLiteral("1F")}));

    // One-letter fields keep their column when empty: no sub-compartment, no use.
    store::ListenRow stand = bare;
    stand.Abteilung = QStringLiteral("7");
    stand.Bestand = QStringLiteral("b");
    HolzRow pieces = stackRow(0, "P ");
    pieces.Nutzung = QString();
    pieces.Zusatztext = QStringLiteral("Rest");
    const QStringList located =
        writeLines(RundholzWriter(RundholzWriter::Variant::Abies), 4, {pieces}, stand);
    QCOMPARE(located.at(located.size() - 2), QStringLiteral("1F7   b  "));
    QVERIFY2(located.last().endsWith(QStringLiteral("  15.00  Rest") + QString(26, QLatin1Char(' '))),
             qPrintable(located.last()));

    const QStringList text = writeLines(LatschbacherWriter(), 2, {row}, bare);
    QCOMPARE(text, (QStringList{QStringLiteral("A  Probe"), QStringLiteral("t  "), QStringLiteral("d  "),
                                QStringLiteral("!  "), QStringLiteral("F1 ") + QString(14, QLatin1Char(' ')),
                                QStringLiteral("R1      7Fi  L  B  4.0 30a 2.00c2b   0.28   0.00"),
                                QStringLiteral("E   ")}));
}

void TestExport::goldenFiles_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("written"); // file names, in writing order
    QTest::addColumn<QStringList>("golden");
    QTest::addColumn<bool>("bigPieceRow");
    QTest::addColumn<int>("speciesMessages");
    // What the format cannot carry of the list: its long remark always, the
    // assortments' piece counts in the Latschbacher text file.
    QTest::addColumn<QString>("remarkCut");
    QTest::addColumn<int>("losses");
    QTest::newRow("Habsys") << 1 << QStringLiteral("Probe.tx1") << QStringList{QStringLiteral("Probe.tx1")}
                            << QStringList{QStringLiteral("habsys.tx1")} << true << 1 << QStringLiteral("40")
                            << 1;
    QTest::newRow("Latschbacher") << 2 << QStringLiteral("Probe.tx1")
                                  << QStringList{QStringLiteral("Probe.txt"), QStringLiteral("Probe.tx1")}
                                  << QStringList{QStringLiteral("latschbacher.txt"),
                                                 QStringLiteral("latschbacher.tx1")}
                                  << true << 2 << QStringLiteral("50") << 3;
    // The stem takes the .dat whatever the user typed.
    QTest::newRow("ProForst") << 3 << QStringLiteral("Probe.txt") << QStringList{QStringLiteral("Probe.dat")}
                              << QStringList{QStringLiteral("proforst.dat")} << false << 1
                              << QStringLiteral("37") << 1;
    QTest::newRow("ABIES") << 4 << QStringLiteral("Probe.mde") << QStringList{QStringLiteral("EG20.dat")}
                           << QStringList{QStringLiteral("abies-EG20.dat")} << false << 1
                           << QStringLiteral("30") << 1;
    QTest::newRow("DekaData") << 5 << QStringLiteral("Probe.tx1") << QStringList{QStringLiteral("Probe.tx1")}
                              << QStringList{QStringLiteral("dekadata.tx1")} << true << 1
                              << QStringLiteral("50") << 1;
    QTest::newRow("EG10") << 6 << QStringLiteral("Probe.dat") << QStringList{QStringLiteral("Probe.dat")}
                          << QStringList{QStringLiteral("eg10.dat")} << true << 1 << QStringLiteral("40")
                          << 1;
    QTest::newRow("Timbernet") << 7 << QStringLiteral("Probe.tx1") << QStringList{QStringLiteral("Probe.tx1")}
                               << QStringList{QStringLiteral("timbernet.tx1")} << true << 1
                               << QStringLiteral("50") << 1;
}

void TestExport::goldenFiles()
{
    QFETCH(int, format);
    QFETCH(QString, chosen);
    QFETCH(QStringList, written);
    QFETCH(QStringList, golden);
    QFETCH(bool, bigPieceRow);
    QFETCH(int, speciesMessages);
    QFETCH(QString, remarkCut);
    QFETCH(int, losses);

    ExportFixture fixture;
    fixture.addList(ExportFixture::goldenHeader(), ExportFixture::goldenRecords(bigPieceRow),
                    ExportFixture::goldenStorage());
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const QString folder = fixture.dir.file(QStringLiteral("aus"));
    QDir().mkpath(folder);

    testing::ScriptedUserInterface ui;
    for (int i = 0; i < speciesMessages; ++i)
        ui.expectMessage(
            QStringLiteral("Holzart 'Lärche' in dieser Region nicht eingetragen, wird mit dem Kürzel "
                           "'Lä' übernommen"));
    ui.expectMessage(QStringLiteral("wird auf %1 Zeichen gekürzt").arg(remarkCut), platform::Answer::Yes);
    ui.expectMessage(QStringLiteral("Liste %1 angelegt").arg(chosen));
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    driver.setProgramFolder(installConverter(fixture.dir));
    const auto result = driver.Konvertieren(fixture.timber, QDir(folder).filePath(chosen), format);

    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Written));
    QVERIFY(ui.done());
    QCOMPARE(result.lossCount, qint64(losses));
    QCOMPARE(ui.shown().last().message.title, QStringLiteral("Konvertierung mit Verlusten"));
    QStringList expectedPaths;
    for (const QString& name : written)
        expectedPaths << QDir(folder).filePath(name);
    QCOMPARE(result.files, expectedPaths);
    for (qsizetype i = 0; i < written.size(); ++i) {
        compareWithGolden(expectedPaths.at(i), golden.at(i));
        if (QTest::currentTestFailed())
            return;
    }
    if (format == 4)
        QVERIFY(QTest::qWaitFor(
            [&] { return QFile::exists(QDir(folder).filePath(QStringLiteral("started.txt"))); }));
    QCOMPARE(fixture.listRow(QStringLiteral("Probe")).Konvertiert, QDate::currentDate());
    QVERIFY(!fixture.timber.Holz.isOpen());
    QVERIFY(!ui.progressVisible());
}

void TestExport::overflowEndsExport_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("target");
    QTest::addColumn<HolzRow>("row");
    QTest::addColumn<QString>("detail");
    QTest::newRow("handheld: 100 m log") << 6 << QStringLiteral("Liste.dat") << QStringLiteral("Liste.dat")
                                         << logRow(100) << QStringLiteral("„100.0“ passt nicht in 4 Zeichen");
    HolzRow lot100 = logRow();
    lot100.Los = 100;
    QTest::newRow("handheld: lot 100") << 6 << QStringLiteral("Liste.dat") << QStringLiteral("Liste.dat")
                                       << lot100 << QStringLiteral("„100“ passt nicht in 2 Zeichen");
    QTest::newRow("Latschbacher: 12 m stack")
        << 2 << QStringLiteral("Liste.tx1") << QStringLiteral("Liste.txt") << stackRow(12)
        << QStringLiteral("„12.0“ passt nicht in 3 Zeichen");
    HolzRow pieces = stackRow(0, "P ");
    pieces.Stueck = 1500;
    QTest::newRow("ProForst: 1500 pieces") << 3 << QStringLiteral("Liste.dat") << QStringLiteral("Liste.dat")
                                           << pieces << QStringLiteral("„1500“ passt nicht in 3 Zeichen");
    HolzRow price = logRow();
    price.Preisart = QStringLiteral("€");
    price.Preisfaktor = QStringLiteral("12,00");
    price.Kubatur = 0;
    QTest::newRow("Habsys: total price of no volume")
        << 1 << QStringLiteral("Liste.tx1") << QStringLiteral("Liste.tx1") << price
        << QStringLiteral("Division durch Null");
}

void TestExport::overflowEndsExport()
{
    QFETCH(int, format);
    QFETCH(QString, chosen);
    QFETCH(QString, target);
    QFETCH(HolzRow, row);
    QFETCH(QString, detail);

    ExportFixture fixture;
    store::ListenRow header = ExportFixture::goldenHeader();
    header.Liste = QStringLiteral("Liste");
    fixture.addList(header, {logRow(), logRow(), row, logRow()});
    QVERIFY(fixture.select(QStringLiteral("Liste")));
    const QString old = fixture.dir.write(QStringLiteral("aus/") + target, "vorige Fassung\r\n");
    const QStringList before = filesIn(QFileInfo(old).absolutePath());

    testing::ScriptedUserInterface ui;
    ui.tolerateMessages();
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    const auto result =
        driver.Konvertieren(fixture.timber, fixture.dir.file(QStringLiteral("aus/") + chosen), format);

    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Failed));
    QVERIFY2(result.errorText().startsWith(QStringLiteral("Fehler beim Liste konvertieren FehlerNr :")),
             qPrintable(result.errorText()));
    QVERIFY2(result.errorText().contains(QStringLiteral("Datensatz 3, Los ")),
             qPrintable(result.errorText()));
    QVERIFY2(result.errorText().contains(detail), qPrintable(result.errorText()));
    // The previous file is untouched and nothing half-written is left beside it.
    QCOMPARE(readFile(old), QByteArray("vorige Fassung\r\n"));
    QCOMPARE(filesIn(QFileInfo(old).absolutePath()), before);
    QVERIFY(!fixture.listRow(QStringLiteral("Liste")).Konvertiert.isValid());
    QVERIFY(!ui.messageTexts().join(QLatin1Char('\n')).contains(QStringLiteral("angelegt")));
}

void TestExport::partsLeftBlank()
{
    // A part of the stack and piece blocks of the handheld file or of a log
    // volume block that does not fit stays blank; the export goes on and
    // every later column stays where a reader looks for it.
    const Eg10Writer eg10;
    const QStringList stacks = writeLines(eg10, 6, {stackRow(9.5), stackRow(12)});
    const QString fits = stacks.at(stacks.size() - 3);
    const QString longStack = stacks.at(stacks.size() - 2);
    QCOMPARE(fits.mid(18, 15), QStringLiteral(" 15.09.5 1.002b"));
    QCOMPARE(longStack.mid(18, 15), QStringLiteral(" 15.0    1.002b"));
    QCOMPARE(longStack.mid(33), fits.mid(33));

    HolzRow noPieces = stackRow(0, "P ");
    noPieces.Stueck = 0;
    noPieces.Staerke = QStringLiteral("1a");
    const QStringList pieceLines = writeLines(eg10, 6, {noPieces});
    QCOMPARE(pieceLines.at(pieceLines.size() - 2).mid(18, 12), QStringLiteral("   0     1a "));

    const TransferWriter habsys(TransferWriter::Variant::Habsys);
    const QStringList logs = writeLines(habsys, 1, {logRow(4, 1000, 0.28), logRow(4, 30, 12345.6)});
    QCOMPARE(logs.at(logs.size() - 2).mid(37, 15), QStringLiteral("    2.00c  0.28"));
    QCOMPARE(logs.at(logs.size() - 1).mid(37, 15), QStringLiteral(" 30 2.00c      "));
    QCOMPARE(logs.at(logs.size() - 1).size(), logs.at(logs.size() - 2).size());
}

// Before anything is in place the user hears what the format cannot carry;
// declined, nothing is written and the list stays unconverted.
void TestExport::lossReport()
{
    ExportFixture fixture;
    store::ListenRow header = ExportFixture::goldenHeader();
    header.Name = QStringLiteral("Dřevo s.r.o.");
    HolzRow bark = logRow(4, 30, 0.28);
    bark.RindenAbzug = 12;
    HolzRow assortment = logRow(5, 24, 2.04);
    assortment.Einzelstamm = false;
    assortment.Nummer = 0;
    assortment.Stueck = 12;
    fixture.addList(header, {logRow(), bark, assortment});
    QVERIFY(fixture.select(header.Liste));
    const QString file = fixture.dir.file(QStringLiteral("Probe.dat"));
    ExportDriver::Result result;
    {
        testing::ScriptedUserInterface ui;
        ui.expectMessage(QStringLiteral("kann nicht alles aufnehmen"), platform::Answer::No);
        ui.expectMessage(QStringLiteral("Keine Liste konvertiert"));
        result = ExportDriver(*fixture.master, fixture.settings, ui).Konvertieren(fixture.timber, file, 6);
        QVERIFY(ui.done());
        const QString question = ui.shown().first().message.text;
        QVERIFY2(question.contains(QStringLiteral("- Kopfdaten, Name: Zeichen „ř“ gibt es im Zeichensatz der "
                                                  "Datei nicht, geschrieben als „?“")),
                 qPrintable(question));
        QVERIFY2(question.contains(QStringLiteral("- Datensatz 2, Los 1, Nummer 7: Rindenabzug „12.00“ "
                                                  "passt nicht in 4 Zeichen, bleibt leer")),
                 qPrintable(question));
        // The handheld file has a field for an assortment's pieces.
        QVERIFY(!question.contains(QStringLiteral("Stückzahl")));
    }
    QCOMPARE(int(result.outcome), int(ExportDriver::Outcome::Cancelled));
    QVERIFY(!QFile::exists(file));
    QVERIFY(!fixture.listRow(header.Liste).Konvertiert.isValid());

    testing::ScriptedUserInterface ui;
    ui.expectMessage(QStringLiteral("kann nicht alles aufnehmen"), platform::Answer::Yes);
    ui.expectMessage(QStringLiteral("Liste Probe.dat angelegt; 2 Werte"));
    result = ExportDriver(*fixture.master, fixture.settings, ui).Konvertieren(fixture.timber, file, 6);
    QVERIFY(ui.done());
    QCOMPARE(result.lossCount, qint64(2));
    QCOMPARE(fixture.listRow(header.Liste).Konvertiert, QDate::currentDate());
    const QList<QByteArray> lines = readFile(file).split('\n');
    QVERIFY(lines.contains("0t  D?evo s.r.o.\r"));
    QList<QByteArray> records;
    for (const QByteArray& line : lines)
        if (line.startsWith("0R") || line.startsWith("0M"))
            records << line;
    QCOMPARE(records.size(), 3);
    // The deduction's column stays blank; nothing after it moves.
    QCOMPARE(records.at(1).mid(25, 9), QByteArray("a     c2b"));
    QCOMPARE(records.at(1).size(), records.at(0).size());
    QVERIFY(records.at(2).startsWith("0M 1    12"));
}

void TestExport::recordKinds_data()
{
    QTest::addColumn<QString>("sorte");
    QTest::addColumn<QString>("brd");
    QTest::addColumn<QString>("abies");
    QTest::newRow("pieces") << QStringLiteral("P ") << QStringLiteral("1M") << QStringLiteral("1M");
    QTest::newRow("stacked wood") << QStringLiteral("S ") << QStringLiteral("1K") << QStringLiteral("1K");
    QTest::newRow("industrial stack") << QStringLiteral("IS") << QStringLiteral("1L") << QStringLiteral("1K");
    QTest::newRow("length class") << QStringLiteral("H ") << QStringLiteral("1G") << QStringLiteral("1G");
    QTest::newRow("L2") << QStringLiteral("L2") << QStringLiteral("1I") << QStringLiteral("1I");
    QTest::newRow("L3") << QStringLiteral("L3") << QStringLiteral("1J") << QStringLiteral("1J");
    QTest::newRow("log") << QStringLiteral("L ") << QStringLiteral("1H") << QStringLiteral("1H");
    QTest::newRow("SW is not stacked")
        << QStringLiteral("SW") << QStringLiteral("1H") << QStringLiteral("1H");
}

void TestExport::recordKinds()
{
    QFETCH(QString, sorte);
    QFETCH(QString, brd);
    QFETCH(QString, abies);
    HolzRow row =
        sorte.startsWith(QLatin1Char('P')) || sorte.startsWith(QLatin1Char('S')) ? stackRow(8) : logRow();
    row.Sorte = sorte;
    QCOMPARE(writeLines(RundholzWriter(RundholzWriter::Variant::Brd), 3, {row}).last().left(2), brd);
    QCOMPARE(writeLines(RundholzWriter(RundholzWriter::Variant::Abies), 4, {row}).last().left(2), abies);
}

void TestExport::exportDialog()
{
    ExportFixture fixture;
    store::ListenRow header = ExportFixture::goldenHeader();
    header.Liste = QStringLiteral("Langer Listenname");
    fixture.addList(header, ExportFixture::goldenRecords(false));
    fixture.settings.set(store::keys::Konvertierung, QStringLiteral("2"));
    const QString start = fixture.dir.file(QStringLiteral("start"));
    fixture.settings.set(store::keys::Verzeichnis, start);
    QVERIFY(fixture.select(header.Liste));

    testing::ScriptedUserInterface ui;
    ExportDriver driver(*fixture.master, fixture.settings, ui);

    // No list selected.
    ui.expectMessage(QStringLiteral("Liste mit Stift auswählen (unter Liste)"));
    driver.mnuKonvertieren_Click(fixture.timber, false);
    QVERIFY(ui.done());
    QCOMPARE(ui.shown().last().message.title, QStringLiteral("Information"));
    QVERIFY(ui.fileChoices().isEmpty());

    // Cancelled.
    ui.expectSaveFile(std::nullopt);
    ui.expectMessage(QStringLiteral("Keine Liste konvertiert"));
    driver.mnuKonvertieren_Click(fixture.timber, true);
    QVERIFY(ui.done());
    const platform::FileChoice choice = ui.fileChoices().last();
    QCOMPARE(choice.title, QStringLiteral("Liste konvertieren"));
    QCOMPARE(choice.folder, start);
    QCOMPARE(choice.proposedName, QStringLiteral("Langer L"));
    QCOMPARE(choice.filter, QStringLiteral("Holzlisten (*.tx1)"));
    QVERIFY(choice.confirmOverwrite);
    QCOMPARE(fixture.settings.get(store::keys::Verzeichnis), start);
    QVERIFY(!fixture.listRow(header.Liste).Konvertiert.isValid());

    // A name typed without extension gets the offered one; the folder is kept.
    const QString folder = fixture.dir.file(QStringLiteral("ziel"));
    QDir().mkpath(folder);
    ui.expectSaveFile(folder + QStringLiteral("/Wald"));
    ui.tolerateMessages(platform::Answer::Yes);
    driver.mnuKonvertieren_Click(fixture.timber, true);
    QVERIFY(ui.lastMessage().startsWith(QStringLiteral("Liste Wald.tx1 angelegt")));
    QCOMPARE(filesIn(folder), (QStringList{QStringLiteral("Wald.tx1"), QStringLiteral("Wald.txt")}));
    QCOMPARE(fixture.settings.get(store::keys::Verzeichnis), folder + QLatin1Char('/'));
    QCOMPARE(fixture.listRow(header.Liste).Konvertiert, QDate::currentDate());
    QVERIFY(ui.progressLines().contains(QStringLiteral("Liste konvertieren")));
    QVERIFY(ui.progressLines().contains(QStringLiteral("Datensätze konv.")));
    QVERIFY(!ui.progressVisible());
}

// The menu's export takes the format the options window shows, even one
// not stored yet; without a choice there, the stored one.
void TestExport::formatFromOptionsWindow()
{
    ExportFixture fixture;
    fixture.addList(ExportFixture::goldenHeader(), {logRow()});
    fixture.settings.set(store::keys::Konvertierung, QStringLiteral("1"));
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const QString folder = fixture.dir.file(QStringLiteral("ziel"));
    QDir().mkpath(folder);
    testing::ScriptedUserInterface ui;
    ui.tolerateMessages(platform::Answer::Yes);
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    int shown = 6;
    driver.setFormatSource([&] { return shown; });

    ui.expectSaveFile(folder + QStringLiteral("/Probe.dat"));
    QCOMPARE(int(driver.Liste_Konvertieren(fixture.timber).outcome), int(ExportDriver::Outcome::Written));
    QCOMPARE(ui.fileChoices().last().filter, QStringLiteral("Holzlisten (*.dat)"));
    QVERIFY(readFile(QDir(folder).filePath(QStringLiteral("Probe.dat"))).startsWith("0A  Probe\r\n"));
    QCOMPARE(fixture.settings.get(store::keys::Konvertierung), QStringLiteral("1"));

    shown = 0;
    ui.expectSaveFile(folder + QStringLiteral("/Probe.tx1"));
    QCOMPARE(int(driver.Liste_Konvertieren(fixture.timber).outcome), int(ExportDriver::Outcome::Written));
    QVERIFY(readFile(QDir(folder).filePath(QStringLiteral("Probe.tx1"))).startsWith("Type: VDE_Habsys\r\n"));
}

void TestExport::exportRefusals()
{
    ExportFixture fixture;
    store::ListenRow empty = ExportFixture::goldenHeader();
    fixture.addList(empty, {});
    QVERIFY(fixture.select(empty.Liste));
    const QString folder = fixture.dir.file(QStringLiteral("ziel"));
    QDir().mkpath(folder);
    testing::ScriptedUserInterface ui;
    ExportDriver driver(*fixture.master, fixture.settings, ui);

    // An empty list gives no file and no stamp.
    ui.expectSaveFile(folder + QStringLiteral("/Probe.tx1"));
    ui.expectMessage(QStringLiteral("Keine Datensätze vorhanden"));
    driver.mnuKonvertieren_Click(fixture.timber, true);
    QVERIFY(ui.done());
    QCOMPARE(ui.shown().last().message.title, QStringLiteral("Info"));
    QVERIFY(filesIn(folder).isEmpty());
    QVERIFY(!fixture.listRow(empty.Liste).Konvertiert.isValid());

    // Nor does a list without a name (one an old database may hold): the
    // box says why.
    store::ListenRow unnamed = ExportFixture::goldenHeader();
    unnamed.Liste = QStringLiteral("");
    fixture.addList(unnamed, {});
    QVERIFY(fixture.select(QString()));
    ui.expectSaveFile(folder + QStringLiteral("/Ohne.tx1"));
    ui.expectMessage(QStringLiteral("Kein Listenname angegeben"));
    driver.mnuKonvertieren_Click(fixture.timber, true);
    QVERIFY(ui.done());
    QVERIFY(filesIn(folder).isEmpty());
    QVERIFY(fixture.select(empty.Liste));

    // A format outside the options is refused before anything is asked,
    // rather than reported as converted with nothing written.
    fixture.settings.set(store::keys::Konvertierung, QStringLiteral("9"));
    const auto asked = ui.fileChoices().size();
    ui.expectMessage(
        QStringLiteral("Fehler beim Liste konvertieren FehlerNr :380 Kein Ausgabeformat eingestellt"));
    driver.mnuKonvertieren_Click(fixture.timber, true);
    QVERIFY(ui.done());
    QCOMPARE(ui.fileChoices().size(), asked);
    QVERIFY(filesIn(folder).isEmpty());
    QVERIFY(!fixture.listRow(empty.Liste).Konvertiert.isValid());
}

void TestExport::abiesConverter()
{
    ExportFixture fixture;
    fixture.addList(ExportFixture::goldenHeader(), ExportFixture::goldenRecords(false));
    fixture.settings.set(store::keys::Konvertierung, QStringLiteral("4"));
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    const QString folder = fixture.dir.file(QStringLiteral("ziel"));
    QDir().mkpath(folder);

    // Without the converter: EG20.dat is written into the chosen folder,
    // then the missing program is reported and the list stays unstamped.
    testing::ScriptedUserInterface ui;
    ui.expectSaveFile(folder + QStringLiteral("/Probe.mde"));
    ui.expectMessage(QStringLiteral("Holzart 'Lärche'"));
    ui.expectMessage(QStringLiteral("kann nicht alles aufnehmen"), platform::Answer::Yes);
    ui.expectMessage(
        QStringLiteral("Fehler beim Liste konvertieren FehlerNr :53 Der ABIES-Konverter wurde nicht "
                       "gestartet (Datei nicht gefunden"));
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    driver.setProgramFolder(fixture.dir.file(QStringLiteral("leer")));
    driver.mnuKonvertieren_Click(fixture.timber, true);
    QVERIFY(ui.done());
    QCOMPARE(filesIn(folder), QStringList{QStringLiteral("EG20.dat")});
    QVERIFY(!fixture.listRow(QStringLiteral("Probe")).Konvertiert.isValid());
}

void TestExport::stampAndOverwrite()
{
    ExportFixture fixture;
    fixture.addList(ExportFixture::goldenHeader(), {logRow()});
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    QCOMPARE(fixture.timber.Listen.current().Name, QStringLiteral("Forstbetrieb Müller")); // now cached
    {
        // Changed behind the lists' back, as the totals recomputation does.
        store::TimberStore other(*fixture.holz, fixture.settings);
        other.Listen_Oeffnen();
        QVERIFY(other.moveToList(QStringLiteral("Probe")));
        store::ListenRow row = other.Listen.current();
        row.Name = QStringLiteral("Neu");
        row.Kubatur = 7;
        other.Listen.update(row);
    }
    const QString path = fixture.dir.write(QStringLiteral("Probe.dat"), "alte Liste\r\n");
    testing::ScriptedUserInterface ui;
    ui.tolerateMessages();
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    QCOMPARE(int(driver.Konvertieren(fixture.timber, path, 6).outcome), int(ExportDriver::Outcome::Written));

    QVERIFY(readFile(path).contains("\r\n0t  Neu\r\n"));
    const store::ListenRow row = fixture.listRow(QStringLiteral("Probe"));
    QCOMPARE(row.Konvertiert, QDate::currentDate());
    QCOMPARE(row.Name, QStringLiteral("Neu"));
    QCOMPARE(row.Kubatur, 7.0);
}

void TestExport::orderAndProgress()
{
    ExportFixture fixture;
    fixture.settings.set(store::keys::Sortierung, QStringLiteral("1"));
    QList<HolzRow> rows; // typed in this order
    for (const auto& [los, nummer] : {std::pair{2, 1}, {1, 9}, {1, 3}, {2, 0}})
        rows << ExportFixture::log(los, nummer, "Fichte", "B ", "2b", 4, 30, "a", 2, 0.28);
    fixture.addList(ExportFixture::goldenHeader(), rows);
    QVERIFY(fixture.select(QStringLiteral("Probe")));
    testing::ScriptedUserInterface ui;
    ui.tolerateMessages();
    ExportDriver driver(*fixture.master, fixture.settings, ui);
    const QString path = fixture.dir.file(QStringLiteral("Probe.dat"));
    QCOMPARE(int(driver.Konvertieren(fixture.timber, path, 6).outcome), int(ExportDriver::Outcome::Written));

    QStringList numbers;
    for (const QByteArray& line : readFile(path).split('\n')) {
        if (line.startsWith("0R") || line.startsWith("0M"))
            numbers << QString::fromLatin1(line.mid(2, 8)).simplified();
    }
    QCOMPARE(numbers, (QStringList{QStringLiteral("1 3"), QStringLiteral("1 9"), QStringLiteral("2 0"),
                                   QStringLiteral("2 1")}));
    QCOMPARE(ui.progressMaximum(), 4);
}

void TestExport::manyRecords()
{
    // More records than a 16-bit counter holds.
    QList<HolzRow> rows(40000, logRow());
    HolzartCodes species({}, 6, true, {});
    ExportJob job(ExportFixture::goldenHeader(), QStringLiteral("Gross"), species);
    job.setRecords(rows);
    qint64 last = 0;
    job.setProgress([&](qint64 counter, qint64 total) {
        QCOMPARE(total, 40000);
        last = counter;
    });
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    LineSink sink(buffer, true);
    Eg10Writer().write(job, sink);
    sink.finish();
    QCOMPARE(last, 40000);
    QCOMPARE(sink.lineCount(), 40000 + 11);
    QVERIFY(buffer.data().endsWith("0E   \r\n"));
}

void TestExport::writeFailure()
{
    // A device that takes only part of a block, as a full disk does.
    class ShortDevice : public QBuffer {
    protected:
        qint64 writeData(const char* data, qint64 length) override
        {
            return QBuffer::writeData(data, qMin<qint64>(length, 100));
        }
    } device;
    device.open(QIODevice::WriteOnly);
    LineSink sink(device, false);
    sink.Zeile_Schreiben(QString(300, QLatin1Char('x')));
    QCOMPARE(errorNumber([&] { sink.finish(); }), ExportError::WriteFailed);
}

void TestExport::commandLine()
{
    TestDatabase data;
    cli::CliContext context(data.dataFolder(), false);
    context.ui().setQuiet(true);
    context.out().setDevice(nullptr); // the paths written are not wanted here
    cli::ListGenerator({}, 3).generate(context.holzDb(), QStringLiteral("Gen"), 50);
    const QString file = data.file(QStringLiteral("Gen.dat"));

    QCOMPARE(cli::runExport(
                 context, {QStringLiteral("Gen"), QStringLiteral("--format"), QStringLiteral("eg10"), file}),
             0);
    const QByteArray bytes = readFile(file);
    QVERIFY(bytes.startsWith("0A  Gen\r\n"));
    QCOMPARE(bytes.count("\r\n"), 7 + 50); // 0A 0d 0t 0b 0c 0! records 0E
    store::TimberStore timber(context.holzDb(), context.settings());
    timber.Listen_Oeffnen();
    QVERIFY(timber.moveToList(QStringLiteral("Gen")));
    QCOMPARE(timber.Listen.current().Konvertiert, QDate::currentDate());

    // Written without what the format cannot carry: exit 3, the losses named.
    store::ListenRow row = timber.Listen.current();
    row.Name = QStringLiteral("Dřevo s.r.o.");
    timber.Listen.update(row);
    QCOMPARE(cli::runExport(
                 context, {QStringLiteral("Gen"), QStringLiteral("--format"), QStringLiteral("eg10"), file}),
             3);
    QVERIFY(context.ui().messages().join(QLatin1Char('|')).contains(QStringLiteral("Zeichen „ř“")));
    QVERIFY(readFile(file).contains("0t  D?evo s.r.o.\r\n"));

    auto error = [&](const QStringList& args) {
        try {
            cli::runExport(context, args);
        } catch (const cli::CommandError& e) {
            return e.message;
        }
        return QString();
    };
    QVERIFY(error({QStringLiteral("Gen"), QStringLiteral("--format"), QStringLiteral("xml"), file})
                .startsWith(QStringLiteral("Unbekanntes Format")));
    QCOMPARE(error({QStringLiteral("Fehlt"), QStringLiteral("--format"), QStringLiteral("habsys"), file}),
             QStringLiteral("Liste 'Fehlt' nicht vorhanden"));
    const QString noFolder = error({QStringLiteral("Gen"), QStringLiteral("--format"), QStringLiteral("eg10"),
                                    data.file(QStringLiteral("fehlt/Gen.dat"))});
    QVERIFY2(noFolder.startsWith(QStringLiteral("Fehler beim Liste konvertieren FehlerNr :75 ")),
             qPrintable(noFolder));
    QVERIFY2(noFolder.contains(QStringLiteral("den Ordner gibt es nicht")), qPrintable(noFolder));
    // A stem too long for the BRD header ends the export with its error text.
    QVERIFY(error({QStringLiteral("Gen"), QStringLiteral("--format"), QStringLiteral("proforst"),
                   data.file(QStringLiteral("ein_sehr_langer_name.dat"))})
                .startsWith(QStringLiteral("Fehler beim Liste konvertieren FehlerNr :6 Überlauf")));
}

// The README's table of what each format carries is the format registry's.
void TestExport::readmeShowsWhatFormatsCarry()
{
    const QString readme = qEnvironmentVariable("STEMMO_SOURCE_DIR") + QStringLiteral("/README.md");
    const QString text = QString::fromUtf8(readFile(readme));
    QVERIFY2(!text.isEmpty(), qPrintable(readme));
    const QString table = exporter::ExportFormats::carriageTable();
    QVERIFY2(text.contains(table), qPrintable(QStringLiteral("README.md should hold:\n") + table));
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
