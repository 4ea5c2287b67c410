#include "ListDatenModel.h"

#include "rules/Numbers.h"
#include "store/DbError.h"

namespace entry {
namespace {

struct ColumnDef {
    const char* caption;
    int twips;
};

constexpr ColumnDef Columns[ListDatenModel::ColumnCount] = {
    {"DS", 375},      {"Los", 400},        {"Nr*St", 550}, {"Holzart", 700},
    {"Länge", 475},   {"Durchm", 450},     {"Güte", 475},  {"Sorte", 500},
    {"Stärke", 550},  {"Rinde", 400},      {"Ra", 250},    {"Option", 830},
    {"Kubatur", 700}, {"Abteilung", 1050}, {"Preis", 650}, {"Zusatztext", 3500},
};

} // namespace

ListDatenModel::ListDatenModel(store::RecordSet<store::HolzRow>& records, QObject* parent)
    : QAbstractTableModel(parent), m_records(records)
{
}

int ListDatenModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ListDatenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ListDatenModel::columnCaption(int column)
{
    return column >= 0 && column < ColumnCount ? QString::fromUtf8(Columns[column].caption) : QString();
}

int ListDatenModel::columnWidth(int column)
{
    return column >= 0 && column < ColumnCount ? Columns[column].twips : 0;
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
        return QString::number(row.RindenAbzug);
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
    if (row < 0 || row >= m_rows || row >= m_records.recordCount())
        return QString();
    try {
        return cellText(m_records.at(row), row + 1, column, m_dezimalpunkt);
    } catch (const store::DbError&) {
        return QString(); // removed by the other program since the list was opened
    }
}

QVariant ListDatenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const int column = index.column();
        const bool number = column <= 2 || column == 4 || column == 5 || column == 9 || column == 12;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant ListDatenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole)
        return columnCaption(section);
    if (role == TwipsWidthRole)
        return columnWidth(section);
    return QVariant();
}

void ListDatenModel::reset()
{
    beginResetModel();
    m_rows = m_records.isOpen() ? m_records.recordCount() : 0;
    endResetModel();
    m_current = -1;
    setCurrentRow(m_records.hasCurrent() ? m_records.absolutePosition() - 1 : -1);
}

void ListDatenModel::rowAppended()
{
    const int count = m_records.recordCount();
    if (count <= m_rows)
        return;
    beginInsertRows(QModelIndex(), m_rows, count - 1);
    m_rows = count;
    endInsertRows();
}

void ListDatenModel::rowChanged(int row)
{
    if (row >= 0 && row < m_rows)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ListDatenModel::setCurrentRow(int row)
{
    const int current = row >= 0 && row < m_rows ? row : -1;
    if (current == m_current)
        return;
    m_current = current;
    emit currentRowChanged(m_current);
}

} // namespace entry
