// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MasterRows.h"

#include <QList>
#include <QString>
#include <optional>

namespace store {

class Database;

// One step of a bark deduction row: below `threshold` cm the deduction of
// the step applies. A file may end a row after a threshold, so the last
// step may come without its deduction.
struct BarkStep {
    int threshold = 0;
    std::optional<double> deduction;
};

// Writes of the master-data database, as the master-data import makes
// them. Every save updates the first row with the same key, so reading a
// file twice leaves the data as reading it once; without such a row it
// adds one. The writes run in the caller's transaction.
class MasterDataWriter {
public:
    explicit MasterDataWriter(Database& db) : m_db(&db) {}

    // Key: Landindex.
    void saveRegion(const LaenderRow& region);
    // Key: Holzart and IndexLand.
    void saveSpecies(const HolzartRow& species);

    // Drops the bark rows of one region.
    void clearBarkRows(int region);
    // Key: region and bark group. Writes the given steps only: a step the
    // row had before and `steps` does not reach keeps its values.
    void saveBarkRow(int region, int barkGroup, const QList<BarkStep>& steps);

    // The code lists of grades and assortments; key: the code.
    void clearGueten();
    void saveGuete(const QString& code);
    void clearSorten();
    void saveSorte(const QString& code);

    // The felling kinds and uses. Clearing leaves the blank first entry the
    // screens offer for "none". A save updates the first row whose Kuerzel
    // is `code` with `row`, else adds `row`.
    void clearEinschlagtypen();
    void saveEinschlagtyp(const QString& code, const CodeRow& row);
    void clearNutzungsarten();
    void saveNutzungsart(const QString& code, const CodeRow& row);

private:
    Database* m_db;
};

} // namespace store
