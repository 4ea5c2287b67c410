// SPDX-License-Identifier: GPL-3.0-or-later
#include "OfficeExport.h"

#include "export/ExportDriver.h"
#include "export/ExportError.h"
#include "export/ExportFormats.h"
#include "export/ExportJob.h"
#include "export/ExportWriter.h"

#include <QSaveFile>
#include <memory>
#include <vector>

namespace report {

namespace {

// The working copy holds the printed columns; the rest stays empty.
store::HolzRow holzRow(const store::WorkRow& work)
{
    store::HolzRow row;
    row.Liste = work.Liste;
    row.Holzart = work.Holzart;
    row.Nummer = work.Nummer;
    row.Los = work.Los;
    row.Stueck = work.Stueck;
    row.Laenge = work.Laenge;
    row.Durchm = work.Durchm;
    row.Sorte = work.Sorte;
    row.Staerke = work.Staerke;
    row.Guete = work.Guete;
    row.Kubatur = work.Kubatur;
    row.RindenAbzug = work.Rinde;
    row.Einzelstamm = work.optionLangholz;
    row.Folgestamm = work.Folgestamm;
    row.Klammerstamm = work.Klammerstamm;
    return row;
}

} // namespace

QStringList OfficeExport::write(int number, const QString& chosenPath, bool sheetPerLot) const
{
    using exporter::ExportError;
    const exporter::ExportFormat* format = exporter::ExportFormats::byNumber(number);
    if (!format)
        throw ExportError(ExportError::NoFormat, QStringLiteral("Kein Ausgabeformat %1").arg(number));
    exporter::HolzartCodes codes({}, number, false, {});
    exporter::ExportJob job(m_list, exporter::ExportDriver::stemOf(chosenPath), codes);
    QList<store::HolzRow> rows;
    rows.reserve(m_rows.size());
    for (const store::WorkRow& work : m_rows)
        rows << holzRow(work);
    job.setRecords(rows);
    job.setRegionSpecies(m_species);
    job.setSheetPerLot(sheetPerLot);

    const QStringList paths = exporter::ExportDriver::targetFiles(*format, chosenPath);
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        auto& file = files.emplace_back(std::make_unique<QSaveFile>(paths.at(i)));
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw ExportError(ExportError::PathError, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"),
                              paths.at(i) + QStringLiteral(": ") + file->errorString());
        format->outputs.at(i).writer->writeTo(job, *file, false);
    }
    // Into place only when every file is complete.
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (!files[size_t(i)]->commit())
            throw ExportError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Datei"),
                              paths.at(i) + QStringLiteral(": ") + files[size_t(i)]->errorString());
    }
    return paths;
}

} // namespace report
