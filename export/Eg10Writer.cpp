// SPDX-License-Identifier: GPL-3.0-or-later
#include "Eg10Writer.h"

#include "ExportJob.h"
#include "Fields.h"
#include "FixedLine.h"
#include "LineSink.h"

namespace exporter {

using namespace fields;

namespace {

QLatin1StringView kindCode(const store::HolzRow& row)
{
    // Later rules win: a bracketed or follow-on log keeps its own code
    // whatever its assortment.
    QLatin1StringView kind = (row.Einzelstamm && row.Stueck > 1) || isMultiPieceAssortment(row)
                                 ? QLatin1StringView("0M")
                                 : QLatin1StringView("0R");
    if (row.isStackedWood())
        kind = QLatin1StringView("0S");
    if (isPieceRow(row))
        kind = QLatin1StringView("0P");
    if (row.Klammerstamm)
        kind = QLatin1StringView("0K");
    if (row.Folgestamm)
        kind = QLatin1StringView("0L");
    return kind;
}

// Stacks and piece rows: a part that does not fit stays blank and the
// export goes on, as the device has always received them.
void stackBlock(FixedLine& line, const store::HolzRow& row)
{
    line.optionalRight("Raummaß ohne Faktor", 5, [&] {
        const double v = volumeBeforeFactor(row);
        return fixed(v, v < 1000 ? 1 : 0);
    });
    line.optionalRight("Länge", 3, [&] { return fixed(row.Laenge, 1); });
    line.add(QLatin1Char(' '));
    line.optionalRight("Faktor", 4, [&] { return fixed(factor(row), 2); });
    line.optionalLeft("Stärkeklasse", 2, [&] { return Staerkefeld(row); });
}

void pieceBlock(FixedLine& line, const store::HolzRow& row)
{
    line.optionalRight("Stückzahl", 4,
                       [&] { return row.Stueck >= 1000 ? QStringLiteral("****") : plain(row.Stueck); });
    line.add(QLatin1Char(' '));
    line.optionalRight("Kubatur je 100 Stück", 4, [&] { return volumePerHundredPieces(row); });
    line.optionalLeft("Stärkeklasse", 3, [&] { return Staerkefeld(row); });
}

void logBlock(FixedLine& line, const store::HolzRow& row)
{
    line.right(4, fixed(row.Laenge, 1)).right(3, plain(row.Durchm));
    barkPart(line, row);
    line.left(2, Staerkefeld(row));
}

} // namespace

QString Eg10Writer::recordLine(const ExportJob& job, const store::HolzRow& row)
{
    const bool piece = isPieceRow(row);
    FixedLine line;
    const QLatin1StringView kind = kindCode(row);
    line.add(kind);
    line.right(2, QString::number(row.Los));
    // An assortment's piece count stands in the number field, where the
    // handheld reader takes it from for "0M".
    if (kind == QLatin1StringView("0M") && isMultiPieceAssortment(row))
        line.right(6, plain(row.Stueck));
    else
        line.right(6,
                   !row.Einzelstamm && row.Nummer == 1 ? QStringLiteral("0") : QString::number(row.Nummer));
    line.left(4, job.species().Holzartcode(row.Holzart));
    line.left(2, row.Sorte);
    line.left(2, row.Guete);
    if (row.isStackedWood())
        stackBlock(line, row);
    else if (piece)
        pieceBlock(line, row);
    else
        logBlock(line, row);
    line.right(piece ? 6 : 7, volume(row.Kubatur));
    line.add(QLatin1StringView("   0.00"));
    line.right(9, row.Abteilung.isEmpty() ? QStringLiteral("XXXXXXXXX") : row.Abteilung.left(9));
    line.add(job.useCodes().eg10Code(row.Nutzung));
    line.add(row.Zusatztext);
    job.noteSkipped(line);
    return line.take();
}

void Eg10Writer::write(const ExportJob& job, LineSink& out) const
{
    const store::ListenRow& list = job.list();
    out.Zeile_Schreiben(QStringLiteral("0A  ") + job.stem());
    out.Zeile_Schreiben(QStringLiteral("0d  ") + listDate(list));
    out.writeIfSet("0t  ", list.Name);
    out.writeIfSet("0a  ", list.Strasse);
    out.writeIfSet("0b  ", list.Forstamt);
    out.writeIfSet("0c  ", list.Revier);
    out.writeIfSet("0e  ", list.Ort);
    out.writeIfSet("0k  ", list.Zusatztext);
    out.writeIfSet("0l  ", list.Lagerplatz);
    out.Zeile_Schreiben(QStringLiteral("0!   "));
    job.walk([&](const store::HolzRow& row) { out.Zeile_Schreiben(recordLine(job, row)); });
    out.Zeile_Schreiben(QStringLiteral("0E   "));
}

} // namespace exporter
