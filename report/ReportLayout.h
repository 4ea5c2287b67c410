// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/AssortmentSummary.h"
#include "report/LotPlaces.h"
#include "store/ListenRow.h"
#include "store/WorkRow.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class QPagedPaintDevice;
class QIODevice;

namespace report {

// What a printed list shows.
struct ReportDocument {
    store::ListenRow list;
    QString headerText; // title lines on the first page (LF-separated)
    std::optional<AssortmentSummary> summary;
    QList<store::WorkRow> rows;
    bool lotTotals = false; // totals per lot at the end
    LotPlaces places;         // listed after the totals when there are any
    bool photoPages = false;  // and then a page of photos per lot
    QDate printed = QDate::currentDate();
    bool dezimalpunkt = false;
};

// The printed list on A4 pages: a running head with the list's data and a
// footer "Seite n von m" on every page; the title text, the list header and
// the assortment summary on the first page; the records as a table whose
// column heads repeat on every page; the totals, the lots' storage places
// and, on request, pages with the lots' photos at the end.
//
// Rows are painted directly (no text document is built), so a list of ten
// thousand records prints in about a second.
class ReportLayout {
public:
    explicit ReportLayout(ReportDocument document);
    ~ReportLayout();
    ReportLayout(const ReportLayout&) = delete;
    ReportLayout& operator=(const ReportLayout&) = delete;

    const ReportDocument& document() const { return m_document; }

    // Paints all pages onto a printer or PDF writer (set to A4 by this
    // call) and returns the number of pages; 0 when painting could not start.
    int paint(QPagedPaintDevice& device) const;

    // Writes the pages as PDF to `device` (a file or buffer). Returns the
    // page count; throws ReportError when it cannot be written.
    int writePdf(QIODevice& device) const;
    // The same into a file, replacing it only when complete.
    int writePdf(const QString& path) const;

private:
    struct Plan;
    ReportDocument m_document;
};

} // namespace report
