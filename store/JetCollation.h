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

// The two levels of the comparison for one code point, for engines that
// sort by keys instead of calling compare(): the lower-case letter, and its
// base letter (0 for ß and ẞ, which count as "ss"). Both change only ASCII
// and Latin-1 letters.
char32_t lowerLetter(char32_t c);
char32_t baseLetter(char32_t c);

} // namespace jet
} // namespace store
