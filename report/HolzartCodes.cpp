// SPDX-License-Identifier: GPL-3.0-or-later
#include "HolzartCodes.h"

namespace report {

HolzartCodes::HolzartCodes(const QList<store::HolzartRow>& species)
{
    for (const auto& row : species) {
        const QString key = row.Holzart.trimmed().toCaseFolded();
        // A species listed twice keeps its first code; a blank code is no code.
        if (!m_codes.contains(key) && !row.Kuerzel1.trimmed().isEmpty())
            m_codes.insert(key, row.Kuerzel1.trimmed());
    }
}

bool HolzartCodes::has(const QString& species) const
{
    return m_codes.contains(species.trimmed().toCaseFolded());
}

QString HolzartCodes::code(const QString& species) const
{
    const auto it = m_codes.constFind(species.trimmed().toCaseFolded());
    if (it != m_codes.constEnd())
        return *it;
    return species.trimmed().left(3);
}

QString HolzartCodes::recordCode(const QString& species, bool folgestamm, bool klammerstamm) const
{
    return marked(code(species), folgestamm, klammerstamm);
}

QString HolzartCodes::marked(QString text, bool folgestamm, bool klammerstamm)
{
    if (folgestamm)
        text.prepend(QStringLiteral("F*"));
    if (klammerstamm)
        text.prepend(QStringLiteral("K*"));
    return text;
}

} // namespace report
