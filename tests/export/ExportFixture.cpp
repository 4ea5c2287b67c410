// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportFixture.h"

#include "store/ListImportWriter.h"
#include "store/LotRegister.h"
#include "store/MasterDataWriter.h"
#include "store/MasterRows.h"
#include "store/SettingKeys.h"
#include "store/Transaction.h"

using namespace store;

namespace {

void addSpecies(MasterDataWriter& writer, const char* name, const char* k1, const char* k2, const char* k3,
                const char* nl, int order)
{
    HolzartRow row;
    row.Holzart = QString::fromUtf8(name);
    row.Kuerzel1 = QString::fromUtf8(k1);
    row.Kuerzel2 = QString::fromUtf8(k2);
    row.Kuerzel3 = QString::fromUtf8(k3);
    row.IndexRinde = 1;
    row.IndexLand = 8;
    row.IndexHolzart = order;
    row.NL = QString::fromUtf8(nl);
    writer.saveSpecies(row);
}

CodeRow code(const char* kuerzel, int indx)
{
    return {QStringLiteral("Name %1").arg(indx), QString::fromUtf8(kuerzel), indx};
}

HolzRow base(int los, const char* holzart, const char* sorte, const char* guete, const char* staerke)
{
    HolzRow row;
    row.Los = los;
    row.Holzart = QString::fromUtf8(holzart);
    row.Sorte = QString::fromUtf8(sorte);
    row.Guete = QString::fromUtf8(guete);
    row.Staerke = QString::fromUtf8(staerke);
    row.Stueck = 1;
    row.Stamm = QStringLiteral("1");
    row.Rinde = QStringLiteral(" ");
    row.Nutzung = QStringLiteral("00");
    return row;
}

// A stack of lot 2, 2 m wide.
HolzRow stackOf(const char* holzart, const char* sorte, double laenge, double hoehe, const char* factor,
                double kubatur)
{
    HolzRow row = base(2, holzart, sorte, "-", "");
    row.Laenge = laenge;
    row.Durchm = 2.0;
    row.Hoehe = hoehe;
    row.Stamm = QString::fromUtf8(factor);
    row.Rinde = QStringLiteral("o");
    row.Kubatur = kubatur;
    return row;
}

void priced(HolzRow& row, const char* preisart, const char* preisfaktor)
{
    row.Preisart = QString::fromUtf8(preisart);
    row.Preisfaktor = QString::fromUtf8(preisfaktor);
}

} // namespace

HolzRow ExportFixture::log(int los, int nummer, const char* holzart, const char* guete, const char* staerke,
                           double laenge, double durchm, const char* rinde, int abzug, double kubatur)
{
    HolzRow row = base(los, holzart, "L ", guete, staerke);
    row.Einzelstamm = true;
    row.Nummer = nummer;
    row.Laenge = laenge;
    row.Durchm = durchm;
    row.Rinde = QString::fromUtf8(rinde);
    row.RindenAbzug = abzug;
    row.Kubatur = kubatur;
    return row;
}

ExportFixture::ExportFixture()
    : holz(Database::open(dir.holz(), DatabaseKind::Holz)),
      master(Database::open(dir.master(), DatabaseKind::MasterData)),
      settings(dir.file(QStringLiteral("Stemmo.ini"))), timber(*holz, settings)
{
    // The code table and the photos beside a server's database stay in
    // this case's folder too.
    holz->setLocalFolder(dir.path());
    master->setLocalFolder(dir.path());
    settings.set(keys::RegionIndex, QStringLiteral("8"));
    settings.set(keys::Sortierung, QStringLiteral("0"));
    Transaction transaction(*master);
    MasterDataWriter writer(*master);
    addSpecies(writer, "Fichte", "Fi", "FI", "FIC", "N", 0);
    addSpecies(writer, "Buche", "Bu", "", "BU", "L", 1); // second code column empty
    addSpecies(writer, "Kiefer", "Kie", "KI", "KIE", "N", 2);
    addSpecies(writer, "Eiche", "Ei", "EI", "", "L", 3); // third code column empty
    for (const auto& [kuerzel, indx] : {std::pair{"", 0}, {"So", 1}, {"JP", 2}, {"JD", 3}, {"AD", 4}})
        writer.saveNutzungsart(QString::fromUtf8(kuerzel), code(kuerzel, indx));
    for (const auto& [kuerzel, indx] : {std::pair{"", 0}, {"Zu", 1}, {"SS", 2}, {"St", 3}})
        writer.saveEinschlagtyp(QString::fromUtf8(kuerzel), code(kuerzel, indx));
    transaction.commit();
}

ListenRow ExportFixture::goldenHeader()
{
    ListenRow list;
    list.Liste = QStringLiteral("Probe");
    list.Name = QStringLiteral("Forstbetrieb Müller");
    list.Strasse = QStringLiteral("Waldweg 3");
    list.Ort = QStringLiteral("Bad Kötzting");
    list.Forstamt = QStringLiteral("12");
    list.Revier = QStringLiteral("3");
    list.Abteilung = QStringLiteral("12a");
    list.UAbt = QStringLiteral("2");
    list.Bestand = QStringLiteral("b1");
    list.Lagerplatz = QStringLiteral("Weg Süd");
    list.Datum = QDate(2024, 3, 15);
    list.Zusatztext = QStringLiteral("Sturmholz Süd");
    return list;
}

