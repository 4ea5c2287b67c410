// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssortmentSummary.h"

#include "HolzartCodes.h"
#include "ReportTexts.h"

#include "rules/Numbers.h"
#include "store/JetCollation.h"
#include "store/SummarySource.h"

#include <QSet>
#include <algorithm>

namespace report {
namespace {

using ReportTexts::CR;

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

// A record's place in the report's working copy: single logs first by lot
// and number, then the others by lot, length, assortment, grade and
// diameter; the entry order breaks ties. Rows that come in that order
// already carry their position as `first`.
struct Place {
    int part = 0;
    int los = 0;
    double first = 0;
    QString sorte;
    QString guete;
    double durchm = 0;
    qint64 id = 0;
};

bool before(const Place& a, const Place& b)
{
    if (a.part != b.part)
        return a.part < b.part;
    if (a.los != b.los)
        return a.los < b.los;
    if (a.first != b.first)
        return a.first < b.first;
    if (a.part == 1) {
        if (const int c = store::jet::compare(a.sorte, b.sorte))
            return c < 0;
        if (const int c = store::jet::compare(a.guete, b.guete))
            return c < 0;
        if (a.durchm != b.durchm)
            return a.durchm < b.durchm;
    }
    return a.id < b.id;
}

struct Input {
    const QString& holzart;
    const QString& sorte;
    const QString& staerke;
    const QString& guete;
    double stueck;
    bool folgestamm;
    double kubatur;
    Place place;
};

// The codes as stored order a group's records; the first of them names
// the group (and the first of a species names the species).
struct Codes {
    QString sorte;
    QString staerke;
    QString guete;
    Place place;

    bool before(const Input& in) const
    {
        if (const int c = store::jet::compare(sorte, in.sorte))
            return c < 0;
        if (const int c = store::jet::compare(staerke, in.staerke))
            return c < 0;
        if (const int c = store::jet::compare(guete, in.guete))
            return c < 0;
        return !report::before(in.place, place);
    }
    void take(const Input& in)
    {
        sorte = in.sorte;
        staerke = in.staerke;
        guete = in.guete;
        place = in.place;
    }
};

struct GroupSum {
    // Trailing blanks do not make another code: "B" and "B " are one grade.
    QString sorte;
    QString staerke;
    QString guete;
    Codes first;
    qint64 pieces = 0;
    double volume = 0;

    bool matches(const QString& s, const QString& st, const QString& g) const
    {
        return store::jet::equal(sorte, s) && store::jet::equal(staerke, st) && store::jet::equal(guete, g);
    }
};

struct SpeciesSum {
    QString name;
    Codes first;        // the record that names the species
    Place firstInOrder; // where the species first appears
    QHash<QString, QList<int>> groupsByKey;
    std::vector<GroupSum> groups;
    double volume = 0;
};

bool groupLess(const GroupSum* a, const GroupSum* b)
{
    if (int c = store::jet::compare(a->sorte, b->sorte))
        return c < 0;
    if (int c = store::jet::compare(a->staerke, b->staerke))
        return c < 0;
    if (int c = store::jet::compare(a->guete, b->guete))
        return c < 0;
    return before(a->first.place, b->first.place);
}

} // namespace

// Adds the records one by one, in any order, and keeps one sum per group:
// memory grows with the number of groups, not of records.
class AssortmentSummary::Sums {
public:
    explicit Sums(const QList<store::HolzartRow>& regionSpecies)
    {
        for (const auto& species : regionSpecies) {
            const QString key = species.Holzart.trimmed().toCaseFolded();
            if (!m_regionRank.contains(key))
                m_regionRank.insert(key, int(m_regionRank.size()));
        }
    }

    void add(const Input& in)
    {
        const QString speciesKey = in.holzart.trimmed().toCaseFolded();
        auto it = m_species.find(speciesKey);
        if (it == m_species.end()) {
            it = m_species.insert(speciesKey, SpeciesSum());
            it->name = in.holzart;
            it->first.take(in);
            it->firstInOrder = in.place;
        } else {
            if (!it->first.before(in)) {
                it->first.take(in);
                it->name = in.holzart;
            }
            if (before(in.place, it->firstInOrder))
                it->firstInOrder = in.place;
        }
        SpeciesSum& species = *it;

        const QString s = in.sorte.trimmed();
        const QString st = in.staerke.trimmed();
        const QString g = in.guete.trimmed();
        const QString groupKey = s.toCaseFolded() + QChar(1) + st.toCaseFolded() + QChar(1) + g.toCaseFolded();
        QList<int>& candidates = species.groupsByKey[groupKey];
        GroupSum* group = nullptr;
        for (const int index : candidates) {
            if (species.groups[size_t(index)].matches(s, st, g)) {
                group = &species.groups[size_t(index)];
                break;
            }
        }
        if (!group) {
            candidates << int(species.groups.size());
            species.groups.push_back(GroupSum{s, st, g, Codes(), 0, 0});
            group = &species.groups.back();
            group->first.take(in);
        } else if (!group->first.before(in)) {
            group->first.take(in);
        }
        // A follow-on piece belongs to a log already counted.
        if (!in.folgestamm)
            group->pieces += rules::roundHalfEven(in.stueck);
        group->volume += in.kubatur;
        species.volume += in.kubatur;
    }

