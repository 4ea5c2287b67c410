// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace store {

class Database;
class EngineStatement;

// A prepared statement of a Database. Values are always bound, never
// pasted into the SQL text. Parameter and column indexes count from 1 and 0
// respectively, as in the engine. A null QString binds NULL and a NULL
// text column reads as a null QString, so "no value" survives a round trip.
class Statement {
public:
    Statement(Database& db, EngineStatement* stmt);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    Statement& bind(int index, const QString& value);
    Statement& bind(int index, const char* utf8) = delete; // say QStringLiteral
    Statement& bind(int index, qint64 value);
    Statement& bind(int index, int value) { return bind(index, qint64(value)); }
    Statement& bind(int index, double value);
    Statement& bind(int index, bool value) { return bind(index, qint64(value ? 1 : 0)); }
    Statement& bind(int index, const QDate& value); // ISO text; an invalid date binds NULL
    Statement& bind(int index, const QVariant& value);
    Statement& bindNull(int index);
    template <class T> Statement& bind(int index, const std::optional<T>& value)
    {
        return value ? bind(index, *value) : bindNull(index);
    }
    // Binds the arguments to the parameters 1, 2, 3, ...
    template <class... Args> Statement& bindAll(const Args&... args)
    {
        int index = 0;
        (bind(++index, args), ...);
        return *this;
    }

    // Runs one step: true when a row is available, false when done.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    int columnCount() const;
    bool isNull(int column) const;
    QString text(int column) const;
    qint64 int64(int column) const;
    int integer(int column) const { return int(int64(column)); }
    double real(int column) const;
    bool boolean(int column) const { return int64(column) != 0; }
    QDate date(int column) const;
    std::optional<int> optionalInt(int column) const;
    std::optional<double> optionalReal(int column) const;
    QVariant value(int column) const;

private:
    Database* m_db;
    EngineStatement* m_stmt;
    std::weak_ptr<bool> m_dbAlive;
};

} // namespace store
