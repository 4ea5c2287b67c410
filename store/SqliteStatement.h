// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/EngineStatement.h"

struct sqlite3_stmt;

namespace store {

class SqliteEngine;

// A statement of the file engine: a thin shell over the prepared statement.
class SqliteStatement final : public EngineStatement {
public:
    SqliteStatement(SqliteEngine& engine, sqlite3_stmt* stmt) : m_engine(engine), m_stmt(stmt) {}
    ~SqliteStatement() override;

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

    sqlite3_stmt* handle() const { return m_stmt; }

private:
    void check(int rc) const;
    SqliteEngine& m_engine;
    sqlite3_stmt* m_stmt;
};

} // namespace store
