// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ListQueries.h"
#include "store/ListenRow.h"

#include <QDate>
#include <QList>
#include <QString>

namespace store {

class Database;

// Operations on whole lists by their header row or name, for the import,
// the export, the header dialog and the command line. Writes run in the
// caller's transaction, or in one of their own.
class ListRows {
public:
    // What a list holds besides its header row.
    struct Contents {
        qint64 records = 0;
        qint64 samples = 0;     // stack samples
        qint64 storageRows = 0; // storage places of its lots
    };

    explicit ListRows(Database& db) : m_db(&db) {}

    // Every list's header row, in the order of the lists browser.
    QList<ListenRow> all(ListenOrder order) const;
    // Sets the date of the last export of the list with this Id, and
    // nothing else of its row: the rest may have changed since it was read.
    void stampConverted(qint64 listId, const QDate& date);
    Contents contents(const QString& list) const;
    // Gives the records, stack samples and storage rows of list `from` the
    // name `to`; the header row is the caller's. One transaction, so a list
    // of any size moves completely or not at all.
    void renameContents(const QString& from, const QString& to);

private:
    Database* m_db;
};

} // namespace store
