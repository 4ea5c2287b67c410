// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statement.h"

#include "Database.h"
#include "DbError.h"

#include <cmath>
#include <sqlite3.h>

namespace store {

Statement::Statement(Database& db, sqlite3_stmt* stmt) : m_db(&db), m_stmt(stmt), m_dbAlive(db.m_alive) {}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(other.m_stmt), m_dbAlive(std::move(other.m_dbAlive))
{
    other.m_stmt = nullptr;
}

Statement::~Statement()
{
    if (!m_stmt)
        return;
    if (m_dbAlive.expired())
        sqlite3_finalize(m_stmt); // the connection closes once its last statement is gone
    else
        m_db->recycle(m_stmt);
}

void Statement::check(int rc) const
{
    if (rc != SQLITE_OK)
        m_db->raise(rc);
}

Statement& Statement::bind(int index, const QString& value)
{
    if (value.isNull())
        return bindNull(index);
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::bind(int index, qint64 value)
{
    check(sqlite3_bind_int64(m_stmt, index, value));
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    check(sqlite3_bind_double(m_stmt, index, value));
    return *this;
}

Statement& Statement::bind(int index, const QDate& value)
{
    if (!value.isValid())
        return bindNull(index);
    return bind(index, value.toString(Qt::ISODate));
}

Statement& Statement::bind(int index, const QVariant& value)
{
    if (value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return bind(index, value.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return bind(index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return bind(index, value.toDouble());
    case QMetaType::QDate:
        return bind(index, value.toDate());
    default:
        return bind(index, value.toString());
    }
}

Statement& Statement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index));
    return *this;
}

bool Statement::step()
{
    if (m_db->transactionVanished())
        throw DbError(DbError::RolledBack, DbError::describe(DbError::RolledBack),
                      QStringLiteral("statement after the engine rolled back the transaction"));
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    m_db->raise(rc);
}

void Statement::run()
{
    while (step()) {
    }
    reset();
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

QString Statement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (!data)
        return QString();
    const int size = sqlite3_column_bytes(m_stmt, column);
    if (size == 0)
        return QStringLiteral("");
    return QString::fromUtf8(data, size);
}

qint64 Statement::int64(int column) const
{
    // Numbers stored as text by other tools still read as numbers.
    if (sqlite3_column_type(m_stmt, column) == SQLITE_FLOAT)
        return qint64(std::llround(sqlite3_column_double(m_stmt, column)));
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

QDate Statement::date(int column) const
{
    const QString iso = text(column);
    if (iso.isEmpty())
        return QDate();
    return QDate::fromString(iso.left(10), Qt::ISODate);
}

std::optional<int> Statement::optionalInt(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return integer(column);
}

std::optional<double> Statement::optionalReal(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return real(column);
}

QVariant Statement::value(int column) const
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
