// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordCells.h"

#include "rules/Bark.h"
#include "rules/Numbers.h"

namespace report::RecordCells {

const QStringList& titles()
{
    static const QStringList list{
        QStringLiteral("Holzart"), QStringLiteral("Nummer"), QStringLiteral("Los"),
        QStringLiteral("Stück"),   QStringLiteral("Länge"),  QStringLiteral("Durchm"),
        QStringLiteral("Sorte"),   QStringLiteral("Stärke"), QStringLiteral("Güte"),
        QStringLiteral("Kubatur"), QStringLiteral("Rinde")};
    return list;
}

bool isNumeric(int column)
{
    return column >= 1 && column <= 10 && column != 6 && column != 7 && column != 8;
}

QStringList cells(const store::WorkRow& row, const QString& speciesText, bool dezimalpunkt)
{
    return {speciesText,
            QString::number(row.Nummer),
            QString::number(row.Los),
            rules::formatPlain(float(row.Stueck), dezimalpunkt),
            rules::formatTwo(row.Laenge, dezimalpunkt),
            rules::formatPlain(float(row.Durchm), dezimalpunkt),
            row.Sorte.trimmed(),
            row.Staerke.trimmed(),
            row.Guete.trimmed(),
            rules::formatTwo(row.Kubatur, dezimalpunkt),
            rules::formatDeduction(row.Rinde, dezimalpunkt)};
}

const QStringList& listTitles()
{
    static const QStringList list =
        titles() + QStringList{QStringLiteral("Liste"), QStringLiteral("Einzelstamm")};
    return list;
}

QStringList listCells(const store::WorkRow& row, bool dezimalpunkt)
{
    return cells(row, row.Holzart, dezimalpunkt) +
           QStringList{row.Liste, row.optionLangholz ? QStringLiteral("Ja") : QStringLiteral("Nein")};
}

const QList<int>& listWidthsTwips()
{
    static const QList<int> widths{1250, 850, 550, 650, 750, 750, 650, 850, 775, 950, 800, 950, 550};
    return widths;
}

} // namespace report::RecordCells
