// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsModel.h"

#include "entry/ListTotals.h"
#include "rules/Codes.h"
#include "rules/Numbers.h"
#include "store/JetCollation.h"
#include "store/RecordRepository.h"

#include <QJsonArray>
#include <QLocale>

#include <algorithm>
#include <map>

namespace entry {
namespace {

// One group's key: the codes compared as codes, the class as its text.
struct GroupKey {
    QString sorte;
    QString staerke;
    QString guete;

    bool operator<(const GroupKey& other) const
    {
        if (const int c = store::jet::compare(sorte, other.sorte))
            return c < 0;
        if (const int c = store::jet::compare(staerke, other.staerke))
            return c < 0;
        return store::jet::compare(guete, other.guete) < 0;
    }
};

struct SpeciesGroups {
    QString name; // as the first record of the species spells it
    std::map<GroupKey, StatisticsModel::Line> groups;
};

QString sortWithClass(const StatisticsModel::Line& line)
{
    if (line.staerke.isEmpty())
        return line.sorte;
    return line.sorte + QLatin1Char(' ') + line.staerke;
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

StatisticsModel::StatisticsModel(QObject* parent) : QAbstractTableModel(parent) {}

void StatisticsModel::load(store::Database& holz, const QString& list, const QStringList& species, bool dp)
{
    // Species by their key (case does not part them, as in the database).
    std::map<QString, SpeciesGroups> bySpecies;
    store::RecordRepository(holz).forEachRecord(list, QString(), true, [&](const store::HolzRow& row) {
        SpeciesGroups& groups = bySpecies[row.Holzart.trimmed().toCaseFolded()];
        if (groups.name.isEmpty())
            groups.name = row.Holzart.trimmed();
        const GroupKey key{rules::codeKey(row.Sorte), row.Staerke.trimmed().toCaseFolded(),
                           rules::codeKey(row.Guete)};
        auto [it, added] = groups.groups.try_emplace(key);
        Line& line = it->second;
        if (added) {
            line.holzart = groups.name;
            line.sorte = rules::codeText(row.Sorte);
            line.staerke = row.Staerke.trimmed();
            line.guete = rules::codeText(row.Guete);
        }
        line.pieces += ListTotals::pieceCount(row);
        line.volume += row.Kubatur;
    });

    QStringList order;
    for (const QString& name : species) {
        const QString key = name.trimmed().toCaseFolded();
        if (bySpecies.count(key) && !order.contains(key))
            order << key;
    }
    QStringList others;
    for (const auto& [key, groups] : bySpecies) {
        if (!order.contains(key))
            others << key;
    }
    std::sort(others.begin(), others.end(),
              [](const QString& a, const QString& b) { return store::jet::compare(a, b) < 0; });
    order << others;

    beginResetModel();
    m_list = list;
    m_dezimalpunkt = dp;
    m_lines.clear();
    Line grand;
    grand.kind = LineKind::GrandTotal;
    for (const QString& key : order) {
        const SpeciesGroups& groups = bySpecies.at(key);
        Line total;
        total.kind = LineKind::SpeciesTotal;
        total.holzart = groups.name;
        for (const auto& [groupKey, line] : groups.groups) {
            m_lines << line;
            // Each group's volume as shown adds up to the total shown.
            total.pieces += line.pieces;
            total.volume += ListTotals::twoDecimals(line.volume);
        }
        total.volume = ListTotals::twoDecimals(total.volume);
        m_lines << total;
        grand.pieces += total.pieces;
        grand.volume += total.volume;
    }
    grand.volume = ListTotals::twoDecimals(grand.volume);
    m_lines << grand;
    endResetModel();
}

QString StatisticsModel::title() const
{
    return QStringLiteral("Sortenzusammenstellung zu Holzliste ") + m_list;
}

QString StatisticsModel::cellText(int row, int column) const
{
    if (row < 0 || row >= m_lines.size())
        return QString();
    const Line& line = m_lines.at(row);
    switch (column) {
    case Holzart:
        if (line.kind == LineKind::GrandTotal)
            return QStringLiteral("Gesamt");
        if (line.kind == LineKind::SpeciesTotal)
            return QStringLiteral("Summe ") + line.holzart;
        return line.holzart;
    case Sorte:
        return line.kind == LineKind::Group ? sortWithClass(line) : QString();
    case Guete:
        return line.kind == LineKind::Group ? line.guete : QString();
    case Stueck:
        return QLocale(QLocale::German).toString(line.pieces);
    case Kubatur:
        return rules::formatTwoGrouped(line.volume, m_dezimalpunkt);
    default:
        return QString();
    }
}

QString StatisticsModel::text() const
{
    QStringList out;
    out << title();
    QStringList heading;
    for (int column = 0; column < ColumnCount; ++column)
        heading << headerData(column, Qt::Horizontal).toString();
    out << heading.join(QLatin1Char('\t'));
    for (int row = 0; row < m_lines.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << cellText(row, column);
        out << cells.join(QLatin1Char('\t'));
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject StatisticsModel::json() const
{
    QJsonArray species;
    QJsonArray groups;
    for (const Line& line : m_lines) {
        if (line.kind == LineKind::Group) {
            groups.append(QJsonObject{{QStringLiteral("sorte"), line.sorte},
                                      {QStringLiteral("staerke"), line.staerke},
                                      {QStringLiteral("guete"), line.guete},
                                      {QStringLiteral("stueck"), line.pieces},
                                      {QStringLiteral("kubatur"), ListTotals::twoDecimals(line.volume)}});
        } else if (line.kind == LineKind::SpeciesTotal) {
            species.append(QJsonObject{{QStringLiteral("holzart"), line.holzart},
                                       {QStringLiteral("gruppen"), groups},
                                       {QStringLiteral("stueck"), line.pieces},
                                       {QStringLiteral("kubatur"), line.volume}});
            groups = QJsonArray();
        }
    }
    const Line& grand = m_lines.isEmpty() ? Line() : m_lines.last();
    return QJsonObject{{QStringLiteral("liste"), m_list},
                       {QStringLiteral("holzarten"), species},
                       {QStringLiteral("stueck"), grand.pieces},
                       {QStringLiteral("kubatur"), grand.volume}};
}

QString StatisticsModel::html() const
{
    QString out =
        QStringLiteral("<h3>") + escaped(title()) +
        QStringLiteral("</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (int column = 0; column < ColumnCount; ++column)
        out += QStringLiteral("<th align=\"%1\">%2</th>")
                   .arg(isNumber(column) ? QStringLiteral("right") : QStringLiteral("left"),
                        escaped(headerData(column, Qt::Horizontal).toString()));
    out += QStringLiteral("</tr>");
    for (int row = 0; row < m_lines.size(); ++row) {
        const bool total = m_lines.at(row).kind != LineKind::Group;
        out += total ? QStringLiteral("<tr style=\"font-weight:bold\">") : QStringLiteral("<tr>");
        for (int column = 0; column < ColumnCount; ++column)
            out += QStringLiteral("<td align=\"%1\">%2</td>")
                       .arg(isNumber(column) ? QStringLiteral("right") : QStringLiteral("left"),
                            escaped(cellText(row, column)));
        out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
}

int StatisticsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int StatisticsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StatisticsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int((isNumber(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case LineKindRole:
        return int(m_lines.at(index.row()).kind);
    default:
        return QVariant();
    }
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int((isNumber(section) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case Holzart:
        return QStringLiteral("Holzart");
    case Sorte:
        return QStringLiteral("Sorte / Klasse");
    case Guete:
        return QStringLiteral("Güte");
    case Stueck:
        return QStringLiteral("Stück");
    case Kubatur:
        return QStringLiteral("Kubatur");
    default:
        return QVariant();
    }
}

} // namespace entry
