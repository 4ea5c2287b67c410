// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Database;
}

namespace cli {

// Fills a new list with realistic records (logs, assortments and stacks of
// the usual species, lengths and diameters) for trying out big lists and
// for the benchmarks. The same seed gives the same list.
class ListGenerator {
public:
    explicit ListGenerator(QStringList species, quint32 seed = 1);

    // Creates the list with `count` records and its stored totals, in one
    // transaction. False, with nothing written, when the list exists.
    bool generate(store::Database& db, const QString& list, int count);

private:
    QStringList m_species;
    quint32 m_seed;
};

} // namespace cli