QList<HolzRow> ExportFixture::goldenRecords(bool withBigPieceRow)
{
    QList<HolzRow> rows;
    HolzRow first = log(1, 1, "Fichte", "B ", "2b", 4.25, 35, "a", 2, 0.36);
    first.Nutzung = QStringLiteral("23");
    priced(first, "€/fm", "45,50");
    first.Zusatztext = QStringLiteral("Käferbefall");
    first.Abteilung = QStringLiteral("12a");
    first.RF = QStringLiteral("RF01");
    first.AArt = 3;
    first.Rotte = QStringLiteral("R1");
    first.AbrNr = QStringLiteral("A123");
    first.EST1 = 1;
    first.EST2 = 2;
    first.EST3 = -1;
    first.EST4 = QStringLiteral("E4");
    first.EST5 = QStringLiteral("E5");
    first.Polter = QStringLiteral("P7");
    rows << first;

    HolzRow bracketed = log(1, 2, "Fichte", "C ", "3a", 12.0, 41, "m", 2, 1.58);
    bracketed.Klammerstamm = true;
    bracketed.AArt = bracketed.EST1 = bracketed.EST2 = bracketed.EST3 = -1; // as an imported list has them
    rows << bracketed;

    HolzRow followOn = log(1, 3, "Fichte", "BC", "2b", 6.5, 33, "a", 2, 0.48);
    followOn.Folgestamm = true;
    rows << followOn;

    HolzRow threePieces = log(1, 4, "Kiefer", "D ", "1b", 5.0, 22, "o", 0, 0.57);
    threePieces.Stueck = 3;
    threePieces.Nutzung = QStringLiteral("10");
    rows << threePieces;

    HolzRow assortment = base(2, "Buche", "IL", "C ", "2a");
    assortment.Laenge = 4.0;
    assortment.Durchm = 28;
    assortment.Rinde = QStringLiteral("a");
    assortment.RindenAbzug = 2;
    assortment.Stueck = 12;
    assortment.Kubatur = 2.66;
    assortment.Nutzung = QStringLiteral("35");
    priced(assortment, "€", "199,50");
    assortment.Zusatztext = QStringLiteral("Sortiment, Stärke 2a");
    rows << assortment;

    HolzRow lengthClass = base(2, "Eiche", "H ", "B ", "3");
    lengthClass.Nummer = 1;
    lengthClass.Laenge = 3.0;
    lengthClass.Durchm = 45;
    lengthClass.Stueck = 4;
    lengthClass.Kubatur = 1.91;
    lengthClass.Nutzung = QString();
    rows << lengthClass;

    HolzRow stack = stackOf("Fichte", "S ", 8.5, 1.5, "1", 25.5);
    priced(stack, "€", "510");
    stack.Zusatztext = QStringLiteral("Polter 4");
    rows << stack;

    HolzRow industrialStack = stackOf("Buche", "IS", 6.0, 1.8, "0,7", 15.12);
    priced(industrialStack, "€/Rm", "18,00");
    rows << industrialStack;

    HolzRow manyPieces = base(3, "Fichte", "P ", "C ", "1a");
    manyPieces.Stueck = 1500;
    manyPieces.Rinde = QStringLiteral("o");
    manyPieces.Kubatur = 12.5;
    if (withBigPieceRow)
        rows << manyPieces;

    HolzRow pieces = base(3, "Fichte", "P ", "C ", "1b");
    pieces.Stueck = 40;
    pieces.Rinde = QStringLiteral("o");
    pieces.Kubatur = 3.2;
    pieces.Zusatztext = QStringLiteral("Stangen für den Zaunbau am Weg Süd, gebündelt zu zehn"); // 53
    rows << pieces;

    for (const auto& [nummer, staerke, laenge, durchm, kubatur] :
         {std::tuple{5, "3b", 10.0, 48.0, 1.67}, {6, "3a", 11.5, 44.0, 1.62}}) {
        HolzRow unknown = log(3, nummer, "Lärche", "B ", staerke, laenge, durchm, "a", 3, kubatur);
        unknown.Nutzung = QStringLiteral("21");
        rows << unknown;
    }
    return rows;
}

QList<LagerRow> ExportFixture::goldenStorage()
{
    auto place = [](double los, const char* gps, const char* ort, const char* zusatz) {
        LagerRow row;
        row.Los = los;
        row.GPS = QString::fromUtf8(gps);
        row.Lagerort = QString::fromUtf8(ort);
        row.Zusatz1 = QString::fromUtf8(zusatz);
        return row;
    };
    // Stored out of order: the export writes them by lot and skips lot 0.
    return {place(2, "", "Hof", ""), place(0, "47.0,11.0", "nicht schreiben", ""),
            place(1, "48.1234,11.5678", "Waldweg Süd", "LKW-fähig")};
}

void ExportFixture::addList(ListenRow header, QList<HolzRow> records, const QList<LagerRow>& storage)
{
    header.Los = LotRegister::initial();
    header.Kubatur = 0;
    for (const HolzRow& row : records)
        header.Kubatur += row.Kubatur;
    ListImportWriter writer(*holz);
    if (!writer.begin(header.Liste))
        qFatal("list %s exists already", qPrintable(header.Liste));
    int satzNr = 0;
    for (HolzRow& row : records) {
        row.SatzNr = ++satzNr;
        row.Liste = header.Liste;
        writer.addRecord(row);
    }
    std::vector<LagerRow> places(storage.begin(), storage.end());
    for (LagerRow& row : places)
        row.Liste = header.Liste;
    writer.finish(header, places, {});
}

bool ExportFixture::select(const QString& name)
{
    timber.Listen_Oeffnen();
    return timber.moveToList(name);
}

ListenRow ExportFixture::listRow(const QString& name)
{
    select(name);
    return timber.Listen.current();
}
