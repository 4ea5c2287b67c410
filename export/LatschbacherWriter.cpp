// SPDX-License-Identifier: GPL-3.0-or-later
#include "LatschbacherWriter.h"

#include "ExportJob.h"
#include "Fields.h"
#include "FixedLine.h"
#include "LineSink.h"

namespace exporter {

using namespace fields;

namespace {

QChar kindLetter(const store::HolzRow& row)
{
    if (isPieceRow(row))
        return QLatin1Char('P');
    if (row.isStackedWood())
        return QLatin1Char('S');
    return row.Einzelstamm && row.Stueck > 1 ? QLatin1Char('M') : QLatin1Char('R');
}

void measureBlock(FixedLine& line, const store::HolzRow& row)
{
    if (row.isStackedWood()) {
        line.right(6, fixed(volumeBeforeFactor(row), 1)).right(3, fixed(row.Laenge, 1)).left(1, row.Rinde);
        line.right(3, fixed(factor(row), 1)).left(2, Staerkefeld(row));
    } else if (isPieceRow(row)) {
        // A part of a piece row that does not fit stays blank.
        line.optionalRight("Stückzahl", 3,
                           [&] { return row.Stueck >= 1000 ? QStringLiteral("***") : plain(row.Stueck); });
        line.optionalLeft("Rinde", 1, [&] { return row.Rinde; });
        line.optionalRight("Kubatur je 100 Stück", 4, [&] { return volumePerHundredPieces(row); });
        line.optionalLeft("Stärkeklasse", 3, [&] { return Staerkefeld(row); });
    } else {
        line.right(4, fixed(row.Laenge, 1)).right(3, plain(row.Durchm));
        barkPart(line, row);
        line.left(2, Staerkefeld(row));
    }
}

} // namespace

QString LatschbacherWriter::groupLine(const store::ListenRow& list, const store::HolzRow& row)
{
    FixedLine line(32);
    line.add(QLatin1Char('F')).left(2, QString::number(row.Los));
    line.right(4, list.Abteilung.left(3)).right(10, starsToBlanks(transferUseCode(row.Nutzung)));
    return line.take();
}

QString LatschbacherWriter::recordLine(const ExportJob& job, const store::HolzRow& row)
{
    const bool piece = isPieceRow(row);
    FixedLine line;
    line.add(kindLetter(row));
    line.add(QString::number(row.Los));
    line.right(7, !row.Einzelstamm && row.Nummer == 1 ? QStringLiteral("0") : QString::number(row.Nummer));
    line.left(4, job.species().Holzartcode(row.Holzart));
    line.left(3, row.Sorte);
    line.left(2, row.Guete);
    measureBlock(line, row);
    line.right(piece ? 6 : 7, volume(row.Kubatur));
    line.add(QLatin1StringView("   0.00"));
    job.noteSkipped(line);
    return line.take();
}

void LatschbacherWriter::write(const ExportJob& job, LineSink& out) const
{
    const store::ListenRow& list = job.list();
    out.Zeile_Schreiben(QStringLiteral("A  ") + job.stem());
    out.Zeile_Schreiben(QStringLiteral("t  ") + list.Zusatztext);
    out.Zeile_Schreiben(QStringLiteral("d  ") + listDate(list));
    out.writeIfSet("a  ", list.Name);
    out.writeIfSet("b  ", list.Strasse);
    out.writeIfSet("e  ", list.Ort);
    out.writeIfSet("q  ", list.Abteilung);
    out.writeIfSet("y  ", list.Lagerplatz);
    out.Zeile_Schreiben(QStringLiteral("!  "));
    QString previousGroup;
    job.walk([&](const store::HolzRow& row) {
        const QString group = groupLine(list, row);
        if (group != previousGroup)
            out.Zeile_Schreiben(group);
        previousGroup = group;
        out.Zeile_Schreiben(recordLine(job, row));
        if (!row.Zusatztext.isEmpty())
            out.Zeile_Schreiben(QStringLiteral("B") + Links_Buendig(2, QString::number(row.Los)) +
                                row.Zusatztext);
    });
    out.Zeile_Schreiben(QStringLiteral("E   "));
}

} // namespace exporter
