// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HolzRow.h"
#include "store/MasterRows.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <tuple>

namespace exporter {

// The assortment summary of a list for the office formats: volume and
// pieces per species and per group of assortment, diameter class and grade.
// Species in the region's order, species the region does not know after
// them in the order first met; groups by assortment, class and grade.
// Follow-on pieces add volume but no pieces. Unlike the printed summary,
// groups without pieces are listed too, so the subtotals of a spreadsheet
// add up to the list's volume.
class AssortmentTotals {
public:
    struct Group {
        QString sorte;
        QString staerke;
        QString guete;
        double pieces = 0;
        double volume = 0;
    };
    struct Species {
        QString name;
        QList<Group> groups;
        double pieces = 0;
        double volume = 0;
    };

    explicit AssortmentTotals(const QList<store::HolzartRow>& regionSpecies);

    void add(const store::HolzRow& row);

    // The species with records, in order.
    QList<Species> species() const;
    double pieces() const { return m_pieces; }
    double volume() const { return m_volume; }

private:
    using Key = std::tuple<QString, QString, QString>;
    struct Collected {
        int order = 0;
        QMap<Key, Group> groups;
    };
    QHash<QString, int> m_regionOrder;
    QHash<QString, Collected> m_species;
    double m_pieces = 0;
    double m_volume = 0;
};

} // namespace exporter
