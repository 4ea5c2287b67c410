// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <array>

namespace rules {

// One band of a bark group: from `threshold` cm on, `deduction` cm come off.
// The master data keeps deductions as decimals (half centimetres are
// common); they are used as they stand. A band with 0 in either value is
// unused.
struct BarkBand {
    int threshold = 0;
    double deduction = 0;
};
using BarkBands = std::array<BarkBand, 5>;

// The bark data of the current region: each species' bark group and each
// group's five bands. Callers fill it from the master data; the rules only
// look values up. Species codes are compared as they stand.
class BarkTable {
public:
    // Registers a species of the region; group 0 means it has no bark table.
    // A code registered twice keeps its last group.
    void addSpecies(const QString& holzart, int indexRinde);
    void setBands(int indexRinde, const BarkBands& bands);
    void clear();

    // False when the region has no species at all, which the automatic
    // deduction reports as missing data.
    bool hasSpecies() const { return !m_groups.isEmpty(); }
    // 0 when the species is unknown or has no bark table.
    int barkGroup(const QString& holzart) const { return m_groups.value(holzart, 0); }
    // The deduction of a group's bands for a diameter; 0 when the group has no
    // bands stored.
    double deduction(int indexRinde, float diameter) const;

    // The LAST usable band whose threshold the diameter reaches wins, in
    // whatever order the bands are stored: with ascending thresholds that is
    // the highest band reached, with descending ones it is not.
    static double deductionFromBands(const BarkBands& bands, float diameter);

private:
    QHash<QString, int> m_groups;
    QHash<int, BarkBands> m_bands;
};

} // namespace rules
