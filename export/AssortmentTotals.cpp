// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssortmentTotals.h"

#include "RecordColumns.h"

#include <algorithm>

namespace exporter {

AssortmentTotals::AssortmentTotals(const QList<store::HolzartRow>& regionSpecies)
{
    for (const store::HolzartRow& species : regionSpecies)
        m_regionOrder.insert(species.Holzart.trimmed().toCaseFolded(), int(m_regionOrder.size()));
}

void AssortmentTotals::add(const store::HolzRow& row)
{
    const QString name = row.Holzart.trimmed();
    auto it = m_species.find(name);
    if (it == m_species.end()) {
        Collected collected;
        const int known = m_regionOrder.value(name.toCaseFolded(), -1);
        // Unknown species after all known ones, in the order first met.
        collected.order = known >= 0 ? known : 100000 + int(m_species.size());
        it = m_species.insert(name, collected);
    }
    const Key key{row.Sorte.trimmed(), row.Staerke.trimmed(), row.Guete.trimmed()};
    Group& group = it->groups[key];
    group.sorte = std::get<0>(key);
    group.staerke = std::get<1>(key);
    group.guete = std::get<2>(key);
    const double pieces = RecordColumns::countedPieces(row);
    group.pieces += pieces;
    group.volume += row.Kubatur;
    m_pieces += pieces;
    m_volume += row.Kubatur;
}

QList<AssortmentTotals::Species> AssortmentTotals::species() const
{
    QList<std::pair<int, QString>> order;
    for (auto it = m_species.cbegin(); it != m_species.cend(); ++it)
        order.append({it->order, it.key()});
    std::sort(order.begin(), order.end());
    QList<Species> list;
    for (const auto& [position, name] : order) {
        const Collected& collected = m_species.value(name);
        Species species;
        species.name = name;
        for (const Group& group : collected.groups) {
            species.groups << group;
            species.pieces += group.pieces;
            species.volume += group.volume;
        }
        list << species;
    }
    return list;
}

} // namespace exporter
