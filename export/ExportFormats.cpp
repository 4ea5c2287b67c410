// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportFormats.h"

#include "CsvWriter.h"
#include "Eg10Writer.h"
#include "EldatWriter.h"
#include "LatschbacherWriter.h"
#include "RundholzWriter.h"
#include "TransferWriter.h"
#include "XlsxWriter.h"

#include <functional>

namespace exporter {

const QList<ExportFormat>& ExportFormats::all()
{
    using T = ExportFormat::Target;
    static const TransferWriter habsys(TransferWriter::Variant::Habsys);
    static const TransferWriter latschbacherTransfer(TransferWriter::Variant::Latschbacher);
    static const TransferWriter dekaData(TransferWriter::Variant::DekaData);
    static const TransferWriter timbernet(TransferWriter::Variant::Timbernet);
    static const LatschbacherWriter latschbacherText;
    static const RundholzWriter brd(RundholzWriter::Variant::Brd);
    static const RundholzWriter abies(RundholzWriter::Variant::Abies);
    static const Eg10Writer eg10;
    static const EldatWriter eldat;
    static const CsvWriter csvRecords(CsvWriter::Content::Records);
    static const CsvWriter csvSummary(CsvWriter::Content::Summary);
    static const XlsxWriter xlsx;

    static const QList<ExportFormat> formats{
        {1,
         QStringLiteral("habsys"),
         QStringLiteral("optHabsys"),
         QStringLiteral("tx1"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &habsys}},
         true,
         {40, 0, Carry::ReadBack, Carry::ReadBack, Carry::ReadBack, Carry::None, Carry::ReadBack,
          Carry::None}},
        {2,
         QStringLiteral("latschbacher"),
         QStringLiteral("optLatschbacher"),
         QStringLiteral("tx1"),
         true,
         false,
         8,
         false,
         {{T::StemTxt, &latschbacherText}, {T::ChosenFile, &latschbacherTransfer}},
         true,
         {50, 0, Carry::None, Carry::None, Carry::None, Carry::None, Carry::None, Carry::ReadBack}},
        {3,
         QStringLiteral("proforst"),
         QStringLiteral("optProForst"),
         QStringLiteral("dat"),
         false,
         false,
         0,
         false,
         {{T::StemDat, &brd}},
         false,
         {37, 0, Carry::Written, Carry::None, Carry::None, Carry::None, Carry::None, Carry::Written}},
        {4,
         QStringLiteral("abies"),
         QStringLiteral("optAbies"),
         QStringLiteral("mde"),
         false,
         false,
         0,
         true,
         {{T::Eg20Dat, &abies}},
         false,
         {30, 0, Carry::Written, Carry::None, Carry::None, Carry::None, Carry::None, Carry::Written}},
        {5,
         QStringLiteral("dekadata"),
         QStringLiteral("optDekadata"),
         QStringLiteral("tx1"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &dekaData}},
         true,
         {50, 8, Carry::ReadBack, Carry::ReadBack, Carry::Written, Carry::ReadBack, Carry::ReadBack,
          Carry::ReadBack}},
        {6,
         QStringLiteral("eg10"),
         QStringLiteral("optEG10"),
         QStringLiteral("dat"),
         true,
         true,
         0,
         false,
         {{T::ChosenFile, &eg10}},
         true,
         {40, 9, Carry::ReadBack, Carry::None, Carry::None, Carry::None, Carry::None, Carry::ReadBack}},
        {7,
         QStringLiteral("timbernet"),
         QStringLiteral("optTimbernet"),
         QStringLiteral("tx1"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &timbernet}},
         true,
         {50, 8, Carry::ReadBack, Carry::ReadBack, Carry::Written, Carry::Written, Carry::ReadBack,
          Carry::ReadBack}},
        {Eldat,
         QStringLiteral("eldat"),
         QStringLiteral("optEldat"),
         QStringLiteral("eldat"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &eldat}},
         true,
         {255, 0, Carry::ReadBack, Carry::None, Carry::None, Carry::None, Carry::ReadBack, Carry::ReadBack}},
        {Csv,
         QStringLiteral("csv"),
         QString(),
         QStringLiteral("csv"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &csvRecords}, {T::StemSorten, &csvSummary}},
         false,
         {Carriage::Whole, Carriage::Whole, Carry::Written, Carry::Written, Carry::None, Carry::None,
          Carry::None, Carry::Written}},
        {Xlsx,
         QStringLiteral("xlsx"),
         QString(),
         QStringLiteral("xlsx"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &xlsx}},
         false,
         {Carriage::Whole, Carriage::Whole, Carry::Written, Carry::Written, Carry::None, Carry::None,
          Carry::None, Carry::Written}},
    };
    return formats;
}

