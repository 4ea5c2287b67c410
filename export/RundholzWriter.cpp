// SPDX-License-Identifier: GPL-3.0-or-later
#include "RundholzWriter.h"

#include "ExportJob.h"
#include "Fields.h"
#include "FixedLine.h"
#include "LineSink.h"

namespace exporter {

using namespace fields;

namespace {

QString kindCode(const store::HolzRow& row, bool brd)
{
    const QString& s = row.Sorte;
    if (s == QLatin1String("P "))
        return QStringLiteral("1M");
    if (s == QLatin1String("S "))
        return QStringLiteral("1K");
    if (s == QLatin1String("IS"))
        return brd ? QStringLiteral("1L") : QStringLiteral("1K");
    if (s == QLatin1String("H "))
        return QStringLiteral("1G");
    if (s == QLatin1String("L2"))
        return QStringLiteral("1I");
    if (s == QLatin1String("L3"))
        return QStringLiteral("1J");
    return QStringLiteral("1H");
}

QString abiesGrade(const QString& guete)
{
    if (guete == QLatin1String("BC"))
        return QStringLiteral("B/C");
    if (guete == QLatin1String("CD"))
        return QStringLiteral("C/D");
    return guete;
}

// One column for a one-letter value, so an empty value never shifts the
// columns after it.
QString letter(const QString& text)
{
    return Links_Buendig(1, text.left(1));
}

} // namespace

void RundholzWriter::measurePart(FixedLine& line, const store::HolzRow& row) const
{
    const QStringView remark(row.Zusatztext);
    if (row.isStackedWood()) {
        line.right(6, volume(volumeBeforeFactor(row))).right(6, fixed(row.Laenge, 1));
        line.right(4, fixed(factor(row), 2)).right(6, volume(row.Kubatur));
        if (brd())
            line.add(letter(row.Rinde)).left(37, remark.left(37)).add(QLatin1StringView(" 00"));
        else
            line.add(QLatin1Char(' ')).add(letter(row.Nutzung)).left(39, remark.left(30));
        return;
    }
    if (isPieceRow(row)) {
        line.right(3, plain(row.Stueck)).right(3, fixed(factor(row), 1)).right(7, volume(row.Kubatur));
        if (brd())
            line.add(letter(row.Rinde));
        else if (row.Nutzung.size() >= 2)
            line.add(row.Nutzung);
        else
            line.left(2, row.Nutzung);
        line.left(30, remark.left(30));
        return;
    }
    line.right(4, fixed(row.Laenge, 1));
    // A part of the volume and bark part that does not fit stays blank.
    line.optionalRight("Durchmesser", 3, [&] { return plain(row.Durchm); });
    line.optionalLeft("Rindenabzug", 5, [&] { return barkField(row, QStringLiteral(".0")); });
    if (brd()) {
        line.optionalRight("Kubatur", 7, [&] { return volume(row.Kubatur) + letter(row.Rinde); });
        line.left(37, remark.left(37)).right(3, plain(row.Stueck)).add(QLatin1StringView(" 00"));
        return;
    }
    line.optionalRight("Kubatur", 6, [&] { return volume(row.Kubatur); });
    line.add(letter(row.Nutzung)).add(QLatin1Char(' ')).left(39, remark.left(30)).right(3, plain(row.Stueck));
}

QString RundholzWriter::recordLine(const ExportJob& job, const store::HolzRow& row) const
{
    const bool piece = isPieceRow(row);
    FixedLine line;
    line.add(kindCode(row, brd()));
    if (!row.Einzelstamm) {
        if (piece)
            line.right(5, QStringLiteral("0"));
        else
            line.right(6, QStringLiteral("00"));
    } else {
        QChar marker = QLatin1Char('0');
        if (brd() && row.Klammerstamm)
            marker = QLatin1Char('L');
        else if (row.Folgestamm)
            marker = brd() ? QLatin1Char('F') : QLatin1Char('1');
        line.right(5, QString::number(row.Nummer)).add(marker);
    }
    const QString code = job.species().Holzartcode(row.Holzart);
    if (brd())
        line.left(3, code);
    else
        line.left(2, QStringView(code).left(2));
    line.left(3, row.Sorte).add(QLatin1Char(' '));
    if (!piece) {
        if (brd())
            line.left(2, row.Guete);
        else
            line.left(3, abiesGrade(row.Guete));
    }
    line.left(piece ? 3 : 2, Staerkefeld(row, brd()));
    line.left(brd() ? 3 : 2, QString::number(row.Los));
    measurePart(line, row);
    job.noteSkipped(line);
    return line.take().replace(QLatin1Char(','), QLatin1Char('.'));
}

QString RundholzWriter::locationLine(const store::ListenRow& list, const store::HolzRow& row) const
{
    const QString tag = QStringLiteral("1F");
    if (brd())
        return tag + locationBlock(list, row);
    if (list.Abteilung.isEmpty() && !hasUseCode(row.Nutzung))
        return tag;
    return tag + Links_Buendig(3, list.Abteilung.left(3)) + letter(list.UAbt) +
           Links_Buendig(3, list.Bestand.left(3)) +
           (hasUseCode(row.Nutzung) ? row.Nutzung.mid(1, 1) : QString());
}

void RundholzWriter::write(const ExportJob& job, LineSink& out) const
{
    const store::ListenRow& list = job.list();
    const QString title = brd() ? QStringLiteral(".DAT 13813BRD Rundholz V1.16")
                                : QStringLiteral(".DAT 10459ABIES Rundholz V1.09");
    out.Zeile_Schreiben(QStringLiteral("AD") + Links_Buendig(8, job.stem().left(8)) + title);
    if (brd()) {
        out.Zeile_Schreiben(QStringLiteral("0A") + Links_Buendig(17, job.stem()) + listDate(list) +
                            Links_Buendig(40, list.Forstamt) + list.Revier);
        out.writeIfSet("0C", list.Name);
    } else {
        out.Zeile_Schreiben(QStringLiteral("0A") + Links_Buendig(18, job.stem()) + listDate(list) +
                            Rechts_Buendig(2, list.Revier) + Rechts_Buendig(5, list.Forstamt));
        out.writeIfSet("0B", list.Abteilung.left(3));
        out.Zeile_Schreiben(QStringLiteral("0C"));
        out.Zeile_Schreiben(QStringLiteral("0D"));
    }
    out.writeIfSet("0E", list.Zusatztext);
    // The location line takes the use of the first record.
    bool located = false;
    job.walk([&](const store::HolzRow& row) {
        if (!located) {
            out.Zeile_Schreiben(locationLine(list, row));
            located = true;
        }
        out.Zeile_Schreiben(recordLine(job, row));
    });
    if (!located)
        out.Zeile_Schreiben(locationLine(list, store::HolzRow()));
}

} // namespace exporter
