// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

namespace store {

// Text order and equality of the list database: without regard to case,
// umlauts beside their base letters (ä with a, ß as ss), accents only as a
// tie-break. Registered on every connection as the collation "JET"; queries
// name it in ORDER BY. Equality in WHERE clauses uses the columns' NOCASE.
namespace jet {

int compare(const char* a, int lengthA, const char* b, int lengthB);
int compare(const QString& a, const QString& b);
inline bool equal(const QString& a, const QString& b)
{
    return compare(a, b) == 0;
}

void registerCollation(sqlite3* db);

} // namespace jet
} // namespace store
