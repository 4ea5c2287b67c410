// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/AssortmentSummary.h"
#include "report/HolzartCodes.h"
#include "report/LotPlaces.h"
#include "store/ListenRow.h"
#include "store/WorkRow.h"

#include <QDate>
#include <optional>

namespace report {

// The word-processor document of one list or of one lot of it: a page
// header with the heading, "Holzliste", the date, the list name and the
// lot; the list header block; the records in borderless tables of
// RecordsPerPage records, one table per page with its column head and one
// empty closing row, each page headed by the list header block again; the
// totals; optionally the assortment summary; the lots' storage places and,
// on request, their photos; page numbers in the footer of every page.
class WordDocument {
public:
    static constexpr int RecordsPerPage = 50;

    struct Content {
        QString heading;
        store::ListenRow list;
        std::optional<int> lot;
        QList<store::WorkRow> rows;
        HolzartCodes codes;
        std::optional<AssortmentSummary> summary;
        LotPlaces places; // after the totals, when there are any
        bool photoPages = false; // and then the photos of places.photos, a new page per lot
        QDate today;
        bool dezimalpunkt = false;
    };

    // The .docx bytes. Throws ReportError.
    static QByteArray build(const Content& content);

    // The totals lines: volume of all records, pieces of all but follow-on pieces.
    static QString volumeLine(double volume, bool dezimalpunkt);
    static QString piecesLine(qint64 pieces);
};

} // namespace report
