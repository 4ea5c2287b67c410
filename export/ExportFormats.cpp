#include "ExportFormats.h"

#include "CsvWriter.h"
#include "Eg10Writer.h"
#include "EldatWriter.h"
#include "LatschbacherWriter.h"
#include "RundholzWriter.h"
#include "TransferWriter.h"
#include "XlsxWriter.h"

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
         {{T::ChosenFile, &habsys}}},
        {2,
         QStringLiteral("latschbacher"),
         QStringLiteral("optLatschbacher"),
         QStringLiteral("tx1"),
         true,
         false,
         8,
         false,
         {{T::StemTxt, &latschbacherText}, {T::ChosenFile, &latschbacherTransfer}}},
        {3,
         QStringLiteral("proforst"),
         QStringLiteral("optProForst"),
         QStringLiteral("dat"),
         false,
         false,
         0,
         false,
         {{T::StemDat, &brd}}},
        {4,
         QStringLiteral("abies"),
         QStringLiteral("optAbies"),
         QStringLiteral("mde"),
         false,
         false,
         0,
         true,
         {{T::Eg20Dat, &abies}}},
        {5,
         QStringLiteral("dekadata"),
         QStringLiteral("optDekadata"),
         QStringLiteral("tx1"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &dekaData}}},
        {6,
         QStringLiteral("eg10"),
         QStringLiteral("optEG10"),
         QStringLiteral("dat"),
         true,
         true,
         0,
         false,
         {{T::ChosenFile, &eg10}}},
        {7,
         QStringLiteral("timbernet"),
         QStringLiteral("optTimbernet"),
         QStringLiteral("tx1"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &timbernet}}},
        {Eldat,
         QStringLiteral("eldat"),
         QStringLiteral("optEldat"),
         QStringLiteral("eldat"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &eldat}}},
        {Csv,
         QStringLiteral("csv"),
         QString(),
         QStringLiteral("csv"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &csvRecords}, {T::StemSorten, &csvSummary}}},
        {Xlsx,
         QStringLiteral("xlsx"),
         QString(),
         QStringLiteral("xlsx"),
         false,
         false,
         0,
         false,
         {{T::ChosenFile, &xlsx}}},
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

} // namespace exporter
