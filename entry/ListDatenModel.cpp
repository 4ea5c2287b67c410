// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListDatenModel.h"

#include "rules/Bark.h"
#include "rules/Numbers.h"
#include "store/DbError.h"

#include <algorithm>

namespace entry {
namespace {

constexpr ListViewColumn Columns[ListDatenModel::ColumnCount] = {
    {"DS", 375},      {"Los", 400},        {"Nr*St", 550}, {"Holzart", 700},
    {"Länge", 475},   {"Durchm", 450},     {"Güte", 475},  {"Sorte", 500},
    {"Stärke", 550},  {"Rinde", 400},      {"Ra", 250},    {"Option", 830},
    {"Kubatur", 700}, {"Abteilung", 1050}, {"Preis", 650}, {"Zusatztext", 3500},
};

} // namespace

ListDatenModel::ListDatenModel(store::RecordSet<store::HolzRow>& records, QObject* parent)
    : ListViewModel(Columns, parent), m_records(records)
{
}

QString ListDatenModel::columnCaption(int column)
{
    return caption(Columns, column);
}

int ListDatenModel::columnWidth(int column)
{
    return width(Columns, column);
}

QString ListDatenModel::cellText(const store::HolzRow& row, int position, int column, bool dp)
{
    switch (column) {
    case 0:
        return QString::number(position);
    case 1:
        return QString::number(row.Los);
    case 2:
        return row.Einzelstamm ? QString::number(row.Nummer)
                               : QStringLiteral("*") + rules::formatPlain(float(row.Stueck), dp);
    case 3:
        return row.Holzart;
    case 4:
        return rules::formatPlain(float(row.Laenge), dp);
    case 5:
        return rules::formatPlain(float(row.Durchm), dp);
    case 6:
        return row.Guete;
    case 7:
        return row.Sorte;
    case 8:
        return row.Staerke;
    case 9:
        return rules::formatDeduction(row.RindenAbzug, dp);
    case 10:
        return row.Rinde;
    case 11:
        if (!row.Einzelstamm)
            return QStringLiteral("Sortiment");
        if (row.Klammerstamm)
            return QStringLiteral("Klammerst.");
        return row.Folgestamm ? QStringLiteral("Folgestück") : QStringLiteral("Einzelst.");
    case 12:
        return rules::formatTwo(row.Kubatur, dp);
    case 13:
        return row.Abteilung;
    case 14:
        return row.Preisfaktor;
    case 15:
        return row.Zusatztext;
    default:
        return QString();
    }
}

QString ListDatenModel::text(int row, int column) const
{
    if (row < 0 || row >= rows() || row >= m_records.recordCount())
        return QString();
    try {
        return cellText(m_records.at(row), row + 1, column, m_dezimalpunkt);
    } catch (const store::DbError&) {
        return QString(); // removed by the other program since the list was opened
    }
}

void ListDatenModel::reset()
{
    resetRows(m_records.isOpen() ? m_records.recordCount() : 0);
    m_selected.clear();
    m_current = -1;
    setCurrentRow(m_records.hasCurrent() ? m_records.absolutePosition() - 1 : -1);
}

void ListDatenModel::setCurrentRow(int row)
{
    const int current = row >= 0 && row < rows() ? row : -1;
    if (current == m_current)
        return;
    m_current = current;
    emit currentRowChanged(m_current);
}

QList<int> ListDatenModel::validRows(QList<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= rowCount(); });
    return rows;
}

void ListDatenModel::setSelectedRows(const QList<int>& rows)
{
    m_selected = validRows(rows);
    emit selectedRowsChanged(m_selected);
}

} // namespace entry