    // Species in the region's order, then the others where they first appear.
    QList<const SpeciesSum*> ordered() const
    {
        QList<const SpeciesSum*> result;
        for (auto it = m_species.cbegin(); it != m_species.cend(); ++it)
            result << &it.value();
        auto rank = [&](const SpeciesSum* species) {
            return m_regionRank.value(species->name.trimmed().toCaseFolded(), -1);
        };
        std::sort(result.begin(), result.end(), [&](const SpeciesSum* a, const SpeciesSum* b) {
            const int ra = rank(a), rb = rank(b);
            if (ra >= 0 || rb >= 0)
                return ra >= 0 && (rb < 0 || ra < rb);
            return before(a->firstInOrder, b->firstInOrder);
        });
        return result;
    }

private:
    QHash<QString, int> m_regionRank;
    QHash<QString, SpeciesSum> m_species;
};

AssortmentSummary AssortmentSummary::build(const QString& listName,
                                           const QList<store::HolzartRow>& regionSpecies,
                                           const QList<store::WorkRow>& rows)
{
    Sums sums(regionSpecies);
    int position = 0;
    for (const store::WorkRow& row : rows) {
        Place place;
        place.first = position;
        place.id = position++;
        sums.add(Input{row.Holzart, row.Sorte, row.Staerke, row.Guete, row.Stueck, row.Folgestamm, row.Kubatur,
                       place});
    }
    return finish(listName, regionSpecies, sums);
}

AssortmentSummary AssortmentSummary::build(const QString& listName,
                                           const QList<store::HolzartRow>& regionSpecies, store::Database& holz)
{
    Sums sums(regionSpecies);
    store::SummarySource::scan(holz, listName, [&](const store::SummarySourceRow& row) {
        Place place;
        place.part = row.Einzelstamm ? 0 : 1;
        place.los = row.Los;
        place.first = row.Einzelstamm ? double(row.Nummer) : row.Laenge;
        if (!row.Einzelstamm) {
            place.sorte = row.Sorte;
            place.guete = row.Guete;
            place.durchm = row.Durchm;
        }
        place.id = row.Id;
        sums.add(Input{row.Holzart, row.Sorte, row.Staerke, row.Guete, row.Stueck, row.Folgestamm, row.Kubatur,
                       place});
    });
    return finish(listName, regionSpecies, sums);
}

AssortmentSummary AssortmentSummary::finish(const QString& listName,
                                            const QList<store::HolzartRow>& regionSpecies, const Sums& sums)
{
    AssortmentSummary summary;
    summary.m_listName = listName;
    const HolzartCodes codes(regionSpecies);
    for (const SpeciesSum* sum : sums.ordered()) {
        Species species;
        species.name = sum->name;
        species.code = codes.code(species.name).left(6);
        species.volume = sum->volume;
        QList<const GroupSum*> groups;
        for (const GroupSum& group : sum->groups)
            groups << &group;
        std::sort(groups.begin(), groups.end(), groupLess);
        for (const GroupSum* group : groups) {
            // A group without pieces is not listed; its volume still counts.
            if (group->pieces == 0)
                continue;
            species.pieces += group->pieces;
            species.groups << Group{group->first.sorte, group->first.staerke, group->first.guete, group->pieces,
                                    group->volume};
            ++summary.m_lines;
        }
        summary.m_total += sum->volume;
        summary.m_lines += 2;
        summary.m_species << species;
    }
    return summary;
}

QString AssortmentSummary::text(bool dezimalpunkt) const
{
    auto volume = [&](double v) { return rules::formatTwo(v, dezimalpunkt); };
    QString text = QStringLiteral("Sortenzusammenstellung zu Holzliste ") + m_listName + CR;
    text += CR +
            ReportTexts::padLine(
                QStringLiteral("Holzart;Sorte ;Güte  ;Stück ;Kubatur;Kubaturges.").split(QLatin1Char(';'))) +
            CR;
    for (const Species& species : m_species) {
        text += CR;
        for (const Group& group : species.groups)
            text += ReportTexts::padLine({species.code, group.sorte + group.staerke, group.guete,
                                          QString::number(group.pieces), volume(group.volume),
                                          QStringLiteral(" ")}) +
                    CR;
        text += CR +
                ReportTexts::padLine({species.code, blanks(21), QStringLiteral(" "),
                                      QString::number(species.pieces) + QLatin1Char(' '),
                                      volume(species.volume), QString()}) +
                blanks(19);
    }
    text += QLatin1Char('-') + blanks(82) + QStringLiteral("__________") + CR;
    text += QLatin1Char('-') + blanks(78) + QStringLiteral("Gesamt  ") + volume(m_total) + CR;
    text += QStringLiteral("-  ") + CR;
    return text;
}

} // namespace report
