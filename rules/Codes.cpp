// SPDX-License-Identifier: GPL-3.0-or-later
#include "Codes.h"

namespace rules {

QString codeText(const QString& code)
{
    qsizetype end = code.size();
    while (end > 0 && code.at(end - 1).isSpace())
        --end;
    return code.left(end);
}

QString codeKey(const QString& code)
{
    return codeText(code).toCaseFolded();
}

bool sameCode(const QString& a, const QString& b)
{
    return codeKey(a) == codeKey(b);
}

} // namespace rules
