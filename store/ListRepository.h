// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ListQueries.h"
#include "store/ListenRow.h"
#include "store/RecordSet.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace store {

class Database;

// The rows of `Listen`: one per list, found by its name. Names are
// compared as the lists were always compared, without regard to case.
//
// Writes run in the caller's transaction when there is one; whatever a
// caller reads to compute what it writes it reads inside that transaction.
class ListRepository {
public:
    explicit ListRepository(Database& db) : m_db(&db) {}

    // The list of this name (compared without regard to case); of several,
    // the one stored first.
    std::optional<ListenRow> find(const QString& name) const;
    bool exists(const QString& name) const;
    // Opens `lists` on every list in the given order.
    void openInOrder(RecordSet<ListenRow>& lists, ListenOrder order) const;

    // The lot register (Listen.Los) of the list of this name (compared as
    // the table compares names); nullopt when there is no such list.
    std::optional<QString> lotRegister(const QString& list) const;

    // What a list row stores about its records.
    struct Totals {
        double kubatur = 0;
        qint64 stueckzahl = 0;
        int nummerHigh = 0;
    };
    // Stores the totals of the list of this name and stamps it as
    // edited on `bearbeitet` and not exported since.
    void storeTotals(const QString& list, const Totals& totals, const QDate& bearbeitet);
    // The same, with a new lot register.
    void storeTotals(const QString& list, const Totals& totals, const QString& lotRegister,
                     const QDate& bearbeitet);
    // Stamps the list as edited on `bearbeitet` and not exported since.
    void stampChanged(const QString& list, const QDate& bearbeitet);

    // Deletes the list row and everything stored under its name: records,
    // stack samples, storage rows.
    void deleteList(const ListenRow& list);

    // Every list's header row, in the order of the lists browser.
    QList<ListenRow> all(ListenOrder order) const;
    // The header row with this Id, as stored now.
    std::optional<ListenRow> byId(qint64 id) const;
    // Sets the date of the last export of the list with this Id, and
    // nothing else of its row: the rest may have changed since it was read.
    void stampConverted(qint64 listId, const QDate& date);

    // What a list holds besides its header row.
    struct Contents {
        qint64 records = 0;
        qint64 samples = 0;     // stack samples
        qint64 storageRows = 0; // storage places of its lots
    };
    Contents contents(const QString& list) const;
    // Gives the records, stack samples and storage rows of list `from` the
    // name `to`; the header row is the caller's. One transaction, so a list
    // of any size moves completely or not at all.
    void renameContents(const QString& from, const QString& to);

private:
    Database* m_db;
};

} // namespace store
