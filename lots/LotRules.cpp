// SPDX-License-Identifier: GPL-3.0-or-later
#include "LotRules.h"

#include "rules/Numbers.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

#include <QRegularExpression>

namespace lots {
namespace {

QString lotSection()
{
    return QString::fromUtf8(store::keys::LotSection);
}

QString rootApplication()
{
    return QString::fromUtf8(store::keys::App);
}

} // namespace

QString LotKey::text() const
{
    return store::keys::lotKey(ruleSet, lot);
}

std::optional<LotKey> LotKey::parse(const QString& text)
{
    const QString key = text.trimmed();
    if (key.size() != 3)
        return std::nullopt;
    for (const QChar c : key)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const LotKey parsed{key.at(0).digitValue(), key.mid(1).toInt()};
    if (parsed.ruleSet < 1 || parsed.lot < 1 || parsed.lot > LotRules::MaxLot)
        return std::nullopt;
    return parsed;
}

bool LotRules::exists(const LotKey& key) const
{
    return m_settings->sectionExists(rootApplication(), key.text());
}

LotRule LotRules::read(const LotKey& key) const
{
    LotRule rule;
    const QString application = store::keys::lotApplication(key.text());
    for (int f = 0; f < LotRule::FieldCount; ++f)
        rule.values[f] =
            m_settings->GetSetting(application, lotSection(), LotRule::valueName(LotRule::Field(f)));
    return rule;
}

QString LotRules::value(const LotKey& key, LotRule::Field field) const
{
    return m_settings->GetSetting(store::keys::lotApplication(key.text()), lotSection(),
                                  LotRule::valueName(field));
}

bool LotRules::write(const LotKey& key, const LotRule& rule)
{
    m_lastError.clear();
    // One write for the whole rule: a rule is never stored half.
    QList<QPair<QString, QString>> values;
    for (int f = 0; f < LotRule::FieldCount; ++f)
        values.append({LotRule::valueName(LotRule::Field(f)), rule.values[f]});
    if (!m_settings->SaveSettings(store::keys::lotApplication(key.text()), lotSection(), values)) {
        m_lastError = m_settings->lastError();
        return false;
    }
    return true;
}

bool LotRules::remove(const LotKey& key)
{
    m_lastError.clear();
    if (!exists(key))
        return false;
    if (!m_settings->DeleteSetting(rootApplication(), key.text())) {
        m_lastError = m_settings->lastError();
        return false;
    }
    return true;
}

QList<LotKey> LotRules::storedKeys() const
{
    QList<LotKey> keys;
    for (int ruleSet = 1; ruleSet <= 9; ++ruleSet)
        for (int lot = 1; lot <= MaxLot; ++lot)
            if (exists({ruleSet, lot}))
                keys.append({ruleSet, lot});
    return keys;
}

QStringList LotRules::problems(const LotRule& rule)
{
    QStringList lines;
    for (int from = LotRule::LaengeVon; from < LotRule::FieldCount; from += 2) {
        const auto lower = LotRule::Field(from);
        const auto upper = LotRule::Field(from + 1);
        std::optional<float> bounds[2];
        bool readable = true;
        for (const LotRule::Field f : {lower, upper}) {
            const QString text = rule[f].trimmed();
            if (text.isEmpty())
                continue;
            bounds[f - lower] = rules::toSingle(text);
            if (!bounds[f - lower]) {
                lines << QStringLiteral("%1: „%2“ ist keine Zahl").arg(LotRule::caption(f), text);
                readable = false;
            }
        }
        if (readable && bounds[0] && bounds[1] && *bounds[0] > *bounds[1])
            lines << QStringLiteral("%1 ist größer als %2")
                         .arg(LotRule::caption(lower), LotRule::caption(upper));
    }
    return lines;
}

LotRule LotRules::normalised(const LotRule& rule)
{
    LotRule result;
    for (int f = 0; f < LotRule::FieldCount; ++f) {
        const auto field = LotRule::Field(f);
        if (LotRule::isRange(field)) {
            result[field] = rule[field].trimmed();
            continue;
        }
        // Species names may hold blanks; codes never do.
        static const QRegularExpression codeSeparators(QStringLiteral("[,;\\s]+"));
        static const QRegularExpression speciesSeparators(QStringLiteral("[,;]+"));
        const QStringList parts = rule[field].split(
            field == LotRule::Holzart ? speciesSeparators : codeSeparators, Qt::SkipEmptyParts);
        QString list;
        for (const QString& part : parts) {
            QString code = part.trimmed();
            if (field == LotRule::Holzart)
                code = code.left(2);
            if (!code.isEmpty())
                list += code + QLatin1Char(',');
        }
        result[field] = list;
    }
    return result;
}

} // namespace lots
