// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace store {

// Orders of the list of lists.
enum class ListenOrder {
    Unsorted, // as stored
    ListeDesc,
    ListeAsc,
    NameAsc,
    NameDesc,
};

// The SQL of the list and record queries, built from fixed texts only;
// values are bound.
namespace ListQueries {

// Ids of all lists in the given order.
QByteArray listenIds(ListenOrder order);

// ORDER BY clause (with leading blank) for the records of a list:
// `listIsEmpty` is the stored-total marker (Listen.Kubatur = 0), which reads
// the records unordered; `sortierung` the setting's text "0".."4"; any
// other value orders by Nummer.
QByteArray holzOrder(const QString& sortierung, bool listIsEmpty);

// Ids of the records of the list bound to parameter 1, in that order.
QByteArray holzIds(const QString& sortierung, bool listIsEmpty);
// Full rows of the records of the list bound to parameter 1, in that order.
QByteArray holzRows(const QString& sortierung, bool listIsEmpty);

} // namespace ListQueries
} // namespace store
