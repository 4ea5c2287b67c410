// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/BarkTable.h"

namespace rules {

void BarkTable::addSpecies(const QString& holzart, int indexRinde)
{
    m_groups.insert(holzart, indexRinde);
}

void BarkTable::setBands(int indexRinde, const BarkBands& bands)
{
    m_bands.insert(indexRinde, bands);
}

void BarkTable::clear()
{
    m_groups.clear();
    m_bands.clear();
}

double BarkTable::deduction(int indexRinde, float diameter) const
{
    const auto found = m_bands.constFind(indexRinde);
    return found == m_bands.cend() ? 0 : deductionFromBands(*found, diameter);
}

double BarkTable::deductionFromBands(const BarkBands& bands, float diameter)
{
    double result = 0;
    for (const BarkBand& band : bands) {
        if (band.threshold != 0 && band.deduction != 0 && diameter >= static_cast<float>(band.threshold))
            result = band.deduction;
    }
    return result;
}

} // namespace rules
