// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutoLos.h"

#include "lots/LotRules.h"
#include "rules/Numbers.h"

namespace lots {
namespace {

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

bool holds(const QString& list, const QString& part)
{
    return list.contains(part, Qt::CaseInsensitive);
}

// Lower bound not above the value, upper bound not below it; an empty bound
// is no bound. A bound or value that cannot be read fails the test.
bool withinRange(const QString& lower, const QString& upper, const QString& field)
{
    const QString from = lower.trimmed();
    const QString to = upper.trimmed();
    if (from.isEmpty() && to.isEmpty())
        return true;
    const std::optional<float> value = rules::toSingle(field);
    if (!value)
        return false;
    if (!from.isEmpty()) {
        const std::optional<float> bound = rules::toSingle(from);
        if (!bound || *bound > *value)
            return false;
    }
    if (!to.isEmpty()) {
        const std::optional<float> bound = rules::toSingle(to);
        if (!bound || *bound < *value)
            return false;
    }
    return true;
}

} // namespace

std::optional<AutoLosRange> autoLosRange(const QString& autoLosMax)
{
    const QString text = autoLosMax.trimmed();
    if (text.size() < 3)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int ruleSet = text.at(0).digitValue();
    if (ruleSet == 0)
        return std::nullopt;
    bool ok = false;
    const int highest = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    AutoLosRange range;
    range.ruleSet = ruleSet;
    range.lastLot = std::min(highest - ruleSet * 100, LotRules::MaxLot);
    return range;
}

namespace {

// The tests in their order; `value` gives a rule's value by field, so that
// values behind the first failing test are never read.
template <class Value> bool accepts(const Value& value, const rules::RecordFields& record)
{
    const QString species = value(LotRule::Holzart).trimmed();
    if (!species.isEmpty() && !holds(species, record.txtHolzart.left(2)))
        return false;

    // Codes are kept without blanks; a list typed without its last comma
    // still ends its last code.
    QString sorts = withoutBlanks(value(LotRule::Sorte));
    if (!sorts.isEmpty()) {
        if (!sorts.endsWith(QLatin1Char(',')))
            sorts += QLatin1Char(',');
        const QString code = QLatin1Char(',') + withoutBlanks(record.txtSorte) + QLatin1Char(',');
        if (!holds(QLatin1Char(',') + sorts, code))
            return false;
    }

    // Grades the same way: "B " from the key and "B" from the list are one
    // grade, in the record and in the rule. A grade contained in a longer
    // one still counts (a rule for BC accepts C).
    QString grades = withoutBlanks(value(LotRule::Guete));
    if (!grades.isEmpty()) {
        if (!grades.endsWith(QLatin1Char(',')))
            grades += QLatin1Char(',');
        const QString grade = withoutBlanks(record.txtGuete);
        if (grade.isEmpty() || !holds(grades, grade + QLatin1Char(',')))
            return false;
    }

    const QString classes = value(LotRule::Staerke).trimmed();
    if (!classes.isEmpty() && !holds(classes, withoutBlanks(record.txtStaerke)))
        return false;

    return withinRange(value(LotRule::LaengeVon), value(LotRule::LaengeBis), record.txtLaenge) &&
           withinRange(value(LotRule::DurchmVon), value(LotRule::DurchmBis), record.txtDurchmesser) &&
           withinRange(value(LotRule::KubaturVon), value(LotRule::KubaturBis), record.txtKubatur);
}

} // namespace

bool ruleAccepts(const LotRule& rule, const rules::RecordFields& record)
{
    return accepts([&rule](LotRule::Field field) { return rule[field]; }, record);
}

std::optional<int> AutoLos_Zuordnen(const rules::RecordFields& record, const QString& autoLosMax,
                                    const LotRules& rules)
{
    const std::optional<AutoLosRange> range = autoLosRange(autoLosMax);
    if (!range)
        return std::nullopt;
    for (int lot = range->firstLot; lot <= range->lastLot; ++lot) {
        const LotKey key{range->ruleSet, lot};
        // A key without a rule accepts everything: no need to read ten empty values.
        if (!rules.exists(key) ||
            accepts([&](LotRule::Field field) { return rules.value(key, field); }, record))
            return lot;
    }
    return 0;
}

} // namespace lots
