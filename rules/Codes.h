// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Grade and assortment codes as they are compared and grouped. The keys and
// quick buttons give a one-letter code with its blank ("B "), the grade
// list and the imported files without it ("B"): both are one code. The
// stored text stays as it was typed; the files write what they always wrote.
namespace rules {

// The code without trailing blanks, case folded: equal keys, one code.
QString codeKey(const QString& code);
// The code without trailing blanks, as a table shows it.
QString codeText(const QString& code);
bool sameCode(const QString& a, const QString& b);

} // namespace rules
