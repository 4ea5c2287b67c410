// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListQueries.h"

#include "HolzRow.h"
#include "ListenRow.h"

namespace store::ListQueries {

QByteArray listenIds(ListenOrder order)
{
    switch (order) {
    case ListenOrder::Unsorted:
        return "SELECT Id FROM Listen ORDER BY Id";
    case ListenOrder::ListeDesc:
        return "SELECT Id FROM Listen ORDER BY Liste COLLATE JET DESC, Id";
    case ListenOrder::ListeAsc:
        return "SELECT Id FROM Listen ORDER BY Liste COLLATE JET ASC, Id";
    case ListenOrder::NameAsc:
        return "SELECT Id FROM Listen ORDER BY Name COLLATE JET ASC, Id";
    case ListenOrder::NameDesc:
        return "SELECT Id FROM Listen ORDER BY Name COLLATE JET DESC, Id";
    }
    return "SELECT Id FROM Listen";
}

QByteArray holzOrder(const QString& sortierung, bool listIsEmpty)
{
    // Entry order (Id) breaks every tie, so equal keys keep the order in
    // which the records were typed.
    if (listIsEmpty)
        return " ORDER BY Id";
    const QString key = sortierung.trimmed();
    if (key == QLatin1String("0"))
        return " ORDER BY SatzNr, Id";
    if (key == QLatin1String("1"))
        return " ORDER BY Los, Nummer, Laenge, Durchm, Id";
    if (key == QLatin1String("2"))
        return " ORDER BY Los, Laenge, Guete COLLATE JET, Durchm, Id";
    if (key == QLatin1String("3"))
        return " ORDER BY Los, Holzart COLLATE JET, Laenge, Guete COLLATE JET, Id";
    if (key == QLatin1String("4"))
        return " ORDER BY Los, Sorte COLLATE JET, Staerke COLLATE JET, Laenge, Id";
    return " ORDER BY Nummer, Id";
}

QByteArray holzIds(const QString& sortierung, bool listIsEmpty)
{
    return "SELECT Id FROM Holz WHERE Liste = ?" + holzOrder(sortierung, listIsEmpty);
}

QByteArray holzRows(const QString& sortierung, bool listIsEmpty)
{
    return "SELECT " + holzTable().selectList() + " FROM Holz WHERE Liste = ?" +
           holzOrder(sortierung, listIsEmpty);
}

} // namespace store::ListQueries
