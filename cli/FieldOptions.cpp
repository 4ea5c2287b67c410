// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldOptions.h"

namespace cli {

void refuseValuesOutOfRange(const Options& options, const QList<FieldOption>& fields, const QString& sortCode)
{
    QStringList problems;
    for (const FieldOption& field : fields) {
        const QString name = QString::fromLatin1(field.option);
        if (!options.has(name))
            continue;
        const QString problem = rules::fieldValueProblem(field.field, options.value(name), sortCode);
        if (!problem.isEmpty())
            problems << QStringLiteral("--%1 %2: %3").arg(name, options.value(name), problem);
    }
    if (!problems.isEmpty())
        throw CommandError{problems.join(QLatin1Char('\n')), 1};
}

} // namespace cli
