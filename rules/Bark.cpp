#include "rules/Bark.h"

#include "rules/Numbers.h"

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
int lookUpDeduction(float durchmesser, const QString& holzart, const BarkTable& barkTable,
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

float Rinde_Abziehen(float durchmesser, const QString& holzart, RecordFields& record,
                     const BarkTable& barkTable, QList<platform::Message>& messages)
{
    const QString zero = QStringLiteral("0");
    if (holzart.isEmpty()) {
        record.txtRinde = zero;
        return durchmesser;
    }
    if (record.cmdAbzRinde == ManualMode) {
        // The field only ever receives single digits, but a value that cannot
        // be read must not turn into a deduction.
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
    const int deduction = lookUpDeduction(durchmesser, holzart, barkTable, messages);
    if (durchmesser == 0)
        return durchmesser;
    record.txtRinde = QString::number(deduction);
    return durchmesser - static_cast<float>(deduction);
}

float Rindenabzug_Berechnen(float durchmesser, const QString& holzart, const QString& modus, int& abzug,
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
    const int deduction = lookUpDeduction(durchmesser, holzart, barkTable, messages);
    if (durchmesser == 0) {
        abzug = 0;
        return durchmesser;
    }
    abzug = deduction;
    return durchmesser - static_cast<float>(deduction);
}

} // namespace rules
