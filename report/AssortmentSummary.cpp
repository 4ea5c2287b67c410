#include "AssortmentSummary.h"

#include "HolzartCodes.h"
#include "ReportTexts.h"

#include "rules/Numbers.h"
#include "store/JetCollation.h"

#include <QSet>
#include <algorithm>

namespace report {
namespace {

using ReportTexts::CR;

bool sameGroup(const store::WorkRow& a, const store::WorkRow& b)
{
    return store::jet::equal(a.Sorte.trimmed(), b.Sorte.trimmed()) &&
           store::jet::equal(a.Staerke.trimmed(), b.Staerke.trimmed()) &&
           store::jet::equal(a.Guete.trimmed(), b.Guete.trimmed());
}

bool groupLess(const store::WorkRow* a, const store::WorkRow* b)
{
    if (int c = store::jet::compare(a->Sorte, b->Sorte))
        return c < 0;
    if (int c = store::jet::compare(a->Staerke, b->Staerke))
        return c < 0;
    return store::jet::compare(a->Guete, b->Guete) < 0;
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

AssortmentSummary AssortmentSummary::build(const QString& listName,
                                           const QList<store::HolzartRow>& regionSpecies,
                                           const QList<store::WorkRow>& rows)
{
    AssortmentSummary summary;
    summary.m_listName = listName;
    const HolzartCodes codes(regionSpecies);

    // Records by species, species in the region's order first.
    QStringList order;
    QSet<QString> known;
    QHash<QString, QList<const store::WorkRow*>> bySpecies;
    auto add = [&](const QString& name) {
        const QString k = name.trimmed().toCaseFolded();
        if (!known.contains(k)) {
            known.insert(k);
            order << k;
        }
        return k;
    };
    for (const auto& species : regionSpecies)
        add(species.Holzart);
    for (const auto& row : rows)
        bySpecies[add(row.Holzart)] << &row;

    for (const QString& k : order) {
        auto records = bySpecies.value(k);
        if (records.isEmpty())
            continue;
        std::stable_sort(records.begin(), records.end(), groupLess);
        Species species;
        species.name = records.first()->Holzart;
        species.code = codes.code(species.name).left(6);
        Group group;
        const store::WorkRow* first = nullptr;
        auto close = [&] {
            if (group.pieces != 0) {
                species.pieces += group.pieces;
                species.groups << group;
                ++summary.m_lines;
            }
        };
        for (const store::WorkRow* record : records) {
            if (first && !sameGroup(*first, *record)) {
                close();
                first = nullptr;
            }
            if (!first) {
                first = record;
                group = Group{record->Sorte, record->Staerke, record->Guete, 0, 0};
            }
            // A follow-on piece belongs to a log already counted.
            if (!record->Folgestamm)
                group.pieces += rules::roundHalfEven(record->Stueck);
            group.volume += record->Kubatur;
            species.volume += record->Kubatur;
            summary.m_total += record->Kubatur;
        }
        close();
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