const ExportFormat* ExportFormats::byNumber(int number)
{
    for (const ExportFormat& format : all()) {
        if (format.number == number)
            return &format;
    }
    return nullptr;
}

const ExportFormat* ExportFormats::bySetting(const QString& value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    // Only what the options offer: the office formats are chosen per export.
    const ExportFormat* format = ok ? byNumber(number) : nullptr;
    return format && offeredInOptions(*format) ? format : nullptr;
}

const ExportFormat* ExportFormats::byName(const QString& name)
{
    for (const ExportFormat& format : all()) {
        if (format.name.compare(name, Qt::CaseInsensitive) == 0)
            return &format;
    }
    return nullptr;
}

QString ExportFormats::extensionFor(const QString& value)
{
    const ExportFormat* format = bySetting(value);
    return format ? format->extension : QStringLiteral("*");
}

QStringList ExportFormats::names()
{
    QStringList list;
    for (const ExportFormat& format : all())
        list << format.name;
    return list;
}

QStringList ExportFormats::readableExtensions()
{
    QStringList list;
    for (const ExportFormat& format : all()) {
        if (format.readable && !list.contains(format.extension))
            list << format.extension;
    }
    return list;
}

QString ExportFormats::carriageTable()
{
    auto carry = [](Carry c) {
        switch (c) {
        case Carry::None:
            return QStringLiteral("–");
        case Carry::Written:
            return QStringLiteral("geschrieben");
        case Carry::ReadBack:
            break;
        }
        return QStringLiteral("ja");
    };
    auto characters = [](int n) {
        return n == Carriage::Whole ? QStringLiteral("ganz")
               : n == 0             ? QStringLiteral("–")
                                    : QString::number(n);
    };
    struct Row {
        const char* label;
        std::function<QString(const ExportFormat&)> cell;
    };
    const QList<Row> rows{
        {"Wieder einlesbar",
         [](const ExportFormat& f) { return f.readable ? QStringLiteral("ja") : QStringLiteral("nein"); }},
        {"Bemerkung des Datensatzes (Zeichen)",
         [&](const ExportFormat& f) { return characters(f.carries.remark); }},
        {"Abteilung des Datensatzes (Zeichen)",
         [&](const ExportFormat& f) { return characters(f.carries.recordCompartment); }},
        {"Stückzahl eines Sortiments",
         [&](const ExportFormat& f) { return carry(f.carries.assortmentPieces); }},
        {"Höhe und Breite eines Polters", [&](const ExportFormat& f) { return carry(f.carries.stackSize); }},
        {"Preis und Preisart", [&](const ExportFormat& f) { return carry(f.carries.prices); }},
        {"RF, AArt, Rotte, AbrNr, EST1–EST5, Polter",
         [&](const ExportFormat& f) { return carry(f.carries.extraFields); }},
        {"Lagerplätze", [&](const ExportFormat& f) { return carry(f.carries.storage); }},
        {"Forstamt und Revier", [&](const ExportFormat& f) { return carry(f.carries.offices); }},
    };
    QString table = QStringLiteral("| |");
    QString rule = QStringLiteral("|---|");
    for (const ExportFormat& format : all()) {
        table += QStringLiteral(" %1 |").arg(format.name);
        rule += QStringLiteral("---|");
    }
    table += QLatin1Char('\n') + rule + QLatin1Char('\n');
    for (const Row& row : rows) {
        table += QStringLiteral("| %1 |").arg(QString::fromUtf8(row.label));
        for (const ExportFormat& format : all())
            table += QStringLiteral(" %1 |").arg(row.cell(format));
        table += QLatin1Char('\n');
    }
    return table;
}

} // namespace exporter
