// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/MasterRows.h"
#include "store/WorkRow.h"

#include <QList>
#include <QString>

namespace report {

// The assortment summary of a list: volume and pieces per species, per
// assortment with diameter class, and per grade.
//
// Species come in the region's order; species of records that the region
// does not know follow in the order of their first record, so the totals
// always cover the whole list. Within a species, groups are ordered by
// assortment, class and grade. Follow-on pieces add their volume but no
// piece. A group whose pieces sum to 0 is not listed, but its volume counts
// in the species and overall totals. Codes are compared without their
// trailing blanks: "B" and "B " are one grade.
class AssortmentSummary {
public:
    struct Group {
        QString sorte; // as stored, e.g. "L "
        QString staerke;
        QString guete;
        qint64 pieces = 0;
        double volume = 0;
    };
    struct Species {
        QString name;
        QString code;        // up to six characters of the short code
        QList<Group> groups; // only the listed ones (pieces not 0)
        qint64 pieces = 0;
        double volume = 0;
    };

    // From records in the order of the working copy.
    static AssortmentSummary build(const QString& listName, const QList<store::HolzartRow>& regionSpecies,
                                   const QList<store::WorkRow>& rows);
    // From the list's records in the list database, in one pass and with
    // one record in memory at a time; the same result as from its working copy.
    static AssortmentSummary build(const QString& listName, const QList<store::HolzartRow>& regionSpecies,
                                   store::Database& holz);

    const QString& listName() const { return m_listName; }
    const QList<Species>& species() const { return m_species; }
    double totalVolume() const { return m_total; }
    // Lines of the printed summary: 2, one per group line, two per species total.
    int lineCount() const { return m_lines; }

    // The summary as fixed-width text, lines ending with CR. Volumes with two
    // decimals, a decimal point when `dezimalpunkt`, else a comma.
    QString text(bool dezimalpunkt) const;

private:
    class Sums;
    static AssortmentSummary finish(const QString& listName, const QList<store::HolzartRow>& regionSpecies,
                                    const Sums& sums);
    QString m_listName;
    QList<Species> m_species;
    double m_total = 0;
    int m_lines = 2;
};

} // namespace report
