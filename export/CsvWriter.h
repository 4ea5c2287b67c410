// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace exporter {

// A list for German spreadsheets: ";" between values, decimal comma, UTF-8
// with byte-order mark, CR LF, a header row of German column names, dates
// as dd.MM.yyyy. Either the records (each row names its list and date, so
// several lists can be put under one another) or the assortment summary
// with subtotals per species and the total.
class CsvWriter final : public ExportWriter {
public:
    enum class Content { Records, Summary };

    explicit CsvWriter(Content content) : m_content(content) {}

    void write(const ExportJob& job, LineSink& out) const override;
    void writeTo(const ExportJob& job, QIODevice& device, bool cp437Umlauts) const override;

    // One value as a cell: quoted when it holds ";", quotes or line breaks;
    // a text a spreadsheet would run as a formula ("=", "+", "@", or "-"
    // before more) gets a leading apostrophe, so a list cannot carry a
    // formula into the buyer's spreadsheet.
    static QString cell(const QString& text);
    static QString number(double value, int decimals);

private:
    Content m_content;
};

} // namespace exporter
