// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the report program: padding, header text, list header
// block, assortment summary, species codes and document names.
#include "tests/store/ListFixture.h"

#include "report/AssortmentSummary.h"
#include "report/DocumentFiles.h"
#include "report/HolzartCodes.h"
#include "report/RecordCells.h"
#include "report/ReportTexts.h"

#include <QTest>

using namespace report;
using fixture::Log;

namespace {

const QChar CR(13);

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString headerLine()
{
    return ReportTexts::padLine(
        QStringLiteral("Holzart;Sorte ;Güte  ;Stück ;Kubatur;Kubaturges.").split(QLatin1Char(';')));
}

QString closing(const QString& total)
{
    return QLatin1Char('-') + blanks(82) + QStringLiteral("__________") + CR + QLatin1Char('-') + blanks(78) +
           QStringLiteral("Gesamt  ") + total + CR + QStringLiteral("-  ") + CR;
}

} // namespace

class TestReportTexts : public QObject {
    Q_OBJECT
private slots:
    void padding_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("blanks");
        QTest::newRow("empty") << QString() << 15;
        QTest::newRow("3") << QStringLiteral("Kie") << 14;
        QTest::newRow("4") << QStringLiteral("L 2b") << 15;
        QTest::newRow("5") << QStringLiteral("Stück") << 11;
        QTest::newRow("6 Fichte") << QStringLiteral("Fichte") << 7;
        QTest::newRow("7") << QStringLiteral("Kubatur") << 6;
        QTest::newRow("8") << QStringLiteral("12345678") << 11;
        QTest::newRow("11") << QStringLiteral("Kubaturges.") << 11;
        QTest::newRow("12") << QStringLiteral("123456789012") << 0;
    }
    void padding()
    {
        QFETCH(QString, field);
        QFETCH(int, blanks);
        QCOMPARE(ReportTexts::padField(field), field + QString(blanks, QLatin1Char(' ')));
    }

    void paddedLineJoinsWithoutSeparators()
    {
        QCOMPARE(ReportTexts::padLine({QStringLiteral("Fi"), QStringLiteral("Kubatur")}),
                 QStringLiteral("Fi") + blanks(15) + QStringLiteral("Kubatur") + blanks(6));
    }

    void headerTextSkipsEmptyFields()
    {
        store::ListenRow list;
        list.Liste = QStringLiteral("Probe");
        list.Strasse = QStringLiteral("Waldweg 3");
        list.Ort = QStringLiteral("Zwiesel");
        list.Forstamt = QStringLiteral("not part of it");
        QCOMPARE(ReportTexts::headerText(list), QStringLiteral("Probe\nWaldweg 3\nZwiesel\n\n"));
    }

    void headerBlockJoinsRelatedFields()
    {
        store::ListenRow list;
        list.Liste = QStringLiteral("Probe");
        list.Name = QStringLiteral("Huber");
        list.Ort = QStringLiteral("Zwiesel");
        list.Forstamt = QStringLiteral("Bodenmais");
        list.Revier = QStringLiteral("3");
        list.UAbt = QStringLiteral("b");
        list.Zusatztext = QStringLiteral("remark");
        list.Kubatur = 12.5;
        list.Datum = QDate(2026, 3, 1);
        const auto block = ReportTexts::listHeaderBlock(list);
        QStringList lines;
        for (const auto& line : block) {
            QStringList fields;
            for (const auto& field : line)
                fields << field.caption + QLatin1Char('=') + field.value;
            lines << fields.join(QLatin1Char(' '));
        }
        QCOMPARE(lines,
                 (QStringList{QStringLiteral("Name=Huber"), QStringLiteral("Ort=Zwiesel Forstamt=Bodenmais"),
                              QStringLiteral("Revier=3 UAbt=b"), QStringLiteral("Datum=01.03.2026"),
                              QStringLiteral("Stückzahl=0")}));
    }

    void followOnPiecesAddVolumeButNoPieces()
    {
        // One log measured in three pieces: two are follow-on pieces.
        const QList<store::WorkRow> rows{
            fixture::workRow(Log{.nummer = 1, .kubatur = 0.5}),
            fixture::workRow(Log{.nummer = 2, .kubatur = 0.4, .folgestamm = true}),
            fixture::workRow(Log{.nummer = 3, .kubatur = 0.3, .folgestamm = true})};
        const auto summary = AssortmentSummary::build(
            QStringLiteral("Probe"), {fixture::species(QStringLiteral("Fichte"), QStringLiteral("FI"))},
            rows);
        QCOMPARE(summary.species().size(), 1);
        QCOMPARE(summary.species().first().pieces, 1);
        QCOMPARE(summary.species().first().groups.first().volume, 1.2);
        const QString group =
            ReportTexts::padLine({QStringLiteral("FI"), QStringLiteral("L 2b"), QStringLiteral("B "),
                                  QStringLiteral("1"), QStringLiteral("1,20"), QStringLiteral(" ")});
        const QString total =
            ReportTexts::padLine({QStringLiteral("FI"), blanks(21), QStringLiteral(" "), QStringLiteral("1 "),
                                  QStringLiteral("1,20"), QString()}) +
            blanks(19);
        QCOMPARE(summary.text(false), QStringLiteral("Sortenzusammenstellung zu Holzliste Probe") + CR + CR +
                                          headerLine() + CR + CR + group + CR + CR + total +
                                          closing(QStringLiteral("1,20")));
        QCOMPARE(summary.lineCount(), 5);
    }

    void groupWithoutPiecesCountsOnlyInTotals()
    {
        const QList<store::WorkRow> rows{
            fixture::workRow(Log{.nummer = 1, .guete = QStringLiteral("B "), .kubatur = 0.5}),
            fixture::workRow(
                Log{.nummer = 2, .guete = QStringLiteral("C "), .kubatur = 0.25, .folgestamm = true}),
            fixture::workRow(Log{.nummer = 0, .guete = QStringLiteral("D "), .stueck = 0, .kubatur = 1})};
        const auto summary = AssortmentSummary::build(QStringLiteral("Probe"), {}, rows);
        const auto& fichte = summary.species().first();
        QCOMPARE(fichte.groups.size(), 1);
        QCOMPARE(fichte.groups.first().guete, QStringLiteral("B "));
        QCOMPARE(fichte.volume, 1.75);
        QCOMPARE(summary.totalVolume(), 1.75);
        QVERIFY(summary.text(false).contains(QStringLiteral("Gesamt  1,75")));
    }

    void groupsBySortClassAndGrade()
    {
        // Codes compare trimmed and without regard to case; groups come in code order.
        const QList<store::WorkRow> rows{
            fixture::workRow(
                Log{.sorte = QStringLiteral("L "), .staerke = QStringLiteral("3a"), .kubatur = 1}),
            fixture::workRow(
                Log{.sorte = QStringLiteral("IL"), .staerke = QStringLiteral("2b"), .kubatur = 2}),
            fixture::workRow(
                Log{.sorte = QStringLiteral("l "), .staerke = QStringLiteral("3A"), .kubatur = 4}),
            fixture::workRow(
                Log{.sorte = QStringLiteral("L "), .staerke = QStringLiteral("2b"), .kubatur = 8})};
        const auto groups = AssortmentSummary::build(QStringLiteral("P"), {}, rows).species().first().groups;
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups.at(0).sorte + groups.at(0).staerke, QStringLiteral("IL2b"));
        QCOMPARE(groups.at(1).sorte + groups.at(1).staerke, QStringLiteral("L 2b"));
        QCOMPARE(groups.at(2).pieces, 2);
        QCOMPARE(groups.at(2).volume, 5.0);
    }

    void codesGroupWithoutTrailingBlanks()
    {
        // "L" and "L " are one assortment, "B" and "B " one grade, even where
        // another group falls between them in the order of the stored codes.
        const QList<store::WorkRow> rows{
            fixture::workRow(Log{.sorte = QStringLiteral("L "), .staerke = QStringLiteral("2b"),
                                 .guete = QStringLiteral("B "), .kubatur = 1}),
            fixture::workRow(Log{.sorte = QStringLiteral("L "), .staerke = QStringLiteral("2a"),
                                 .guete = QStringLiteral("C "), .kubatur = 2}),
            fixture::workRow(Log{.sorte = QStringLiteral("L"), .staerke = QStringLiteral("2b"),
                                 .guete = QStringLiteral("B"), .kubatur = 4}),
            fixture::workRow(Log{.sorte = QStringLiteral("L"), .staerke = QStringLiteral("2a"),
                                 .guete = QStringLiteral("C  "), .kubatur = 8})};
        const auto groups = AssortmentSummary::build(QStringLiteral("P"), {}, rows).species().first().groups;
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups.at(0).staerke, QStringLiteral("2a"));
        QCOMPARE(groups.at(0).guete.trimmed(), QStringLiteral("C"));
        QCOMPARE(groups.at(0).pieces, 2);
        QCOMPARE(groups.at(0).volume, 10.0);
        QCOMPARE(groups.at(1).sorte.trimmed(), QStringLiteral("L"));
        QCOMPARE(groups.at(1).guete.trimmed(), QStringLiteral("B"));
        QCOMPARE(groups.at(1).pieces, 2);
        QCOMPARE(groups.at(1).volume, 5.0);
    }

    void speciesInRegionOrderThenUnknownOnes()
    {
        const QList<store::HolzartRow> region{
            fixture::species(QStringLiteral("Kiefer"), QStringLiteral("KI"), 0),
            fixture::species(QStringLiteral("Fichte"), QStringLiteral("FI"), 1),
            fixture::species(QStringLiteral("Buche"), QStringLiteral("BU"), 2)};
        const QList<store::WorkRow> rows{fixture::workRow(Log{.holzart = QStringLiteral("Zeder")}),
                                         fixture::workRow(Log{.holzart = QStringLiteral("fichte")}),
                                         fixture::workRow(Log{.holzart = QStringLiteral("Kiefer")})};
        const auto summary = AssortmentSummary::build(QStringLiteral("P"), region, rows);
        QStringList codes;
        for (const auto& species : summary.species())
            codes << species.code;
        // Buche has no records and gives no line at all.
        QCOMPARE(codes, (QStringList{QStringLiteral("KI"), QStringLiteral("FI"), QStringLiteral("Zed")}));
        QCOMPARE(summary.totalVolume(), 1.5);
    }

    void regionWithoutSpecies()
    {
        // No records either: title, head and the closing lines with 0,00.
        const auto empty = AssortmentSummary::build(QStringLiteral("Leer"), {}, {});
        QCOMPARE(empty.text(false), QStringLiteral("Sortenzusammenstellung zu Holzliste Leer") + CR + CR +
                                        headerLine() + CR + closing(QStringLiteral("0,00")));
        QCOMPARE(empty.text(true), QStringLiteral("Sortenzusammenstellung zu Holzliste Leer") + CR + CR +
                                       headerLine() + CR + closing(QStringLiteral("0.00")));
        // Records of species the region does not know still count.
        const auto rows =
            AssortmentSummary::build(QStringLiteral("P"), {}, {fixture::workRow(Log{.kubatur = 2.5})});
        QCOMPARE(rows.species().size(), 1);
        QCOMPARE(rows.species().first().code, QStringLiteral("Fic"));
        QVERIFY(rows.text(false).contains(QStringLiteral("Gesamt  2,50")));
    }

    void speciesCodes_data()
    {
        QTest::addColumn<QString>("species");
        QTest::addColumn<bool>("follow");
        QTest::addColumn<bool>("bracket");
        QTest::addColumn<QString>("expected");
        QTest::newRow("known") << QStringLiteral("Fichte") << false << false << QStringLiteral("FI");
        QTest::newRow("case") << QStringLiteral("FICHTE ") << false << false << QStringLiteral("FI");
        QTest::newRow("follow-on") << QStringLiteral("Fichte") << true << false << QStringLiteral("F*FI");
        QTest::newRow("bracket") << QStringLiteral("Fichte") << false << true << QStringLiteral("K*FI");
        QTest::newRow("both") << QStringLiteral("Fichte") << true << true << QStringLiteral("K*F*FI");
        QTest::newRow("missing code")
            << QStringLiteral("Douglasie") << false << false << QStringLiteral("Dou");
        QTest::newRow("blank code") << QStringLiteral("Eibe") << false << false << QStringLiteral("Eib");
        QTest::newRow("short name") << QStringLiteral("Ei") << true << false << QStringLiteral("F*Ei");
    }
    void speciesCodes()
    {
        QFETCH(QString, species);
        QFETCH(bool, follow);
        QFETCH(bool, bracket);
        QFETCH(QString, expected);
        const HolzartCodes codes({fixture::species(QStringLiteral("Fichte"), QStringLiteral("FI")),
                                  fixture::species(QStringLiteral("Eibe"), QStringLiteral("  "))});
        QCOMPARE(codes.recordCode(species, follow, bracket), expected);
    }

    void recordCells()
    {
        Log log{.nummer = 0, .laenge = 4.5, .durchm = 31, .stueck = 12, .kubatur = 3.456};
        const QStringList cells = RecordCells::cells(fixture::workRow(log), QStringLiteral("FI"), false);
        QCOMPARE(cells, (QStringList{QStringLiteral("FI"), QStringLiteral("0"), QStringLiteral("1"),
                                     QStringLiteral("12"), QStringLiteral("4,50"), QStringLiteral("31"),
                                     QStringLiteral("L"), QStringLiteral("2b"), QStringLiteral("B"),
                                     QStringLiteral("3,46"), QStringLiteral("2")}));
        QCOMPARE(RecordCells::listCells(fixture::workRow(log), false).size(),
                 RecordCells::listTitles().size());
    }

    void documentNames_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("lot");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole list") << QStringLiteral("Probe") << -1 << QStringLiteral("Probe.docx");
        QTest::newRow("lot") << QStringLiteral("Probe") << 3 << QStringLiteral("ProbeLos3.docx");
        QTest::newRow("umlauts") << QStringLiteral("Säge & Söhne") << 12
                                 << QStringLiteral("Säge & SöhneLos12.docx");
        QTest::newRow("separators") << QStringLiteral("../a/b\\c") << -1 << QStringLiteral("___a_b_c.docx");
        QTest::newRow("reserved") << QStringLiteral("a:b*c?") << -1 << QStringLiteral("a_b_c_.docx");
        QTest::newRow("empty") << QStringLiteral("  ") << -1 << QStringLiteral("Holzliste.docx");
    }
    void documentNames()
    {
        QFETCH(QString, list);
        QFETCH(int, lot);
        QFETCH(QString, expected);
        QCOMPARE(DocumentFiles::documentName(list, lot < 0 ? std::nullopt : std::optional<int>(lot)),
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestReportTexts)
#include "tst_report_texts.moc"
