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

bool ruleAccepts(const LotRule& rule, const rules::RecordFields& record)
{
    const QString species = rule[LotRule::Holzart].trimmed();
    if (!species.isEmpty() && !holds(species, record.txtHolzart.left(2)))
        return false;

    // Codes are kept without blanks; a list typed without its last comma
    // still ends its last code.
    QString sorts = withoutBlanks(rule[LotRule::Sorte]);
    if (!sorts.isEmpty()) {
        if (!sorts.endsWith(QLatin1Char(',')))
            sorts += QLatin1Char(',');
        const QString code = QLatin1Char(',') + withoutBlanks(record.txtSorte) + QLatin1Char(',');
        if (!holds(QLatin1Char(',') + sorts, code))
            return false;
    }

    const QString grades = rule[LotRule::Guete].trimmed();
    if (!grades.isEmpty() && !holds(grades, withoutBlanks(record.txtGuete) + QLatin1Char(',')))
        return false;

    const QString classes = rule[LotRule::Staerke].trimmed();
    if (!classes.isEmpty() && !holds(classes, withoutBlanks(record.txtStaerke)))
        return false;

    return withinRange(rule[LotRule::LaengeVon], rule[LotRule::LaengeBis], record.txtLaenge) &&
           withinRange(rule[LotRule::DurchmVon], rule[LotRule::DurchmBis], record.txtDurchmesser) &&
           withinRange(rule[LotRule::KubaturVon], rule[LotRule::KubaturBis], record.txtKubatur);
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
        if (!rules.exists(key) || ruleAccepts(rules.read(key), record))
            return lot;
    }
    return 0;
}

} // namespace lots
