// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/DbError.h"
#include "store/TableDef.h"
#include "store/Transaction.h"

#include <QHash>
#include <QVariantList>
#include <algorithm>
#include <memory>
#include <vector>

namespace store {

// The rows of one query, with a cursor, in the manner the screens expect of
// a database record set: an exact recordCount(), a 1-based
// absolutePosition(), BOF/EOF, First/Last/Next/Previous/Move, and
// addNew/update/deleteCurrent that write through to the database.
//
// Opening reads only the row ids in the query's order; row values are read
// in pages on demand and cached. So a list of 100 000 records opens in a few
// milliseconds and a table view reads only what it shows.
//
// Semantics kept on purpose:
// - A row added with addNew() stays at the end, where it was appended, until
//   the set is opened again in its order.
// - After deleteCurrent() there is no current row; moveNext() goes to the row
//   that followed the deleted one, movePrevious() to the one before it.
// - Writes run in a transaction of their own unless the caller holds one;
//   when that transaction is rolled back the set returns to the state it
//   had before the transaction, so it never shows rows that are not stored.
template <class Row> class RecordSet {
public:
    RecordSet(Database& db, const TableDef<Row>& table) : m_db(&db), m_table(&table) {}

    // Opens the set on the ids returned by idQuery (one column: the table's
    // id, in the wanted order), with bound parameters.
    void open(const QByteArray& idQuery, const QVariantList& params = {})
    {
        close();
        Statement st = m_db->prepare(idQuery);
        for (int i = 0; i < params.size(); ++i)
            st.bind(i + 1, params.at(i));
        while (st.step())
            m_ids.push_back(st.int64(0));
        m_open = true;
        m_pos = 0;
    }

    void close()
    {
        m_ids.clear();
        m_cache.clear();
        m_pos = 0;
        m_open = false;
        m_afterDelete = false;
    }

    bool isOpen() const { return m_open; }
    int recordCount() const { return int(m_ids.size()); }
    bool bof() const { return !m_open || m_ids.empty() || m_pos < 0; }
    bool eof() const { return !m_open || m_ids.empty() || (!m_afterDelete && m_pos >= recordCount()); }
    bool hasCurrent() const { return m_open && !m_afterDelete && m_pos >= 0 && m_pos < recordCount(); }
    // 1-based position of the current row; -1 when there is none.
    int absolutePosition() const { return hasCurrent() ? m_pos + 1 : -1; }

    void moveFirst() { moveToIndex(0); }
    void moveLast() { moveToIndex(recordCount() - 1); }
    void moveNext()
    {
        if (m_afterDelete)
            m_afterDelete = false;
        else if (m_pos < recordCount())
            ++m_pos;
    }
    void movePrevious()
    {
        m_afterDelete = false;
        if (m_pos >= 0)
            --m_pos;
    }
    // Moves to the row index (0-based) counted from the first row; an index
    // past the end puts the set at EOF, a negative one at BOF.
    void move(int index) { moveToIndex(std::clamp(index, -1, recordCount())); }

    Row current() const
    {
        if (!hasCurrent())
            throw DbError(DbError::NoCurrentRecord, DbError::describe(DbError::NoCurrentRecord));
        return at(m_pos);
    }
    qint64 currentId() const { return hasCurrent() ? m_ids[size_t(m_pos)] : 0; }
    qint64 idAt(int index) const { return m_ids.at(size_t(index)); }
    int indexOfId(qint64 id) const
    {
        const auto it = std::find(m_ids.begin(), m_ids.end(), id);
        return it == m_ids.end() ? -1 : int(it - m_ids.begin());
    }

    // The row at index (0-based). Throws when the row has vanished from the
    // database since the set was opened.
    Row at(int index) const
    {
        const qint64 id = m_ids.at(size_t(index));
        auto it = m_cache.constFind(id);
        if (it == m_cache.constEnd()) {
            fetchPage(index);
            it = m_cache.constFind(id);
            if (it == m_cache.constEnd())
                throw DbError(DbError::NoCurrentRecord,
                              QStringLiteral("Der Datensatz ist nicht mehr vorhanden."));
        }
        return *it;
    }

    // The current row as the database holds it now, read again: another
    // program may have changed it since the set read it. Inside a write
    // transaction this is the value that transaction works on. Throws when
    // the row is gone.
    Row currentFresh()
    {
        const qint64 id = currentId();
        if (!id)
            throw DbError(DbError::NoCurrentRecord, DbError::describe(DbError::NoCurrentRecord));
        Statement st = m_db->prepare(m_table->selectByIdSql());
        st.bind(1, id);
        if (!st.step())
            throw DbError(DbError::NoCurrentRecord, QStringLiteral("Der Datensatz ist nicht mehr vorhanden."));
        Row row = m_table->read(st);
        m_cache.insert(id, row);
        return row;
    }

    // Rewrites the current row with the values of row (its Id is ignored).
    void update(const Row& row)
    {
        const qint64 id = currentId();
        if (!id)
            throw DbError(DbError::NoCurrentRecord, DbError::describe(DbError::NoCurrentRecord));
        Transaction transaction(*m_db);
        snapshot();
        Statement st = m_db->prepare(m_table->updateSql());
        const int next = m_table->bindValues(st, row);
        st.bind(next, id);
        st.run();
        transaction.commit();
        Row stored = row;
        stored.Id = id;
        m_cache.insert(id, stored);
    }

    // Appends a new row; it becomes the current row. Returns its id.
    qint64 addNew(const Row& row)
    {
        Transaction transaction(*m_db);
        snapshot();
        Statement st = m_db->prepare(m_table->insertSql());
        m_table->bindValues(st, row);
        st.run();
        const qint64 id = m_db->lastInsertRowId();
        transaction.commit();
        Row stored = row;
        stored.Id = id;
        m_ids.push_back(id);
        m_cache.insert(id, stored);
        m_pos = recordCount() - 1;
        m_afterDelete = false;
        m_open = true;
        return id;
    }

    void deleteCurrent()
    {
        const qint64 id = currentId();
        if (!id)
            throw DbError(DbError::NoCurrentRecord, DbError::describe(DbError::NoCurrentRecord));
        Transaction transaction(*m_db);
        snapshot();
        Statement st = m_db->prepare(m_table->deleteSql());
        st.bind(1, id);
        st.run();
        transaction.commit();
        m_ids.erase(m_ids.begin() + m_pos);
        m_cache.remove(id);
        m_afterDelete = true;
    }

    // Forgets cached row values, e.g. after rows were changed by plain SQL.
    void refresh() { m_cache.clear(); }
    Database& database() const { return *m_db; }

private:
    static constexpr int PageSize = 100;
    static constexpr int MaxCachedRows = 20 * PageSize;

    void moveToIndex(int index)
    {
        m_afterDelete = false;
        m_pos = index;
    }

    void fetchPage(int index) const
    {
        if (m_cache.size() > MaxCachedRows)
            m_cache.clear();
        const int first = index - index % PageSize;
        const int last = std::min(recordCount(), first + PageSize);
        Statement st = m_db->prepare(pageSql());
        for (int i = 0; i < PageSize; ++i) {
            if (first + i < last)
                st.bind(i + 1, m_ids[size_t(first + i)]);
            else
                st.bindNull(i + 1);
        }
        while (st.step()) {
            Row row = m_table->read(st);
            m_cache.insert(row.Id, row);
        }
    }

    const QByteArray& pageSql() const
    {
        if (m_pageSql.isEmpty()) {
            QByteArray marks;
            for (int i = 0; i < PageSize; ++i)
                marks += i ? ",?" : "?";
            m_pageSql = "SELECT " + m_table->selectList() + " FROM " + m_table->table() + " WHERE " +
                        m_table->idColumn() + " IN (" + marks + ")";
        }
        return m_pageSql;
    }

    // Keeps the state before the first write of a transaction, and brings it
    // back if the transaction is rolled back.
    void snapshot()
    {
        if (m_snapshotSerial == m_db->transactionSerial())
            return;
        m_snapshotSerial = m_db->transactionSerial();
        std::weak_ptr<bool> alive = m_alive;
        m_db->onRollback([this, alive, ids = m_ids, pos = m_pos, afterDelete = m_afterDelete, open = m_open] {
            if (alive.expired())
                return;
            m_ids = ids;
            m_pos = pos;
            m_afterDelete = afterDelete;
            m_open = open;
            m_cache.clear();
        });
    }

    Database* m_db;
    const TableDef<Row>* m_table;
    std::vector<qint64> m_ids;
    int m_pos = 0;
    bool m_open = false;
    bool m_afterDelete = false;
    quint64 m_snapshotSerial = 0;
    mutable QHash<qint64, Row> m_cache;
    mutable QByteArray m_pageSql;
    // Lets a pending rollback listener see that this set is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace store
