// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ListenRow.h"
#include "store/MasterRows.h"
#include "store/WorkRow.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace report {

// The list taken over into the working copy as office files: CSV tables
// (records and assortment summary) or a workbook, written by the same
// writers as the recording program's export. Files are written whole or
// not at all.
class OfficeExport {
public:
    OfficeExport(store::ListenRow list, QList<store::WorkRow> rows, QList<store::HolzartRow> regionSpecies)
        : m_list(std::move(list)), m_rows(std::move(rows)), m_species(std::move(regionSpecies))
    {
    }

    // Writes `format` (ExportFormats::Csv or Xlsx) for the chosen path;
    // returns the files written. Throws exporter::ExportError.
    QStringList write(int format, const QString& chosenPath, bool sheetPerLot) const;

private:
    store::ListenRow m_list;
    QList<store::WorkRow> m_rows;
    QList<store::HolzartRow> m_species;
};

} // namespace report
