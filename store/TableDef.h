// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Statement.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <initializer_list>
#include <optional>
#include <variant>
#include <vector>

namespace store {

// Maps the members of a row struct to the columns of a table, so that
// reading, inserting and updating rows is written once for all tables.
// Every row struct has a member "qint64 Id" that carries the row's key.
template <class Row>
using Member = std::variant<QString Row::*, int Row::*, qint64 Row::*, double Row::*, bool Row::*,
                            QDate Row::*, std::optional<int> Row::*, std::optional<double> Row::*>;

template <class Row> struct Column {
    const char* name;
    Member<Row> member;
};

template <class Row> class TableDef {
public:
    TableDef(const char* table, const char* idColumn, std::initializer_list<Column<Row>> columns)
        : m_table(table), m_columns(columns)
    {
        QByteArray names, marks, sets;
        for (const auto& column : m_columns) {
            if (!names.isEmpty()) {
                names += ", ";
                marks += ", ";
                sets += ", ";
            }
            names += column.name;
            marks += '?';
            sets += QByteArray(column.name) + " = ?";
        }
        m_selectList = names + ", " + idColumn;
        m_insert = "INSERT INTO " + QByteArray(table) + " (" + names + ") VALUES (" + marks + ")";
        m_update = "UPDATE " + QByteArray(table) + " SET " + sets + " WHERE " + idColumn + " = ?";
        m_delete = "DELETE FROM " + QByteArray(table) + " WHERE " + idColumn + " = ?";
        m_selectById = "SELECT " + m_selectList + " FROM " + table + " WHERE " + idColumn + " = ?";
        m_idColumn = idColumn;
    }

    const char* table() const { return m_table; }
    const QByteArray& idColumn() const { return m_idColumn; }
    // "col1, col2, ..., Id": the id is always the last column read.
    const QByteArray& selectList() const { return m_selectList; }
    const QByteArray& insertSql() const { return m_insert; }
    const QByteArray& updateSql() const { return m_update; }
    const QByteArray& deleteSql() const { return m_delete; }
    const QByteArray& selectByIdSql() const { return m_selectById; }
    int columnCount() const { return int(m_columns.size()); }

    // Reads a row whose columns start at `first` in the order of selectList().
    Row read(const Statement& st, int first = 0) const
    {
        Row row;
        int index = first;
        for (const auto& column : m_columns) {
            std::visit([&](auto member) { assign(row.*member, st, index); }, column.member);
            ++index;
        }
        row.Id = st.int64(index);
        return row;
    }

    // Binds the row's values to the parameters first, first+1, ...;
    // returns the next free parameter index.
    int bindValues(Statement& st, const Row& row, int first = 1) const
    {
        int index = first;
        for (const auto& column : m_columns) {
            std::visit([&](auto member) { st.bind(index, row.*member); }, column.member);
            ++index;
        }
        return index;
    }

    // For bulk inserts of rows that mostly repeat (one list's name, codes and
    // defaults): binds only the values that differ from `previous`, whose
    // values the statement still holds from the row before. Converting and
    // copying every text of 100 000 rows again costs more than storing them.
    void bindChangedValues(Statement& st, const Row& row, const Row* previous, int first = 1) const
    {
        if (!previous) {
            bindValues(st, row, first);
            return;
        }
        int index = first;
        for (const auto& column : m_columns) {
            std::visit(
                [&](auto member) {
                    if (!sameValue(previous->*member, row.*member))
                        st.bind(index, row.*member);
                },
                column.member);
            ++index;
        }
    }

private:
    // A null and an empty text bind differently (NULL and ''), so they differ.
    static bool sameValue(const QString& a, const QString& b) { return a.isNull() == b.isNull() && a == b; }
    template <class T> static bool sameValue(const T& a, const T& b) { return a == b; }

    static void assign(QString& v, const Statement& st, int i) { v = st.text(i); }
    static void assign(int& v, const Statement& st, int i) { v = st.integer(i); }
    static void assign(qint64& v, const Statement& st, int i) { v = st.int64(i); }
    static void assign(double& v, const Statement& st, int i) { v = st.real(i); }
    static void assign(bool& v, const Statement& st, int i) { v = st.boolean(i); }
    static void assign(QDate& v, const Statement& st, int i) { v = st.date(i); }
    static void assign(std::optional<int>& v, const Statement& st, int i) { v = st.optionalInt(i); }
    static void assign(std::optional<double>& v, const Statement& st, int i) { v = st.optionalReal(i); }

    const char* m_table;
    std::vector<Column<Row>> m_columns;
    QByteArray m_idColumn, m_selectList, m_insert, m_update, m_delete, m_selectById;
};

} // namespace store
