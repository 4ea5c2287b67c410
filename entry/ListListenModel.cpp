// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListListenModel.h"

#include "rules/Numbers.h"
#include "store/DbError.h"
#include "store/JetCollation.h"

namespace entry {
namespace {

constexpr ListViewColumn Columns[ListListenModel::ColumnCount] = {
    {"Liste", 1000},       {"Name", 1500},
    {"Kubatur", 800},      {"Stück", 600},
    {"Konvertiert", 1200}, {"Bearbeitet", 1200},
    {"Strasse", 1800},     {"Ort", 1800},
    {"Datum", 1200},       {"Abt. | U-Abt. | Bestand", 1900},
    {"Lagerplatz", 1800},  {"Bemerkung", 2500},
};

QString date(const QDate& value)
{
    return value.isValid() ? value.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

} // namespace

ListListenModel::ListListenModel(store::RecordSet<store::ListenRow>& lists, QObject* parent)
    : ListViewModel(Columns, parent), m_lists(lists)
{
}

QString ListListenModel::columnCaption(int column)
{
    return caption(Columns, column);
}

int ListListenModel::columnWidth(int column)
{
    return width(Columns, column);
}

QString ListListenModel::text(int row, int column) const
{
    if (row < 0 || row >= rows() || row >= m_lists.recordCount())
        return QString();
    store::ListenRow list;
    try {
        list = m_lists.at(row);
    } catch (const store::DbError&) {
        return QString(); // removed by the other program since the list was read
    }
    switch (column) {
    case 0:
        return list.Liste;
    case 1:
        return list.Name;
    case 2:
        return rules::formatTwo(list.Kubatur, m_dezimalpunkt);
    case 3:
        return QString::number(list.Stueckzahl);
    case 4:
        return date(list.Konvertiert);
    case 5:
        return date(list.Bearbeitet);
    case 6:
        return list.Strasse;
    case 7:
        return list.Ort;
    case 8:
        return date(list.Datum);
    case 9:
        if (list.Abteilung.isNull())
            return QString();
        return list.Abteilung + QStringLiteral(" | ") + list.UAbt + QStringLiteral(" | ") + list.Bestand;
    case 10:
        return list.Lagerplatz;
    case 11:
        return list.Zusatztext;
    default:
        return QString();
    }
}

QString ListListenModel::listName(int row) const
{
    return text(row, 0);
}

int ListListenModel::findList(const QString& name) const
{
    for (int row = 0; row < rows(); ++row) {
        if (store::jet::equal(listName(row), name))
            return row;
    }
    return -1;
}

void ListListenModel::reload()
{
    resetRows(m_lists.isOpen() ? m_lists.recordCount() : 0);
    setSelectedRow(-1);
}

void ListListenModel::listChanged(qint64 listId)
{
    rowChanged(m_lists.indexOfId(listId));
}

void ListListenModel::setSelectedRow(int row)
{
    const int selected = row >= 0 && row < rows() ? row : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    emit selectedRowChanged(m_selected);
}

} // namespace entry
