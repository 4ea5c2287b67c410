// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportTestData.h"
#include "PropertyRoundTripTest.h"

#include "import/FieldReader.h"
#include "import/ImportDriver.h"
#include "import/ImportedListWriter.h"
#include "import/ListFile.h"
#include "import/ListFileReader.h"
#include "import/TextLines.h"
#include "rules/Volume.h"
#include "store/RecordRepository.h"
#include "store/Database.h"
#include "store/DatabaseCheck.h"
#include "store/DbError.h"
#include "store/ListImportWriter.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "tests/store/StoreFaults.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestFolder.h"

#include <QProcess>
#include <QTest>
#include <QThread>

#include <tuple>

using importer::FieldReader;
using importer::ImportDriver;
using importer::ImportedList;
using importer::ListFile;
using importer::SourceFormat;
using importer::ValueError;
using namespace importtest;
using platform::Answer;

namespace {

// The header of a handheld file as the device writes it.
QStringList handheldHeader(const QString& name)
{
    return {QStringLiteral("0A  ") + name, QStringLiteral("0d  01.03.2005"),
            QStringLiteral("0t  Forstbetrieb Huber"), QStringLiteral("0!   ")};
}

// An EG10 log line: kind, lot, number, species code + NL, assortment,
// grade, length, diameter, bark text, class, volume, fixed text,
// compartment, use code, remark.
QString handheldLog(const QString& kind, const QString& number,
                    const QString& volume = QStringLiteral("   0.53"))
{
    return kind + QStringLiteral(" 1") + right(number, 6) + QStringLiteral("Fi NL B  4.0 25a 2.00c2b") +
           volume + QStringLiteral("   0.00") + QStringLiteral("       12") + QStringLiteral("JDSS") +
           QStringLiteral("erste Zeile. Ende");
}

// An RH Transfer record line of a log: kind, lot, marker + number, bark,
// species, assortment, grade, class, pieces, length, volume block (15),
// height block (38), location block (16), remark (50), price kind, blank,
// price, DekaData fields.
QString transferLog(const QString& kind, const QString& numberField, const QString& priceKind,
                    const QString& price, const QString& extra = QString())
{
    return kind + QStringLiteral("2  ") + numberField + QStringLiteral("a  ") + QStringLiteral("Fi ") +
           QStringLiteral("L  ") + QStringLiteral("B  ") + QStringLiteral("2b  ") + QStringLiteral("    1") +
           QStringLiteral("12.5") + QStringLiteral(" 31") + QStringLiteral(" 2.00c") +
           QStringLiteral("  0.81") + QStringLiteral("    0.00   0    0.00   0    0.00   0  ") +
           QStringLiteral("12  3a  b   JDSS") + left(QStringLiteral("Bemerkung 1.5"), 50) + priceKind +
           QLatin1Char(' ') + right(price, 8) + extra;
}

// DekaData fields: compartment 8, RF 6, AArt 2, Rotte 4, AbrNr 7, EST1-3
// 2 each, EST4 4, EST5 4, Polter 4.
QString dekaFields()
{
    return left(QStringLiteral("12b"), 8) + left(QStringLiteral("RF1"), 6) + QStringLiteral("-1") +
           left(QStringLiteral("R7"), 4) + left(QStringLiteral("A12345"), 7) + QStringLiteral("3 ") +
           QStringLiteral("-1") + QStringLiteral("  ") + left(QStringLiteral("E4"), 4) +
           left(QStringLiteral("E5"), 4) + left(QStringLiteral("P9"), 4);
}

struct Parsed {
    std::optional<ImportedList> list;
    QString refusal;
};

Parsed parse(const QByteArray& bytes, const QList<store::HolzartRow>& rows = species())
{
    importer::HolzartLookup lookup(rows);
    const importer::UseCodeLookup codes(einschlagtypen(), nutzungsarten());
    const rules::BarkTable bark = barkTable();
    auto result = importer::ListFileReader(lookup, codes, bark).Datei_Lesen(bytes);
    return {std::move(result.list), result.refusal};
}

QString lastError(const ImportedList& list)
{
    return list.errors.last() ? list.errors.last()->description : QString();
}

store::ListRepository::Contents contents(store::Database& db, const QString& list)
{
    return store::ListRepository(db).contents(list);
}

QStringList listNames(store::Database& db)
{
    QStringList names;
    for (const auto& row : store::ListRepository(db).all(store::ListenOrder::ListeAsc))
        names << row.Liste;
    return names;
}

qint64 recordsOfAllLists(store::Database& db)
{
    qint64 records = 0;
    for (const QString& name : listNames(db))
        records += contents(db, name).records;
    return records;
}

bool sound(const store::Database& db)
{
    return store::DatabaseCheck::run(db.path(), store::DatabaseKind::Holz).ok();
}

void addEmptyList(store::Database& db, const QString& name)
{
    store::ListImportWriter writer(db);
    QVERIFY(writer.begin(name));
    store::ListenRow header;
    header.Liste = name;
    writer.finish(header, {}, {});
}

// A data folder with a driver on top.
struct Workspace : DataFolderFixture {
    testing::ScriptedUserInterface ui;
    std::unique_ptr<ImportDriver> driver =
        std::make_unique<ImportDriver>(*holz, *master, *settings, ui);
    QString write(const QString& name, const QByteArray& bytes) const { return dir.write(name, bytes); }
};

// A handheld file of `count` logs in lot 1..4, for big-file tests.
QByteArray bigHandheldFile(const QString& name, int count)
{
    QStringList lines = handheldHeader(name);
    for (int i = 1; i <= count; ++i)
        lines << handheldLog(QStringLiteral("0R"), QString::number(i));
    lines << QStringLiteral("0E   ");
    return file(lines);
}

// Child process of killedImportLeavesNothing: reads a file and stops dead
// while its records are being stored.
int importChild(const QString& dataFolder, const QString& path, const QString& server)
{
    store::DataFolder folder(dataFolder, server);
    auto holz = store::Database::open(folder.holzDb(), store::DatabaseKind::Holz);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    auto read = parse(file.readAll());
    importer::ImportedListWriter(*holz).write(*read.list, [](qint64 done, qint64) {
        if (done > 0) {
            fputs("storing\n", stdout);
            fflush(stdout);
            QThread::sleep(60);
        }
    });
    return 0;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

    std::unique_ptr<Workspace> m_corpus;

private slots:
    // --- reading fields ---------------------------------------------------

    void fieldsPastTheEndOfALineAreEmpty()
    {
        importer::ValueErrors errors;
        FieldReader f(u"0R 1  12", 4, errors);
        QCOMPARE(f.mid(5, 6).toString(), QStringLiteral("  12"));
        QVERIFY(f.mid(9, 3).isEmpty());
        QVERIFY(f.mid(400, 3).isEmpty());
        QVERIFY(f.mid(0, 3).isEmpty());
        QVERIFY(f.from(20).isEmpty());
        QCOMPARE(f.decimal(30, 6, QStringLiteral("Kubatur"), 7.0), 7.0);
        QVERIFY(errors.isEmpty());
        QVERIFY(!f.require(41, QStringLiteral("der Datensatz")));
        QVERIFY(!f.require(50, QStringLiteral("der Datensatz")));
        QCOMPARE(errors.count(), 1); // reported once per line
        QCOMPARE(errors.last()->number, ValueError::LineTooShort);
        QVERIFY(errors.last()->description.contains(QStringLiteral("Zeile 4")));
    }

    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("point") << QStringLiteral(" 4.5") << true << 4.5;
        QTest::newRow("comma") << QStringLiteral("4,5 ") << true << 4.5;
        QTest::newRow("negative") << QStringLiteral("-1") << true << -1.0;
        QTest::newRow("leading separator") << QStringLiteral(".5") << true << 0.5;
        QTest::newRow("grouped") << QStringLiteral("1.234,56") << true << 1234.56;
        QTest::newRow("grouped point") << QStringLiteral("12,345.5") << true << 12345.5;
        QTest::newRow("bad group") << QStringLiteral("1.2,5") << false << 0.0;
        QTest::newRow("two decimal commas") << QStringLiteral("1,2,3") << false << 0.0;
        QTest::newRow("letters") << QStringLiteral("4x5") << false << 0.0;
        QTest::newRow("exponent") << QStringLiteral("1e5") << false << 0.0;
        QTest::newRow("inner blank") << QStringLiteral("1 5") << false << 0.0;
        QTest::newRow("sign only") << QStringLiteral("-") << false << 0.0;
        QTest::newRow("blank") << QStringLiteral("   ") << false << 0.0;
        QTest::newRow("huge") << QStringLiteral("9").repeated(41) << false << 0.0;
    }

