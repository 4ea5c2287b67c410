// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lots/LotRule.h"
#include "rules/RecordFields.h"

#include <optional>

namespace lots {

class LotRules;

// The rule keys that automatic lot assignment tries for an AutoLosMax text:
// rule set `ruleSet`, lots `firstLot` … `lastLot`, lowest first.
struct AutoLosRange {
    int ruleSet = 0;
    int firstLot = 1;
    int lastLot = 0; // below firstLot: no key is tried
};

// The range for AutoLosMax; nullopt when automatic assignment is off.
// Off: fewer than three characters ("0", "12"), anything but digits, or a
// first digit of 0 (there is no rule set 0). The last lot tried never
// exceeds 85: keys beyond it cannot be edited, and as keys without a rule
// they would accept every record and hand out a lot the list cannot hold.
std::optional<AutoLosRange> autoLosRange(const QString& autoLosMax);

// Whether the rule accepts the record. The tests stop at the first that fails:
// - species: the list holds the first two letters of txtHolzart;
// - assortment: txtSorte without blanks is one of the list's codes (a whole
//   code: a list of "L1," refuses "L ");
// - grade: the list holds txtGuete without blanks followed by "," — a plain
//   text search, so a list holding "BC," accepts grade "C " as well;
// - class: the list holds txtStaerke without blanks (again a text search);
// - length, diameter, volume: within the bounds, both ends included.
// Texts are compared without regard to case; an empty value restricts
// nothing; a bound or field that is not a number fails its test.
bool ruleAccepts(const LotRule& rule, const rules::RecordFields& record);

// Automatic lot assignment, the first step of saving a record: tries the
// rules of the range in ascending order; a key without a stored rule
// accepts every record. Returns nullopt when assignment is off (the typed
// lot stays), else the lot of the first rule that accepts the record, or 0
// when none does. The caller writes the result into txtLos and registers a
// lot above 0 in the list.
std::optional<int> AutoLos_Zuordnen(const rules::RecordFields& record, const QString& autoLosMax,
                                    const LotRules& rules);

} // namespace lots
