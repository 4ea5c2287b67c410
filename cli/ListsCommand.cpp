// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "store/ListRepository.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {
namespace {

QString germanDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

} // namespace

int runLists(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(0, QStringLiteral("lists"));
    const QList<store::ListenRow> lists = store::ListRepository(context.holzDb()).all(store::ListenOrder::ListeAsc);
    QJsonArray rows;

    if (context.json()) {
        for (const auto& list : lists)
            rows.append(QJsonObject{{QStringLiteral("Liste"), list.Liste},
                                    {QStringLiteral("Name"), list.Name},
                                    {QStringLiteral("Kubatur"), list.Kubatur},
                                    {QStringLiteral("Stueckzahl"), list.Stueckzahl},
                                    {QStringLiteral("Konvertiert"), germanDate(list.Konvertiert)},
                                    {QStringLiteral("Bearbeitet"), germanDate(list.Bearbeitet)}});
        context.printJson(rows);
        return 0;
    }
    QTextStream& out = context.out();
    if (lists.isEmpty()) {
        out << "Keine Holzlisten vorhanden ("
            << store::DatabaseLocation(context.folder().holzDb()).forDisplay() << ")." << Qt::endl;
        return 0;
    }
    out << qSetFieldWidth(20) << Qt::left << "Liste"
        << "Name" << qSetFieldWidth(10) << Qt::right << "Kubatur"
        << "Stück" << qSetFieldWidth(13) << "Konvertiert"
        << "Bearbeitet" << qSetFieldWidth(0) << Qt::endl;
    for (const auto& list : lists) {
        out << qSetFieldWidth(20) << Qt::left << list.Liste << list.Name << qSetFieldWidth(10) << Qt::right
            << QString::number(list.Kubatur, 'f', 2) << list.Stueckzahl << qSetFieldWidth(13)
            << germanDate(list.Konvertiert) << germanDate(list.Bearbeitet) << qSetFieldWidth(0) << Qt::endl;
    }
    return 0;
}

} // namespace cli
