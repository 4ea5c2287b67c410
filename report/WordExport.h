// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/LotPlaces.h"
#include "report/WorkCopy.h"
#include "store/ListenRow.h"
#include "store/MasterRows.h"

#include <QDate>
#include <QStringList>

namespace report {

// Writes the word-processor documents of the list held in the working copy.
class WordExport {
public:
    struct Options {
        bool losweise = false;   // one document per lot
        bool verdichtet = false; // with the assortment summary
        QString heading;         // empty (or the stored prompt text): the list's name
        QString folder; // where the documents go; created when missing
        QDate today = QDate::currentDate();
        bool dezimalpunkt = false;
        bool photos = false; // a page of photos per lot at the end
    };

    // `species`: the species of the current region, for short codes and the summary order.
    WordExport(store::Database& holz, WorkCopy& work, QList<store::HolzartRow> species);

    // Writes the documents of `list`, whose records the working copy holds:
    // one named after the list, or with `losweise` one per lot present,
    // named after the list, "Los" and the lot number. A list or lot without
    // records gives no document. Per lot the working copy is refilled with
    // that lot and holds the whole list again afterwards, also on failure.
    // Returns the paths written. Throws ReportError or store::DbError.
    QStringList write(const store::ListenRow& list, const Options& options);

    // The page heading of a list's documents: the heading typed, else the
    // list's name. The prompt the settings hold before anything was typed
    // counts as nothing typed.
    static QString headingFor(const QString& typed, const QString& listName);

private:
    QString writeOne(const store::ListenRow& list, std::optional<int> lot, const LotPlaces& places,
                     const Options& options);

    store::Database* m_holz;
    WorkCopy* m_work;
    QList<store::HolzartRow> m_species;
};

} // namespace report
