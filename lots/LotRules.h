// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lots/LotRule.h"

#include <QStringList>
#include <optional>

namespace store {
class Settings;
}

namespace lots {

// A rule's key: the rule-set digit followed by the lot in two digits.
struct LotKey {
    int ruleSet = 0; // 1 … 9
    int lot = 0;     // 1 … 85

    // "101" for rule set 1, lot 1; "212" for set 2, lot 12.
    QString text() const;
    // "207" → {2, 7}; nullopt unless three digits with a set of 1 … 9 and a lot of 1 … 85.
    static std::optional<LotKey> parse(const QString& text);
};

// The lot rules in the settings store: one group per key (application
// "Software\Stemmo\<key>", section "Los") holding the ten values.
class LotRules {
public:
    explicit LotRules(store::Settings& settings) : m_settings(&settings) {}

    static constexpr int MaxLot = 85;

    bool exists(const LotKey& key) const;
    // The stored values; all empty when the rule does not exist, and a value
    // missing from a stored rule reads as empty.
    LotRule read(const LotKey& key) const;
    // One value of a rule; empty when the rule or the value is missing.
    QString value(const LotKey& key, LotRule::Field field) const;
    // Stores all ten values, replacing what was there. False when the
    // settings file could not be written (lastError() says why).
    bool write(const LotKey& key, const LotRule& rule);
    // Removes the rule's group. False when there was none (lastError()
    // empty) or the file could not be written.
    bool remove(const LotKey& key);
    // Keys of all stored rules, ascending.
    QList<LotKey> storedKeys() const;

    QString lastError() const { return m_lastError; }

    // What would make a rule never match: range values that are not numbers
    // and ranges whose lower end lies above the upper one. One German line
    // per finding; empty when the rule is sound.
    static QStringList problems(const LotRule& rule);

    // The rule as it is stored: each code list as codes without blanks, each
    // followed by "," ("B C" and "B,C" become "B,C,"; a species name stands
    // for its first two letters), range values trimmed. A list typed
    // without its last comma would otherwise never accept its last grade.
    static LotRule normalised(const LotRule& rule);

private:
    store::Settings* m_settings;
    QString m_lastError;
};

} // namespace lots
