// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QString>

namespace exporter {

// A list as an Excel workbook (.xlsx): the sheet of records with the list
// header on top, number formats, a frozen table header and totals as
// formulas; on request one more such sheet for each lot; the assortment
// summary sheet with subtotals per species. The totals are formulas with
// their values, so the sheet stays right when a buyer edits it and shows
// the sums at once where nothing recalculates.
class XlsxWriter final : public ExportWriter {
public:
    void write(const ExportJob& job, LineSink& out) const override;
    void writeTo(const ExportJob& job, QIODevice& device, bool cp437Umlauts) const override;

    // "A", "B", … "Z", "AA": the letters of a column counted from 0.
    static QString columnName(int column);
};

} // namespace exporter
