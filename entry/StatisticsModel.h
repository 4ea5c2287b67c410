// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QJsonObject>
#include <QStringList>

namespace store {
class Database;
}

namespace entry {

// The assortment statistics of one list ("Statistik"): per species one line
// for each assortment with its class and grade, with pieces and volume,
// then the species' total; at the end the list's total. Grade and
// assortment codes group without their trailing blanks ("B " and "B" are
// one grade). The screen's table, the clipboard, the printout and the
// command line all read this model.
class StatisticsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Holzart, Sorte, Guete, Stueck, Kubatur, ColumnCount };
    enum class LineKind { Group, SpeciesTotal, GrandTotal };
    // data() under this role: the line's LineKind as an int.
    static constexpr int LineKindRole = Qt::UserRole + 1;

    struct Line {
        LineKind kind = LineKind::Group;
        QString holzart;
        QString sorte; // assortment code as shown, without trailing blanks
        QString staerke;
        QString guete;
        qint64 pieces = 0;
        double volume = 0;
    };

    explicit StatisticsModel(QObject* parent = nullptr);

    // Reads the list's records. `species` is the region's species order;
    // species of the list that the region does not know follow after them
    // in alphabetical order, so no record is left out.
    void load(store::Database& holz, const QString& list, const QStringList& species, bool dezimalpunkt);

    const QString& listName() const { return m_list; }
    const QList<Line>& lines() const { return m_lines; }
    // The cell as the table shows it (German numbers unless dezimalpunkt).
    QString cellText(int row, int column) const;
    QString title() const;

    // Tab-separated lines with a heading line, every line naming its
    // species: for the clipboard and for a spreadsheet.
    QString text() const;
    // The lines and totals as numbers, for scripts.
    QJsonObject json() const;
    // An HTML table for printing.
    QString html() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static bool isNumber(int column) { return column == Stueck || column == Kubatur; }

    QString m_list;
    QList<Line> m_lines;
    bool m_dezimalpunkt = false;
};

} // namespace entry
