// SPDX-License-Identifier: GPL-3.0-or-later
#include "StackSampleRule.h"

#include "rules/Numbers.h"
#include "rules/RecordFields.h"

namespace entry {

QString StackSampleRule::refusal(const rules::RecordFields& record, bool stored)
{
    QString reason;
    if (record.isStackedWood())
        reason = QStringLiteral("Schichtholz wird mit Breite, Höhe und Länge gemessen.");
    else if (record.optEinzelstamm)
        reason = QStringLiteral("Ein Einzelstamm wird mit seinem eigenen Durchmesser gemessen.");
    else if (rules::toSingle(record.txtStueck).value_or(0.0f) < 2)
        reason = QStringLiteral("Das Sortiment hat weniger als 2 Stück.");
    else if (!stored)
        reason = QStringLiteral("Das Sortiment zuerst speichern, dann die Mantelmessung öffnen.");
    if (reason.isEmpty())
        return reason;
    return QStringLiteral("Mantelmessung nur für ein gespeichertes Sortiment aus mehreren Stämmen.\n") +
           reason;
}

} // namespace entry
