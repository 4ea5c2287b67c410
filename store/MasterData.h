// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/MasterRows.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace rules {
class BarkTable;
}

namespace store {

// Reads of the master-data database: regions, species of a region with
// their bark groups, bark deduction rows, and the code lists of the entry
// screen. Code lists come in the order the screens show them.
class MasterData {
public:
    explicit MasterData(Database& db) : m_db(&db) {}
    Database& database() const { return *m_db; }

    // True when the database holds no regions and no species: a file that
    // was created empty, not master data.
    bool isEmpty() const;

    QList<LaenderRow> laender() const;           // by Landindex
    QList<HolzartRow> species(int region) const; // by IndexHolzart
    std::optional<RindenabzugRow> barkRow(int region, int barkGroup) const;
    QList<RindenabzugRow> barkRows(int region) const;
    QStringList gueten() const;            // by Guete
    QStringList sorten() const;            // by Sorte
    QList<CodeRow> nutzungsarten() const;  // by Indx
    QList<CodeRow> einschlagtypen() const; // by Indx
    std::optional<CodeRow> nutzungsart(int indx) const;
    std::optional<CodeRow> einschlagtyp(int indx) const;

    // Species and bark bands of a region, for the volume computation.
    rules::BarkTable barkTable(int region) const;
    // The same for species the caller has already read with species(region).
    rules::BarkTable barkTable(int region, const QList<HolzartRow>& species) const;

    // Puts the chosen species first in the region's order: it gets
    // IndexHolzart 0, every other species its place 1, 2, ... in the present
    // order. One transaction.
    void moveSpeciesToFront(int region, const QString& species);

private:
    QList<CodeRow> codes(const char* sql) const;
    Database* m_db;
};

} // namespace store
