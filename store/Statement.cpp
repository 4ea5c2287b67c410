// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statement.h"

#include "Database.h"
#include "DbError.h"
#include "Engine.h"
#include "EngineStatement.h"

namespace store {

Statement::Statement(Database& db, EngineStatement* stmt) : m_db(&db), m_stmt(stmt), m_dbAlive(db.m_alive) {}

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
        delete m_stmt;
    else
        m_db->m_engine->recycle(m_stmt);
}

Statement& Statement::bind(int index, const QString& value)
{
    if (value.isNull())
        return bindNull(index);
    m_stmt->bindText(index, value);
    return *this;
}

Statement& Statement::bind(int index, qint64 value)
{
    m_stmt->bindInt(index, value);
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    m_stmt->bindReal(index, value);
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
    m_stmt->bindNull(index);
    return *this;
}

bool Statement::step()
{
    if (m_db->transactionVanished())
        throw DbError(DbError::RolledBack, DbError::describe(DbError::RolledBack),
                      QStringLiteral("statement after the engine rolled back the transaction"));
    return m_stmt->step();
}

void Statement::run()
{
    while (step()) {
    }
    reset();
}

void Statement::reset()
{
    m_stmt->reset();
}

int Statement::columnCount() const
{
    return m_stmt->columnCount();
}

bool Statement::isNull(int column) const
{
    return m_stmt->isNull(column);
}

QString Statement::text(int column) const
{
    return m_stmt->text(column);
}

qint64 Statement::int64(int column) const
{
    return m_stmt->int64(column);
}

double Statement::real(int column) const
{
    return m_stmt->real(column);
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
    return m_stmt->value(column);
}

} // namespace store