    void decimals()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = FieldReader::parseDecimal(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("German") << QStringLiteral("01.03.2005") << QDate(2005, 3, 1);
        QTest::newRow("blanks for zeros, two-digit year") << QStringLiteral(" 1. 3.05") << QDate(2005, 3, 1);
        QTest::newRow("last century") << QStringLiteral("24.12.98") << QDate(1998, 12, 24);
        QTest::newRow("with time") << QStringLiteral("01.03.2005 00:00:00") << QDate(2005, 3, 1);
        QTest::newRow("ISO") << QStringLiteral("2005-03-01") << QDate(2005, 3, 1);
        QTest::newRow("no such day") << QStringLiteral("31.02.2005") << QDate();
        QTest::newRow("American") << QStringLiteral("3/1/2005") << QDate();
        QTest::newRow("text") << QStringLiteral("gestern") << QDate();
        QTest::newRow("three-digit year") << QStringLiteral("1.3.205") << QDate();
    }

    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(FieldReader::parseDate(text).value_or(QDate()), date);
    }

    void wholeNumbersReportWhatIsWrong()
    {
        importer::ValueErrors errors;
        FieldReader f(u"0R300    12xx", 9, errors);
        QCOMPARE(f.whole(3, 3, QStringLiteral("Los"), 0, 255), 0);
        QCOMPARE(errors.last()->number, ValueError::Overflow);
        QVERIFY(errors.last()->description.contains(QStringLiteral("Zeile 9, Los „300“")));
        QCOMPARE(f.whole(12, 2, QStringLiteral("Nummer"), 0, 99, -1), -1);
        QCOMPARE(errors.last()->number, ValueError::TypeMismatch);
        QCOMPARE(f.whole(6, 6, QStringLiteral("Nummer"), 0, 999999), 12);
        QCOMPARE(errors.count(), 2);
    }

    // --- the kind of a file -------------------------------------------------

    // The kind and format of a file follow from its first type or name
    // line. (Refusals and the encodings are in the malformed-file collection.)
    void fileKinds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("lines");
        QTest::newRow("handheld") << QByteArray("0A  Wald\r\n0!   \r\n0E   \r\n") << QStringLiteral("Wald")
                                  << 6 << 3;
        QTest::newRow("UTF-16 without BOM")
            << QByteArray("0\0A\0 \0 \0W\0a\0l\0d\0\r\0\n\0", 20) << QStringLiteral("Wald") << 6 << 1;
        QTest::newRow("Habsys 1.1") << QByteArray("Type: VDE_Habsys1.1\r\n0A   X\r\n") << QStringLiteral("X")
                                    << 1 << 2;
        QTest::newRow("Latschbacher")
            << QByteArray("Type: VDE_GERMAN\r\nAD\r\n0A   X\r\n") << QStringLiteral("X") << 2 << 3;
        QTest::newRow("DekaData 1.4")
            << QByteArray("Type: VDE_DekaData1.4  \r\n0A   X\r\n") << QStringLiteral("X") << 5 << 2;
        QTest::newRow("Timbernet") << QByteArray("Type: Timbernet1.2\r\n0A   X\r\n") << QStringLiteral("X")
                                   << 7 << 2;
        QTest::newRow("name line first wins")
            << QByteArray("0A  Hand\r\nType: VDE_Habsys\r\n") << QStringLiteral("Hand") << 6 << 2;
    }

    void fileKinds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, format);
        QFETCH(int, lines);
        const ListFile::Decoded decoded = ListFile::decode(bytes);
        QVERIFY2(decoded.text, qPrintable(decoded.refusal));
        QCOMPARE(importer::ListFileReader::listName(decoded.text->kind,
                                                    decoded.text->lines.at(decoded.text->nameLine)),
                 name);
        QCOMPARE(int(decoded.text->format), format);
        QCOMPARE(decoded.text->lines.size(), lines);
    }

    // Lines are split the same wherever the blocks the file is read in end:
    // inside a line, between CR and LF, or right after a lone CR.
    void linesAcrossReadBlocks()
    {
        const QByteArray endings[] = {"\r\n", "\n", "\r"};
        QByteArray bytes = "0A  Bloecke\r\n";
        QStringList expected{QStringLiteral("0A  Bloecke")};
        for (int i = 0; bytes.size() < 700 * 1024; ++i) {
            const QByteArray line = "0R  1" + QByteArray(i % 97, 'x') + QByteArray::number(i);
            bytes += line + endings[i % 3];
            expected << QString::fromLatin1(line);
        }
        for (const qsizetype block : {qsizetype(256 * 1024), qsizetype(512 * 1024)}) {
            // A CR LF whose halves fall into two blocks.
            QByteArray split = bytes;
            split.insert(block - 1, "\r\n");
            const ListFile::Decoded decoded = ListFile::decode(split);
            QVERIFY2(decoded.text, qPrintable(decoded.refusal));
            QCOMPARE(decoded.text->lines, importer::splitLines(QString::fromLatin1(split)));
        }
        const ListFile::Decoded whole = ListFile::decode(bytes);
        QVERIFY(whole.text);
        QCOMPARE(whole.text->lines, expected);
    }

    // --- the handheld reader ------------------------------------------------

    void handheldRecordKinds()
    {
        QStringList lines = handheldHeader(QStringLiteral("Wald Nord"));
        lines << handheldLog(QStringLiteral("0R"), QStringLiteral("12"))
              << handheldLog(QStringLiteral("0K"), QStringLiteral("13"))
              << handheldLog(QStringLiteral("0L"), QStringLiteral("13"))
              << handheldLog(QStringLiteral("0M"), QStringLiteral("0"))
              << handheldLog(QStringLiteral("0M"), QStringLiteral("5"))
              << handheldLog(QStringLiteral("0R"), QStringLiteral("0"))
              // piece row: pieces 4, blank, volume per piece x100 4, class 3, volume 6
              << QStringLiteral("0P") + QStringLiteral(" 3") + QStringLiteral("    14") +
                     QStringLiteral("KieN") + QStringLiteral("P ") + QStringLiteral("C ") +
                     QStringLiteral("  40") + QStringLiteral(" ") + QStringLiteral(" 1.5") +
                     QStringLiteral("2a ") + QStringLiteral("  0.61") + QStringLiteral("   0.00") +
                     QStringLiteral("XXXXXXXXX") + QStringLiteral("XXXX") + QStringLiteral("Stangen")
              // stacked wood: volume 5, length 3, blank, factor 4, class 2, volume 7
              << QStringLiteral("0S") + QStringLiteral(" 4") + QStringLiteral("     0") +
                     QStringLiteral("Fi N") + QStringLiteral("S ") + QStringLiteral("  ") +
                     QStringLiteral(" 12.0") + QStringLiteral("2.0") + QStringLiteral(" ") +
                     QStringLiteral("0.70") + QStringLiteral("  ") + QStringLiteral("   8.40") +
                     QStringLiteral("   0.00") + QStringLiteral("       7a") + QStringLiteral("SoSS")
              << QStringLiteral("0E   ");
        const Parsed parsed = parse(file(lines));
        QVERIFY2(parsed.list, qPrintable(parsed.refusal));
        const ImportedList& list = *parsed.list;
        QVERIFY2(list.errors.isEmpty(), qPrintable(lastError(list)));
        QCOMPARE(list.header.Liste, QStringLiteral("WaldNord"));
        QCOMPARE(list.records.size(), size_t(8));

        struct Expect {
            int nummer;
            bool einzel, klammer, folge;
            double stueck;
        };
        const Expect kinds[] = {{12, true, false, false, 1}, {13, true, true, false, 1},
                                {13, true, false, true, 1},  {0, false, false, false, 1},
                                {0, false, false, false, 5}, {0, false, false, false, 1}};
        // The fields of every kind against the writer are the round trips'
        // business; here the kind markers and what the writer never writes.
        for (int i = 0; i < 6; ++i) {
            const store::HolzRow& row = list.records[size_t(i)];
            QCOMPARE(row.SatzNr, i + 1);
            QCOMPARE((std::tuple{row.Nummer, row.Einzelstamm, row.Klammerstamm, row.Folgestamm, row.Stueck}),
                     (std::tuple{kinds[i].nummer, kinds[i].einzel, kinds[i].klammer, kinds[i].folge,
                                 kinds[i].stueck}));
        }
        const store::HolzRow& log = list.records[0];
        QCOMPARE(log.Nutzung, QStringLiteral("23")); // SS is felling type 2, JD use type 3
        QCOMPARE(log.Zusatztext, QStringLiteral("erste Zeile. Ende")); // points stay points
        QCOMPARE(log.AArt, std::optional<int>(-1));
        const store::HolzRow& piece = list.records[6];
        QCOMPARE(piece.Sorte, QStringLiteral("P "));
        QCOMPARE(piece.Stueck, 40.0);
        QCOMPARE(piece.Abteilung, QString()); // the X columns are no compartment
        QCOMPARE(piece.Nutzung, QStringLiteral("00"));
        const store::HolzRow& stack = list.records[7];
        QVERIFY(stack.isStackedWood());
        QCOMPARE(stack.Stamm, QStringLiteral("0,7"));
        QCOMPARE(stack.Nutzung, QStringLiteral("21"));
        QCOMPARE(list.header.Los.left(12), QStringLiteral(" 1,  , 3, 4,"));
    }

    // What the round trips through the EG10 export cannot show: the header
    // lines it does not write, and storage lines.
    void handheldHeaderAndStorage()
    {
        const QStringList lines{QStringLiteral("0A  Süd 7"),
                                QStringLiteral("0d   1. 3.05"),
                                QStringLiteral("0N  12b"),
                                QStringLiteral("0l  ") + QString(60, QLatin1Char('P')),
                                QStringLiteral("0!   "),
                                QStringLiteral("LL  2") + left(QStringLiteral("48.1,11.5"), 38) +
                                    left(QStringLiteral("Polterplatz"), 50) + QStringLiteral("Zufahrt  "),
                                QStringLiteral("0X  unbekannt"),
                                QStringLiteral("0E   ")};
        const Parsed parsed = parse(file(lines));
        QVERIFY(parsed.list);
        const store::ListenRow& h = parsed.list->header;
        QCOMPARE(h.Liste, QStringLiteral("Süd7"));
        QCOMPARE(h.Datum, QDate(2005, 3, 1));
        QCOMPARE(h.Abteilung, QStringLiteral("12b"));
        QCOMPARE(h.Lagerplatz, QString(50, QLatin1Char('P')));
        QVERIFY(parsed.list->records.empty());
        QCOMPARE(parsed.list->storage.size(), size_t(1));
        const store::LagerRow& lager = parsed.list->storage.front();
        QCOMPARE(lager.Los, 2.0);
        QCOMPARE(lager.GPS, QStringLiteral("48.1,11.5"));
        QCOMPARE(lager.Lagerort, QStringLiteral("Polterplatz"));
        QCOMPARE(lager.Zusatz1, QStringLiteral("Zufahrt"));
    }

    void damagedValuesAreReportedAndTheRestIsRead()
    {
        QStringList lines = handheldHeader(QStringLiteral("Schaden"));
        lines << handheldLog(QStringLiteral("0R"), QStringLiteral("1"))
              << handheldLog(QStringLiteral("0R"), QStringLiteral("2"), QStringLiteral("  0x.53"))
              << QStringLiteral("0R 1     3Fi NL B  4.0 2") // cut off in the diameter
              << QStringLiteral("0R-1     4") + handheldLog(QStringLiteral("0R"), QStringLiteral("4")).mid(10)
              << QStringLiteral("0d  32.13.2005") << handheldLog(QStringLiteral("0R"), QStringLiteral("5"));
        const Parsed parsed = parse(file(lines));
        QVERIFY(parsed.list);
        const ImportedList& list = *parsed.list;
        QCOMPARE(list.records.size(), size_t(5));
        QCOMPARE(list.records[1].Kubatur, 0.0);
        QCOMPARE(list.records[2].Durchm, 2.0);
        QCOMPARE(list.records[2].Kubatur, 0.0);
        QCOMPARE(list.records[3].Los, 0);
        QCOMPARE(list.records[4].Kubatur, 0.53);
        QCOMPARE(list.header.Datum, QDate(2005, 3, 1)); // the bad date line changes nothing
        QCOMPARE(list.errors.count(), 4);
        const int expected[] = {ValueError::TypeMismatch, ValueError::LineTooShort, ValueError::Overflow,
                                ValueError::TypeMismatch};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(list.errors.first()[i].number, expected[i]);
            QCOMPARE(list.errors.first()[i].line, 6 + i);
        }
        QVERIFY(list.errors.last()->description.contains(QStringLiteral("32.13.2005")));
    }

    void speciesLookup()
    {
        ImportedList list;
        importer::HolzartLookup lookup(species());
        QCOMPARE(lookup.Holzart_Suchen(u"Fi ", list), QStringLiteral("Fichte"));
        QCOMPARE(lookup.Holzart_Suchen(u" BU", list), QStringLiteral("Buche")); // second code column
        QCOMPARE(lookup.Holzart_Suchen(u"Ta", list), QStringLiteral("Ta"));
        QCOMPARE(lookup.Holzart_Suchen(u"Ta", list), QStringLiteral("Ta"));
        QCOMPARE(lookup.Holzart_Suchen(u"fi", list), QStringLiteral("fi"));
        QCOMPARE(lookup.Holzart_Suchen(u"   ", list), QString()); // never the first empty code column
        QCOMPARE(list.missingSpecies, QStringList({QStringLiteral("Ta"), QStringLiteral("fi")}));
        QVERIFY(list.notices.isEmpty());

        ImportedList bare;
        importer::HolzartLookup none({});
        QCOMPARE(none.Holzart_Suchen(u"Fi", bare), QStringLiteral("Fi"));
        QCOMPARE(none.Holzart_Suchen(u"Fi", bare), QStringLiteral("Fi"));
        QCOMPARE(bare.notices.size(), 1);
        QVERIFY(bare.notices.first().text.contains(QStringLiteral("Kürzel 'Fi' übernommen")));
        QVERIFY(bare.missingSpecies.isEmpty());
    }

    void useCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("nutzung");
        QTest::newRow("both") << QStringLiteral("JDSS") << QStringLiteral("23");
        QTest::newRow("any case") << QStringLiteral("jdss") << QStringLiteral("23");
        QTest::newRow("use type only") << QStringLiteral("RH  ") << QStringLiteral("09");
        QTest::newRow("felling type only") << QStringLiteral("  RF") << QStringLiteral("70");
        QTest::newRow("not found") << QStringLiteral("XXXX") << QStringLiteral("00");
        QTest::newRow("stars of the transfer writer") << QStringLiteral("**Zu") << QStringLiteral("10");
        QTest::newRow("short") << QStringLiteral("JD") << QString();
    }

    void useCodes()
    {
        QFETCH(QString, code);
        QFETCH(QString, nutzung);
        QCOMPARE(importer::UseCodeLookup(einschlagtypen(), nutzungsarten()).Nutzung_Suchen(code), nutzung);
    }

    // --- the transfer reader ------------------------------------------------

    void transferPrices_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("preisart");
        QTest::addColumn<QString>("preisfaktor");
        QTest::newRow("per record") << QStringLiteral(" 0") << QStringLiteral("50.00") << QStringLiteral("€")
                                    << QStringLiteral("40,50"); // 50 × 0.81 fm
        QTest::newRow("per fm") << QStringLiteral(" 1") << QStringLiteral("50,00") << QStringLiteral("€/fm")
                                << QStringLiteral("50,00");
        QTest::newRow("per Rm") << QStringLiteral(" 2") << QStringLiteral("12") << QStringLiteral("€/Rm")
                                << QStringLiteral("12");
        QTest::newRow("none") << QStringLiteral("  ") << QString() << QString() << QString();
    }

    void transferPrices()
    {
        QFETCH(QString, kind);
        QFETCH(QString, price);
        QFETCH(QString, preisart);
        QFETCH(QString, preisfaktor);
        const Parsed parsed =
            parse(file({QStringLiteral("Type: VDE_Habsys"), QStringLiteral("0A   P"),
                        transferLog(QStringLiteral("1R"), QStringLiteral("      1"), kind, price)}));
        QVERIFY(parsed.list);
        QVERIFY(parsed.list->errors.isEmpty());
        QCOMPARE(parsed.list->records.front().Preisart, preisart.isNull() ? QStringLiteral("") : preisart);
        QCOMPARE(parsed.list->records.front().Preisfaktor,
                 preisfaktor.isNull() ? QStringLiteral("") : preisfaktor);
    }

    void transferStackedWoodHasItsFieldsThreeColumnsLater()
    {
        // kind, lot, number field, bark, species, assortment, grade, class,
        // pieces, length, then the 18-character stacked-wood volume block.
        const QString stack =
            QStringLiteral("1S") + QStringLiteral("3  ") + QStringLiteral("      0") + QStringLiteral("o  ") +
            QStringLiteral("Fi ") + QStringLiteral("S  ") + QStringLiteral("   ") + QStringLiteral("    ") +
            QStringLiteral("    1") + QStringLiteral(" 2.0") + QStringLiteral(" 12.00") +
            QStringLiteral(" 0.700") + QStringLiteral("  8.40") +
            QStringLiteral("  1.50  4.00    0.00   0    0.00   0  ") + QStringLiteral("12  3a  b   SoSS") +
            left(QStringLiteral("Stapel am Weg"), 50) + QStringLiteral(" 2") + QLatin1Char(' ') +
            right(QStringLiteral("30"), 8) + dekaFields() + QStringLiteral("Rest");
        const Parsed parsed =
            parse(file({QStringLiteral("Type: VDE_DekaData1.2"), QStringLiteral("0A   S"), stack}));
        QVERIFY(parsed.list);
        QVERIFY2(parsed.list->errors.isEmpty(), qPrintable(lastError(*parsed.list)));
        const store::HolzRow& row = parsed.list->records.front();
        QCOMPARE(row.Stamm, QStringLiteral("0,7"));
        QCOMPARE(row.Kubatur, 8.4);
        QCOMPARE(row.Nutzung, QStringLiteral("21"));
        QCOMPARE(row.Zusatztext, QStringLiteral("Stapel am Weg"));
        QCOMPARE(row.Polter, QStringLiteral("P9"));
        QCOMPARE(row.Stapel, QStringLiteral("Rest"));
    }

    void transferStackSamples()
    {
        const QString line = transferLog(QStringLiteral("1M"), QStringLiteral("      7"),
                                         QStringLiteral("  "), QString(), dekaFields()) +
                             QStringLiteral("30,32, 34,,x,300");
        const Parsed parsed = parse(file({QStringLiteral("Type: VDE_DekaData1.2"), QStringLiteral("0A   M"),
                                          line.left(12) + QStringLiteral("o") + line.mid(13)}));
        QVERIFY(parsed.list);
        const ImportedList& list = *parsed.list;
        const store::HolzRow& row = list.records.front();
        QCOMPARE(row.Stamm, QStringLiteral("Mantl"));
        QCOMPARE(row.Einzelstamm, false);
        QVERIFY(row.Stapel.isNull());
        QCOMPARE(list.samples.size(), size_t(3));
        QList<platform::Message> messages;
        for (int i = 0; i < 3; ++i) {
            const store::MantelRow& sample = list.samples[size_t(i)];
            QCOMPARE(sample.Liste, QStringLiteral("M"));
            QCOMPARE(sample.StapelNr, 7);
            QCOMPARE(sample.Indx, i);
            QCOMPARE(sample.Durchm, 30 + 2 * i);
            double abzug = 2;
            QCOMPARE(sample.Kubatur,
                     double(rules::Kubatur_Mantelstamm(12.5f, float(30 + 2 * i), QStringLiteral("Fichte"),
                                                       QStringLiteral("o"), abzug, barkTable(), messages)));
        }
        QCOMPARE(list.errors.count(), 2); // "x" and 300
    }

    void transferBarkDeductionOfTwoDigits()
    {
        QString line =
            transferLog(QStringLiteral("1R"), QStringLiteral("      1"), QStringLiteral("  "), QString());
        line.replace(40, 2, QStringLiteral("12"));
        const Parsed parsed =
            parse(file({QStringLiteral("Type: Timbernet1.0"), QStringLiteral("0A   T"), line}));
        QVERIFY(parsed.list);
        QCOMPARE(parsed.list->records.front().RindenAbzug, 12);
    }

    // --- the driver ---------------------------------------------------------

    void dialogAndQuestion()
    {
        Workspace w;
        w.settings->set(store::keys::Konvertierung, QStringLiteral("3"));
        w.settings->set(store::keys::VerzeichnisLesen, w.dir.path());

        w.ui.expectOpenFile(std::nullopt);
        w.ui.expectMessage(QStringLiteral("Keine Liste eingelesen"));
        QCOMPARE(w.driver->Liste_Einlesen().outcome, ImportDriver::Result::Outcome::Cancelled);
        const platform::FileChoice choice = w.ui.fileChoices().first();
        QCOMPARE(choice.title, QStringLiteral("Liste einlesen"));
        QCOMPARE(choice.folder, w.dir.path());
        // Handheld, transfer and ELDATsmart files at once, whatever format the
        // export is set to.
        QVERIFY2(choice.filter.startsWith(QStringLiteral("Holzlisten (*.tx1 *.dat *.eldat)")),
                 qPrintable(choice.filter));

        w.ui.expectOpenFile(QString());
        w.ui.expectMessage(QStringLiteral("Keine Liste ausgewählt"));
        w.driver->Liste_Einlesen();

        const QString path =
            w.write(QStringLiteral("in/wald.dat"), bigHandheldFile(QStringLiteral("Wald"), 3));
        w.ui.expectOpenFile(path);
        w.ui.expectMessage(QStringLiteral("Liste '") + path + QStringLiteral("' einlesen ?"), Answer::No);
        QCOMPARE(w.driver->Liste_Einlesen().outcome, ImportDriver::Result::Outcome::Cancelled);
        QVERIFY(listNames(*w.holz).isEmpty());
        QCOMPARE(w.settings->get(store::keys::VerzeichnisLesen), w.dir.file(QStringLiteral("in")));
        QCOMPARE(w.settings->get(store::keys::Konvertierung), QStringLiteral("3"));

        w.ui.expectOpenFile(path);
        w.ui.expectMessage(QStringLiteral("einlesen ?"), Answer::Yes);
        QVERIFY(w.driver->Liste_Einlesen().imported());
        QVERIFY(w.ui.done());
    }

    void importStoresTheWholeList()
    {
        Workspace w;
        w.settings->set(store::keys::Konvertierung, QStringLiteral("1"));
        QStringList lines = handheldHeader(QStringLiteral("Hang Ost"));
        lines << QStringLiteral("LL  1") + left(QStringLiteral("48.1,11.5"), 38) + QStringLiteral("Weg")
              << handheldLog(QStringLiteral("0R"), QStringLiteral("12"))
              << handheldLog(QStringLiteral("0L"), QStringLiteral("12"))
              << QStringLiteral("0R 2    30Zz NL B  4.0 25a 2.00c2b   1.10   0.00XXXXXXXXXXXXX")
              << QStringLiteral("0R 2    31Xy NL B  4.0 25a 2.00c2b   1.10   0.00XXXXXXXXXXXXX")
              << QStringLiteral("0R 2    32Zz NL B  4.0 25a 2.00c2b   1.10   0.00XXXXXXXXXXXXX")
              << QStringLiteral("0E   ");
        const QString path = w.write(QStringLiteral("hang.dat"), file(lines));
        w.ui.expectMessage(QStringLiteral("nicht eingetragen\r\nZz, Xy\r\nDiese werden"));
        const auto result = w.driver->importFile(path);
        QVERIFY(w.ui.done());
        QVERIFY(result.imported());
        QCOMPARE(result.listName, QStringLiteral("HangOst"));
        QCOMPARE(result.records, 5);

        const QList<store::ListenRow> lists = store::ListRepository(*w.holz).all(store::ListenOrder::Unsorted);
        QCOMPARE(lists.size(), 1);
        const store::ListenRow header = lists.first();
        QCOMPARE(header.Name, QStringLiteral("Forstbetrieb Huber"));
        QCOMPARE(header.Datum, QDate(2005, 3, 1));
        QCOMPARE(header.Kubatur, 4.36); // 2 × 0.53 + 3 × 1.10
        QCOMPARE(header.Stueckzahl, 4); // the follow-on log adds no piece
        QCOMPARE(header.NummerHigh, 32);
        QCOMPARE(header.Bearbeitet, QDate::currentDate());
        QCOMPARE(contents(*w.holz, header.Liste).records, 5);
        QCOMPARE(contents(*w.holz, header.Liste).storageRows, 1);
        QCOMPARE(w.settings->get(store::keys::Konvertierung), QStringLiteral("6"));
        QCOMPARE(w.settings->get(store::keys::ListenNr), QStringLiteral("HangOst"));
        // The progress window went up to the last record and is gone again.
        QVERIFY(w.ui.progressLines().contains(QStringLiteral("Liste 'HangOst' einlesen")));
        QCOMPARE(w.ui.progressMaximum(), qint64(5));
        QVERIFY(!w.ui.progressVisible());

        // The same file again: refused by name, nothing added, no empty list.
        w.ui.expectMessage(QStringLiteral("'HangOst'"));
        QCOMPARE(w.driver->importFile(path).outcome, ImportDriver::Result::Outcome::Exists);
        QCOMPARE(w.ui.shown().last().message.title, QStringLiteral("Liste schon vorhanden"));
        QCOMPARE(w.ui.shown().last().message.text, QStringLiteral("Liste schon vorhanden: 'HangOst'"));
        QCOMPARE(listNames(*w.holz), QStringList{QStringLiteral("HangOst")});
        QCOMPARE(contents(*w.holz, QStringLiteral("HangOst")).records, 5);
        QVERIFY(w.ui.done());
    }

    void refusedFilesChangeNothing()
    {
        Workspace w;
        w.settings->set(store::keys::Konvertierung, QStringLiteral("4"));
        const QString path = w.write(QStringLiteral("x.tx1"), "Type: VDE_Forst9\r\n0A   Fremd\r\n1R  1\r\n");
        w.ui.expectMessage(QStringLiteral("Datei ist keine gültige Holzliste"));
        QCOMPARE(w.driver->importFile(path).outcome, ImportDriver::Result::Outcome::Refused);
        QCOMPARE(w.ui.shown().last().message.title, QStringLiteral("Information"));
        QCOMPARE(w.ui.shown().last().message.icon, platform::Icon::Critical);

        w.ui.expectMessage(QStringLiteral("FehlerNr :53"));
        QCOMPARE(w.driver->importFile(w.dir.file(QStringLiteral("fehlt.dat"))).outcome,
                 ImportDriver::Result::Outcome::Failed);
        w.ui.expectMessage(QStringLiteral("FehlerNr :75"));
        w.driver->importFile(w.dir.path());

        QVERIFY(listNames(*w.holz).isEmpty());
        QCOMPARE(w.settings->get(store::keys::Konvertierung), QStringLiteral("4"));
        QVERIFY(w.ui.done());
    }

    // A file far larger than any list is refused before it is read; the
    // limit keeps a stray disk image from taking all memory.
    void oversizedFilesAreRefused()
    {
        Workspace w;
        QFile big(w.dir.file(QStringLiteral("riesig.dat")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.write("0A  Riesig\r\n") > 0);
        QVERIFY(big.resize(ListFile::MaxBytes + 1));
        big.close();
        w.ui.expectMessage(QStringLiteral("Die Datei ist größer als 1024 MB."));
        QCOMPARE(w.driver->importFile(big.fileName()).outcome, ImportDriver::Result::Outcome::Refused);
        QVERIFY(listNames(*w.holz).isEmpty());
        QVERIFY(w.ui.done());
    }

    void valueErrorsAreReportedAtTheEnd()
    {
        Workspace w;
        QStringList lines = handheldHeader(QStringLiteral("Fehler"));
        lines << handheldLog(QStringLiteral("0R"), QStringLiteral("1"), QStringLiteral("   x.53"))
              << handheldLog(QStringLiteral("0R"), QStringLiteral("2"), QStringLiteral("   0.5y"))
              << QStringLiteral("0E   ");
        w.ui.expectMessage(
            QStringLiteral("Fehl.Nr : 13\nBeschr. : Typen unverträglich: Zeile 6, Kubatur „0.5y“"));
        const auto result = w.driver->importFile(w.write(QStringLiteral("f.dat"), file(lines)));
        QVERIFY(result.imported());
        QCOMPARE(result.errors.count(), 2);
        QVERIFY(w.ui.lastMessage().contains(QStringLiteral("2 Werte")));
        QCOMPARE(contents(*w.holz, result.listName).records, 2);
        QVERIFY(w.ui.done());
    }

    // Stack samples come with their record, which is stored while the file
    // is still being read: they name it by its stored Id.
    void stackSamplesNameTheirRecord()
    {
        Workspace w;
        w.ui.tolerateMessages();
        // Records stored before, so positions in the file and stored Ids differ.
        const QString before =
            w.write(QStringLiteral("vorher.dat"), bigHandheldFile(QStringLiteral("Vorher"), 5));
        QVERIFY(w.driver->importFile(before).imported());
        const QString path =
            testing::TestFolder::fixture(QStringLiteral("import/transfer-deka-stack-samples.tx1"));
        QVERIFY(w.driver->importFile(path).imported());
        // Each sample belongs to a stack measured by samples, of its own
        // list and number; every sample of the file is found that way.
        store::TimberStore timber(*w.holz, *w.settings);
        qint64 all = 0;
        for (const QString& list : listNames(*w.holz)) {
            qint64 found = 0;
            store::RecordRepository(*w.holz).forEachRecord(list, QStringLiteral("0"), false,
                                              [&](const store::HolzRow& h) {
                                                  timber.Mantel_Lesen(h.Id);
                                                  const int samples = timber.Mantel.recordCount();
                                                  QVERIFY(samples == 0 || h.isSampleMeasured());
                                                  for (int i = 0; i < samples; ++i) {
                                                      QCOMPARE(timber.Mantel.at(i).Liste, h.Liste);
                                                      QCOMPARE(timber.Mantel.at(i).StapelNr, h.Nummer);
                                                  }
                                                  found += samples;
                                              });
            QCOMPARE(found, contents(*w.holz, list).samples);
            all += found;
        }
        QVERIFY(all > 0);
    }

    void failedWriteLeavesNothing()
    {
        Workspace w;
        // The engine refuses the 3 000th record, as a full disk would.
        testing::StoreFaults::refuseNewRecordNumber(*w.holz, 3000);
        const QString path =
            w.write(QStringLiteral("big.dat"), bigHandheldFile(QStringLiteral("Gross"), 5000));
        w.ui.expectMessage(QStringLiteral("Die Liste wurde nicht eingelesen."));
        QCOMPARE(w.driver->importFile(path).outcome, ImportDriver::Result::Outcome::Failed);
        QVERIFY(!w.ui.progressVisible());
        QVERIFY(listNames(*w.holz).isEmpty());
        QCOMPARE(contents(*w.holz, QStringLiteral("Gross")).records, 0);
        QCOMPARE(w.settings->get(store::keys::ListenNr), QString());
        testing::StoreFaults::allowNewRecords(*w.holz);

        // Nothing half done stands in the way of the next attempt.
        QVERIFY(w.driver->importFile(path).imported());
        QCOMPARE(contents(*w.holz, QStringLiteral("Gross")).records, 5000);
        QVERIFY(w.ui.done());
    }

    void killedImportLeavesNothing()
    {
        Workspace w;
        addEmptyList(*w.holz, QStringLiteral("Vorher"));
        const QString path =
            w.write(QStringLiteral("big.dat"), bigHandheldFile(QStringLiteral("Abbruch"), 20000));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--import-child"), w.folder.path(), path, w.folder.server().text()});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(60000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("storing"));
        child.kill();
        child.waitForFinished();

        auto db = store::Database::open(w.folder.holzDb(), store::DatabaseKind::Holz);
        QVERIFY(sound(*db));
        QCOMPARE(listNames(*db), QStringList{QStringLiteral("Vorher")});
        QCOMPARE(contents(*db, QStringLiteral("Abbruch")).records, 0);
    }

    void menuEntryStandsOnTheNewList()
    {
        Workspace w;
        addEmptyList(*w.holz, QStringLiteral("Alt"));
        store::TimberStore timber(*w.holz, *w.settings);
        timber.Listen_Oeffnen(store::ListenOrder::ListeAsc);
        const QString path = w.write(QStringLiteral("neu.dat"), bigHandheldFile(QStringLiteral("Neu"), 2));
        w.ui.expectOpenFile(path);
        w.ui.expectMessage(QStringLiteral("einlesen ?"), Answer::Yes);
        QCOMPARE(w.driver->mnuEinlesen_Click(timber), std::optional<QString>(QStringLiteral("Neu")));
        QCOMPARE(timber.Listen.recordCount(), 2);
        QCOMPARE(timber.Listen.current().Liste, QStringLiteral("Neu"));
        QVERIFY(timber.Holzliste_Oeffnen());
        QCOMPARE(timber.Holz.recordCount(), 2);
        QCOMPARE(timber.HoechsteNummer, 2);

        w.ui.expectOpenFile(std::nullopt);
        w.ui.expectMessage(QStringLiteral("Keine Liste eingelesen"));
        QCOMPARE(w.driver->mnuEinlesen_Click(timber), std::nullopt);
        QVERIFY(w.ui.done());
    }

    void masterDataMenu()
    {
        Workspace w;
        w.ui.expectOpenFile(std::nullopt);
        QVERIFY(!w.driver->mnuStammdaten_Click());
        QVERIFY(!w.ui.busy());
        QVERIFY(w.ui.fileChoices().last().filter.startsWith(QStringLiteral("Holzlisten (*.dat)")));

        const QString good = w.write(QStringLiteral("st/neu.dat"),
                                     "[bezeichnung]\r\nTestland;3\r\n[holzarten]\r\nZeder;Ze;1;N\r\n");
        w.ui.expectOpenFile(good);
        QVERIFY(w.driver->mnuStammdaten_Click());
        QVERIFY(!w.ui.busy());
        QCOMPARE(w.settings->get(store::keys::VerzeichnisLesen), w.dir.file(QStringLiteral("st")));
        QCOMPARE(store::MasterData(*w.master).species(3).size(), 1);

        const QString bad = w.write(QStringLiteral("st/bad.dat"), "[bezeichnung]\r\nLand;x\r\n");
        w.ui.expectOpenFile(bad);
        w.ui.expectMessage(QStringLiteral("Fehler in Zeile 2"));
        QVERIFY(!w.driver->mnuStammdaten_Click());
        QCOMPARE(w.ui.shown().last().message.title, QStringLiteral("Stammdaten"));
        QVERIFY(!w.ui.busy());
        QVERIFY(w.ui.done());
    }

    // --- the malformed-file collection ---------------------------------------

    void corpus_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("fragment");
        QFile manifest(testing::TestFolder::fixture(QStringLiteral("import/manifest.txt")));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        int rows = 0;
        for (const QString& line : QString::fromUtf8(manifest.readAll()).split(QLatin1Char('\n'))) {
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList f = line.split(QLatin1Char('\t'));
            QCOMPARE(f.size(), 5);
            QTest::newRow(qPrintable(f[0])) << f[0] << f[1] << f[2] << f[3].toInt() << f[4];
            ++rows;
        }
        QVERIFY(rows >= 40);
    }

    // All files go into one database, in the manifest's order: after each,
    // the database is sound and holds the lists it held before, plus the
    // one new list when the file was imported.
    void corpus()
    {
        QFETCH(QString, file);
        QFETCH(QString, outcome);
        QFETCH(QString, list);
        QFETCH(int, records);
        QFETCH(QString, fragment);
        if (!m_corpus)
            m_corpus = std::make_unique<Workspace>();
        Workspace& w = *m_corpus;
        w.ui.clear();
        w.ui.tolerateMessages();
        const QStringList before = listNames(*w.holz);
        const qint64 recordsBefore = recordsOfAllLists(*w.holz);

        const auto result =
            w.driver->importFile(testing::TestFolder::fixture(QStringLiteral("import/") + file));

        QVERIFY(sound(*w.holz));
        const QStringList messages = w.ui.messageTexts();
        if (outcome == QLatin1String("imported")) {
            QCOMPARE(result.outcome, ImportDriver::Result::Outcome::Imported);
            QCOMPARE(result.listName, list);
            QStringList expected = before;
            expected << list;
            std::sort(expected.begin(), expected.end());
            QStringList after = listNames(*w.holz);
            std::sort(after.begin(), after.end());
            QCOMPARE(after, expected);
            QCOMPARE(contents(*w.holz, list).records, records);
            QCOMPARE(recordsOfAllLists(*w.holz), recordsBefore + records);
            if (fragment == QLatin1String("-"))
                QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
            else
                QVERIFY2(messages.join(QLatin1Char('|')).contains(fragment),
                         qPrintable(messages.join(QLatin1Char('|'))));
            return;
        }
        QCOMPARE(listNames(*w.holz), before);
        QCOMPARE(recordsOfAllLists(*w.holz), recordsBefore);
        QCOMPARE(messages.size(), 1);
        if (outcome == QLatin1String("exists")) {
            QCOMPARE(result.outcome, ImportDriver::Result::Outcome::Exists);
            QCOMPARE(w.ui.shown().first().message.title, QStringLiteral("Liste schon vorhanden"));
        } else {
            QCOMPARE(outcome, QStringLiteral("refused"));
            QCOMPARE(result.outcome, ImportDriver::Result::Outcome::Refused);
            QVERIFY(messages.first().startsWith(QStringLiteral("Datei ist keine gültige Holzliste")));
            QVERIFY2(messages.first().contains(fragment), qPrintable(messages.first()));
        }
    }

    // --- the command line -----------------------------------------------------

    void commandLine()
    {
        testing::TestFolder dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STEMMO_SETTINGS"), dir.file(QStringLiteral("Stemmo.ini")));
        auto run = [&](const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr) {
            QProcess stemmo;
            stemmo.setProcessEnvironment(env);
            stemmo.start(QStringLiteral(STEMMO_CLI),
                         QStringList{QStringLiteral("--data"), dir.file(QStringLiteral("d"))} + args);
            stemmo.waitForFinished(60000);
            if (out)
                *out = stemmo.readAllStandardOutput();
            if (err)
                *err = stemmo.readAllStandardError();
            return stemmo.exitCode();
        };
        const QString good = dir.write(QStringLiteral("gut.dat"), bigHandheldFile(QStringLiteral("Cli"), 4));
        QByteArray out, err;
        QCOMPARE(run({QStringLiteral("import"), good}, &out), 0);
        QVERIFY2(out.contains("Liste 'Cli' eingelesen (eg10): 4 Datens"), out.constData());
        QCOMPARE(run({QStringLiteral("import"), good}, nullptr, &err), 1);
        QVERIFY2(err.contains("Liste schon vorhanden"), err.constData());
        QCOMPARE(run({QStringLiteral("import"), dir.write(QStringLiteral("leer.dat"), QByteArray())}, nullptr,
                     &err),
                 1);
        QVERIFY(err.contains("keine g\xC3\xBCltige Holzliste"));

        QStringList lines = handheldHeader(QStringLiteral("Cli2"));
        lines << handheldLog(QStringLiteral("0R"), QStringLiteral("1"), QStringLiteral("  zz.53"));
        QCOMPARE(run({QStringLiteral("--json"), QStringLiteral("import"),
                      dir.write(QStringLiteral("f.dat"), file(lines))},
                     &out, &err),
                 3);
        QVERIFY(err.contains("Fehl.Nr : 13"));
        QVERIFY2(out.contains("\"fehler_anzahl\": 1"), out.constData());
        QVERIFY(out.contains("\"liste\": \"Cli2\""));

        // Cut off after a whole record line: stored, but not as a success.
        QByteArray cut = bigHandheldFile(QStringLiteral("Cli3"), 6);
        cut.truncate(cut.lastIndexOf("0E"));
        QCOMPARE(run({QStringLiteral("import"), dir.write(QStringLiteral("cut.dat"), cut)}, &out, &err), 3);
        QVERIFY2(err.contains("unvollst\xC3\xA4ndig: 6 Datens\xC3\xA4tze wurden gelesen"), err.constData());
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--import-child")
        return importChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                           QString::fromLocal8Bit(argv[4]));
    TestImport import;
    TestPropertyRoundTrip property;
    int failed = QTest::qExec(&import, argc, argv);
    return failed + QTest::qExec(&property, argc, argv);
}

#include "tst_import.moc"
