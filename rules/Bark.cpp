// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Bark.h"

#include "rules/Numbers.h"

#include <cmath>

namespace rules {

namespace {

const QString ManualMode = QStringLiteral(" ");
const QString AutomaticMode = QStringLiteral("a");

platform::Message information(const QString& text)
{
    return {text, QStringLiteral("Information"), platform::Buttons::OkCancel, platform::Icon::Information};
}

platform::Message noBarkData()
{
    return information(QStringLiteral("Keine Daten für automatischen Rindenabzug vorhanden"));
}

// The table lookup both operations share; a species without bark group is
// reported and deducts nothing.
double lookUpDeduction(float durchmesser, const QString& holzart, const BarkTable& barkTable,
                       QList<platform::Message>& messages)
{
    const int group = barkTable.barkGroup(holzart);
    if (group == 0) {
        messages.append(noBarkData());
        return 0;
    }
    return barkTable.deduction(group, durchmesser);
}

} // namespace

QString formatDeduction(double cm, bool dezimalpunkt)
{
    QString text = QString::number(std::round(cm * 100.0) / 100.0, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (!dezimalpunkt)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

float Rinde_Abziehen(float durchmesser, const QString& holzart, RecordFields& record,
                     const BarkTable& barkTable, QList<platform::Message>& messages, bool dezimalpunkt)
{
    const QString zero = QStringLiteral("0");
    if (holzart.isEmpty()) {
        record.txtRinde = zero;
        return durchmesser;
    }
    if (record.cmdAbzRinde == ManualMode) {
        // A value that cannot be read must not turn into a deduction.
        const auto typed = record.txtRinde.isEmpty() ? std::nullopt : toSingle(record.txtRinde);
        return typed ? durchmesser - *typed : durchmesser;
    }

    record.txtRinde = zero;
    if (record.cmdAbzRinde != AutomaticMode)
        return durchmesser;
    if (record.isStackedWood()) {
        messages.append(information(QStringLiteral("Kein autom. Rindenabzug im Schichtholz !")));
        record.cmdAbzRinde = QStringLiteral("o");
        return durchmesser;
    }
    if (!barkTable.hasSpecies()) {
        messages.append(noBarkData());
        return durchmesser;
    }
    const double deduction = lookUpDeduction(durchmesser, holzart, barkTable, messages);
    if (durchmesser == 0)
        return durchmesser;
    record.txtRinde = formatDeduction(deduction, dezimalpunkt);
    return durchmesser - static_cast<float>(deduction);
}

float Rindenabzug_Berechnen(float durchmesser, const QString& holzart, const QString& modus, double& abzug,
                            const BarkTable& barkTable, QList<platform::Message>& messages)
{
    if (holzart.isEmpty()) {
        abzug = 0;
        return durchmesser;
    }
    if (modus == ManualMode)
        return abzug != 0 ? durchmesser - static_cast<float>(abzug) : durchmesser;
    if (modus != AutomaticMode) {
        abzug = 0;
        return durchmesser;
    }
    if (!barkTable.hasSpecies()) {
        messages.append(noBarkData());
        abzug = 0; // nothing was deducted, so nothing may be stored as deducted
        return durchmesser;
    }
    const double deduction = lookUpDeduction(durchmesser, holzart, barkTable, messages);
    if (durchmesser == 0) {
        abzug = 0;
        return durchmesser;
    }
    abzug = deduction;
    return durchmesser - static_cast<float>(deduction);
}

} // namespace rules
