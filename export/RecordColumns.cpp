// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordColumns.h"

#include "Fields.h"

#include <cmath>

namespace exporter {

const QList<RecordColumns::Column>& RecordColumns::columns()
{
    static const QList<Column> columns{
        {QStringLiteral("Los"), 0, 6},
        {QStringLiteral("Nummer"), 0, 9},
        {QStringLiteral("Art"), -1, 13},
        {QStringLiteral("Holzart"), -1, 16},
        {QStringLiteral("Sorte"), -1, 7},
        {QStringLiteral("Güte"), -1, 7},
        {QStringLiteral("Stärke"), -1, 8},
        {QStringLiteral("Länge (m)"), 2, 10},
        {QStringLiteral("Durchmesser/Breite (cm)"), 0, 12},
        {QStringLiteral("Höhe (m)"), 2, 9},
        {QStringLiteral("Rinde"), -1, 7},
        {QStringLiteral("Rindenabzug (cm)"), 0, 14},
        {QStringLiteral("Stück"), 0, 8},
        {QStringLiteral("Faktor"), 2, 8},
        {QStringLiteral("Kubatur"), 2, 11},
        {QStringLiteral("Einheit"), -1, 9},
        {QStringLiteral("Abteilung"), -1, 11},
        {QStringLiteral("Zusatztext"), -1, 30},
    };
    return columns;
}

QString RecordColumns::kind(const store::HolzRow& row)
{
    if (row.isStackedWood())
        return QStringLiteral("Schichtholz");
    if (row.Folgestamm)
        return QStringLiteral("Folgestamm");
    if (row.Klammerstamm)
        return QStringLiteral("Klammerstamm");
    return row.Einzelstamm ? QStringLiteral("Einzelstamm") : QStringLiteral("Sortiment");
}

double RecordColumns::countedPieces(const store::HolzRow& row)
{
    if (row.Folgestamm)
        return 0;
    if (row.isStackedWood())
        return 1;
    return row.Stueck;
}

QList<RecordColumns::Value> RecordColumns::values(const store::HolzRow& row)
{
    const bool stack = row.isStackedWood();
    double factor = 1;
    bool factorKnown = true;
    if (stack) {
        try {
            factor = fields::factor(row);
        } catch (const ExportError&) {
            factorKnown = false;
        }
    }
    auto number = [](double value, int decimals) -> Value { return Number{value, decimals}; };
    auto text = [](const QString& value) -> Value {
        return value.trimmed().isEmpty() ? Value() : Value(value.trimmed());
    };
    QList<Value> values;
    values.reserve(18);
    values << number(row.Los, 0);
    values << (row.Nummer != 0 ? number(row.Nummer, 0) : Value());
    values << Value(kind(row));
    values << text(row.Holzart) << text(row.Sorte) << text(row.Guete) << text(row.Staerke);
    values << number(row.Laenge, 2) << number(row.Durchm, 0);
    values << (stack ? number(row.Hoehe, 2) : Value());
    values << text(row.Rinde)
           << number(row.RindenAbzug,
                     row.RindenAbzug == std::floor(row.RindenAbzug) ? 0 : 2); // decimals from the bark table
    values << number(row.Stueck, row.Stueck == std::floor(row.Stueck) ? 0 : 2);
    values << (stack ? (factorKnown ? number(factor, 2) : text(row.Stamm)) : Value());
    values << number(row.Kubatur, 2);
    values << Value(stack && factor == 1 ? QStringLiteral("Rm") : QStringLiteral("fm"));
    values << text(row.Abteilung) << text(row.Zusatztext);
    return values;
}

QList<std::pair<QString, QString>> RecordColumns::headerLines(const store::ListenRow& list)
{
    QList<std::pair<QString, QString>> lines;
    auto add = [&](const char* label, const QString& value) {
        if (!value.trimmed().isEmpty())
            lines.append({QString::fromUtf8(label), value.trimmed()});
    };
    add("Liste", list.Liste);
    add("Datum", list.Datum.isValid() ? list.Datum.toString(QStringLiteral("dd.MM.yyyy")) : QString());
    add("Name", list.Name);
    add("Straße", list.Strasse);
    add("Ort", list.Ort);
    add("Forstamt", list.Forstamt);
    add("Revier", list.Revier);
    add("Abteilung", list.Abteilung);
    add("Unterabteilung", list.UAbt);
    add("Bestand", list.Bestand);
    add("Lagerplatz", list.Lagerplatz);
    add("Zusatztext", list.Zusatztext);
    return lines;
}

} // namespace exporter
