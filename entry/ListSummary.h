#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Database;
}

namespace entry {

// The assortment summary of one list ("Statistik"): per species, one line
// per run of records with the same assortment, class and grade, with their
// pieces and volume, the species' volume, and the list's total.
class ListSummary {
public:
    // `species` is the region's species order; species of the list that the
    // region does not know follow after them, so no record is left out.
    static QString text(store::Database& holz, const QStringList& species, const QString& list,
                        bool dezimalpunkt);
};

} // namespace entry
