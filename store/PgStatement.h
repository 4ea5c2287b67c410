// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EngineStatement.h"

#include <QByteArray>
#include <vector>

struct pg_result;

namespace store {

class PgEngine;

// A statement prepared on the server. Values travel as text and the server
// infers their types from where they stand, as the file engine accepts any
// value anywhere. A query's rows are fetched whole with the first step();
// an INSERT hands the new row's id to the engine and returns no row.
class PgStatement final : public EngineStatement {
public:
    PgStatement(PgEngine& engine, QByteArray sql, QByteArray name, int parameters, bool returnsId);
    ~PgStatement() override;

    void bindText(int index, const QString& value) override;
    void bindInt(int index, qint64 value) override;
    void bindReal(int index, double value) override;
    void bindNull(int index) override;
    bool step() override;
    void reset() override;
    int columnCount() const override;
    bool isNull(int column) const override;
    QString text(int column) const override;
    qint64 int64(int column) const override;
    double real(int column) const override;
    QVariant value(int column) const override;

    // Forgets result and values before the statement is used again.
    void clear();
    const QByteArray& sql() const { return m_sql; }
    const QByteArray& name() const { return m_name; }
    void setName(const QByteArray& name) { m_name = name; }
    bool returnsId() const { return m_returnsId; }
    int parameterCount() const { return int(m_values.size()); }
    const std::vector<QByteArray>& values() const { return m_values; }
    const std::vector<char>& nulls() const { return m_null; }

private:
    void set(int index, QByteArray value);
    const char* cell(int column) const;
    bool isBool(int column) const;

    PgEngine& m_engine;
    QByteArray m_sql;
    QByteArray m_name;
    bool m_returnsId;
    std::vector<QByteArray> m_values;
    std::vector<char> m_null;
    pg_result* m_result = nullptr;
    bool m_executed = false;
    int m_row = -1;
};

} // namespace store
