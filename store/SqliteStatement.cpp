// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteStatement.h"

#include "SqliteEngine.h"

#include <cmath>
#include <sqlite3.h>

namespace store {

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt); // the connection closes once its last statement is gone
}

void SqliteStatement::check(int rc) const
{
    if (rc != SQLITE_OK)
        m_engine.raise(rc);
}

void SqliteStatement::bindText(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
}

void SqliteStatement::bindInt(int index, qint64 value)
{
    check(sqlite3_bind_int64(m_stmt, index, value));
}

void SqliteStatement::bindReal(int index, double value)
{
    check(sqlite3_bind_double(m_stmt, index, value));
}

void SqliteStatement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index));
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    m_engine.raise(rc);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QString SqliteStatement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (!data)
        return QString();
    const int size = sqlite3_column_bytes(m_stmt, column);
    if (size == 0)
        return QStringLiteral("");
    return QString::fromUtf8(data, size);
}

qint64 SqliteStatement::int64(int column) const
{
    // Numbers stored as text by other tools still read as numbers.
    if (sqlite3_column_type(m_stmt, column) == SQLITE_FLOAT)
        return qint64(std::llround(sqlite3_column_double(m_stmt, column)));
    return sqlite3_column_int64(m_stmt, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QVariant(text(column));
    }
}

} // namespace store
