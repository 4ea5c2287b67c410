// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferWriter.h"

#include "ExportJob.h"
#include "Fields.h"
#include "FixedLine.h"
#include "LineSink.h"

namespace exporter {

using namespace fields;

namespace {

// What each variant carries.
struct Traits {
    const char* typeLine;
    bool adLine;       // "AD" title line
    bool standLines;   // "UA", "BE"
    bool officeLines;  // "0L", "0M"
    bool storageLines; // "LL"
    bool fixedHeight;  // height block always the empty one
    bool price;        // fields 15-17
    bool extraFields;  // fields 18-28
    int remarkLength;  // how much of Zusatztext goes into its 50 columns
};

const Traits& traits(TransferWriter::Variant variant)
{
    static const Traits habsys{"Type: VDE_Habsys", false, false, false, true, false, true, false, 40};
    static const Traits latschbacher{"Type: VDE_GERMAN", true, false, true, false, true, false, false, 50};
    static const Traits dekaData{"Type: VDE_DekaData1.2", false, true, true, true, false, true, true, 50};
    static const Traits timbernet{"Type: Timbernet1.0", false, true, true, true, false, true, true, 50};
    switch (variant) {
    case TransferWriter::Variant::Habsys:
        return habsys;
    case TransferWriter::Variant::Latschbacher:
        return latschbacher;
    case TransferWriter::Variant::DekaData:
        return dekaData;
    case TransferWriter::Variant::Timbernet:
        break;
    }
    return timbernet;
}

constexpr QLatin1StringView EmptyHeight("    0.00   0    0.00   0    0.00   0  ");
constexpr QLatin1StringView EmptyHeightTail("    0.00   0    0.00   0  ");

QLatin1StringView kindCode(const store::HolzRow& row)
{
    if (isPieceRow(row))
        return QLatin1StringView("1P");
    return row.isStackedWood() ? QLatin1StringView("1S") : QLatin1StringView("1R");
}

void volumeBlock(FixedLine& line, const store::HolzRow& row)
{
    if (row.isStackedWood()) {
        line.right(6, volume(volumeBeforeFactor(row)))
            .right(6, fixed(factor(row), 3))
            .right(6, volume(row.Kubatur));
        return;
    }
    // A part of the log block that does not fit stays blank.
    line.optionalRight("Durchmesser", 3, [&] { return plain(row.Durchm); });
    line.optionalLeft("Rindenabzug", 6, [&] { return barkField(row, QStringLiteral(".00")); });
    line.optionalRight("Kubatur", 6, [&] { return volume(row.Kubatur); });
}

void heightBlock(FixedLine& line, const store::HolzRow& row, bool fixedHeight)
{
    // A stored height of 0 is no height: only stacks have one, and every
    // other record is saved with 0 there.
    if (fixedHeight || row.Hoehe == 0) {
        line.add(EmptyHeight);
        return;
    }
    line.right(6, plain(row.Hoehe)).right(6, plain(row.Durchm)).add(EmptyHeightTail);
}

QString priceKind(const store::HolzRow& row)
{
    if (row.Preisart == QStringLiteral("€/fm"))
        return QStringLiteral("1");
    if (row.Preisart == QStringLiteral("€/Rm"))
        return QStringLiteral("2");
    if (row.Preisart == QStringLiteral("€"))
        return row.isStackedWood() && factor(row) == 1 ? QStringLiteral("2") : QStringLiteral("1");
    return QStringLiteral(" ");
}

QString price(const store::HolzRow& row)
{
    if (row.Preisart != QStringLiteral("€"))
        return row.Preisfaktor;
    // A total price becomes a price per unit. The receiving programs read
    // it in the German number format the program is made for (decimal
    // comma), unlike every other number of the file.
    if (row.Kubatur == 0)
        throw ExportError::divisionByZero(QStringLiteral("Preis je Einheit bei Kubatur 0"));
    return fixedGerman(number(QStringLiteral("Preis"), row.Preisfaktor) / row.Kubatur, 2);
}

QString optionalNumber(const std::optional<int>& value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

QString TransferWriter::recordLine(const ExportJob& job, const store::HolzRow& row) const
{
    const Traits& t = traits(m_variant);
    FixedLine line;
    line.add(kindCode(row));
    line.left(3, QString::number(row.Los));
    line.add(Stammnummer(row));
    line.left(3, row.Rinde);
    line.left(3, job.species().Holzartcode(row.Holzart));
    line.add(Sortenfeld(row));
    line.left(3, row.Guete);
    line.left(4, Staerkefeld(row));
    line.right(5, Stueckfeld(row));
    line.right(4, fixed(row.Laenge, 1));
    volumeBlock(line, row);
    heightBlock(line, row, t.fixedHeight);
    line.left(16, starsToBlanks(locationBlock(job.list(), row)));
    line.left(50, QStringView(row.Zusatztext).left(t.remarkLength));
    if (t.price)
        line.right(2, priceKind(row)).add(QLatin1Char(' ')).right(8, price(row));
    if (t.extraFields) {
        line.left(8, QStringView(row.Abteilung).left(8));
        line.left(6, row.RF).left(2, optionalNumber(row.AArt)).left(4, row.Rotte).left(7, row.AbrNr);
        line.left(2, optionalNumber(row.EST1))
            .left(2, optionalNumber(row.EST2))
            .left(2, optionalNumber(row.EST3));
        line.left(4, row.EST4).left(4, row.EST5).left(4, row.Polter);
    }
    job.noteSkipped(line);
    return line.take();
}

void TransferWriter::write(const ExportJob& job, LineSink& out) const
{
    const Traits& t = traits(m_variant);
    const store::ListenRow& list = job.list();
    out.Zeile_Schreiben(QLatin1String(t.typeLine));
    if (t.adLine)
        out.Zeile_Schreiben(QStringLiteral("AD") + Rechts_Buendig(8, job.stem().left(8)) +
                            QStringLiteral(".DAT 00000RH Transfer V1.1"));
    out.Zeile_Schreiben(QStringLiteral("0A   ") + job.stem());
    out.Zeile_Schreiben(QStringLiteral("0B   ") + list.Zusatztext);
    out.Zeile_Schreiben(QStringLiteral("0C   ") + listDate(list));
    out.writeIfSet("0D   ", list.Name);
    out.writeIfSet("0E   ", list.Strasse);
    out.writeIfSet("0G   ", list.Ort);
    out.writeIfSet("0N   ", list.Abteilung);
    if (t.standLines) {
        out.writeIfSet("UA   ", list.UAbt);
        out.writeIfSet("BE   ", list.Bestand);
    }
    out.writeIfSet("0S   ", list.Lagerplatz);
    if (t.officeLines) {
        out.writeIfSet("0L   ", list.Forstamt);
        out.writeIfSet("0M   ", list.Revier);
    }
    if (t.storageLines) {
        for (const store::LagerRow& place : job.storage()) {
            if (place.Los < 1)
                continue;
            out.Zeile_Schreiben(QStringLiteral("LL") + Rechts_Buendig(3, plain(place.Los)) +
                                Links_Buendig(38, place.GPS) + Links_Buendig(50, place.Lagerort) +
                                Links_Buendig(50, place.Zusatz1));
        }
    }
    job.walk([&](const store::HolzRow& row) { out.Zeile_Schreiben(recordLine(job, row)); });
}

} // namespace exporter
