// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListenGridModel.h"

#include "ReportTexts.h"

#include "rules/Numbers.h"
#include "store/JetCollation.h"
#include "store/LotRegister.h"

#include <QLocale>

namespace report {
namespace {

enum Column {
    Liste,
    Name,
    Strasse,
    Ort,
    Forstamt,
    Revier,
    Abteilung,
    UAbt,
    Bestand,
    Lagerplatz,
    Datum,
    Zusatztext,
    Kubatur,
    Stueckzahl,
    NummerHigh,
    Los,
    Konvertiert,
    Bearbeitet,
    ColumnCount
};

} // namespace

void ListenGridModel::setLists(QList<store::ListenRow> lists)
{
    beginResetModel();
    m_lists = std::move(lists);
    endResetModel();
}

int ListenGridModel::rowOf(const QString& list) const
{
    for (int i = 0; i < m_lists.size(); ++i)
        if (store::jet::equal(m_lists.at(i).Liste, list))
            return i;
    return -1;
}

int ListenGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lists.size());
}

int ListenGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListenGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lists.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Kubatur && index.column() <= NummerHigh
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const store::ListenRow& row = m_lists.at(index.row());
    switch (index.column()) {
    case Liste:
        return row.Liste;
    case Name:
        return row.Name;
    case Strasse:
        return row.Strasse;
    case Ort:
        return row.Ort;
    case Forstamt:
        return row.Forstamt;
    case Revier:
        return row.Revier;
    case Abteilung:
        return row.Abteilung;
    case UAbt:
        return row.UAbt;
    case Bestand:
        return row.Bestand;
    case Lagerplatz:
        return row.Lagerplatz;
    case Datum:
        return ReportTexts::germanDate(row.Datum);
    case Zusatztext:
        return row.Zusatztext;
    case Kubatur:
        return rules::formatTwoGrouped(row.Kubatur, false);
    case Stueckzahl:
        return row.Stueckzahl;
    case NummerHigh:
        return row.NummerHigh;
    case Los:
        return row.Los.isEmpty() ? QString() : store::LotRegister::lots(row.Los).join(QStringLiteral(", "));
    case Konvertiert:
        return ReportTexts::germanDate(row.Konvertiert);
    case Bearbeitet:
        return ReportTexts::germanDate(row.Bearbeitet);
    default:
        return {};
    }
}

QVariant ListenGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* titles[ColumnCount] = {"Liste",  "Name",        "Straße",    "Ort",     "Forstamt",
                                              "Revier", "Abteilung",   "UAbt",      "Bestand", "Lagerplatz",
                                              "Datum",  "Bemerkung",   "Kubatur",   "Stück",   "Höchste Nr.",
                                              "Lose",   "Konvertiert", "Bearbeitet"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(titles[section]) : QVariant();
}

} // namespace report
