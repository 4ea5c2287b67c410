// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgStatement.h"

#include "DbError.h"
#include "PgEngine.h"

#include <cmath>
#include <libpq-fe.h>

namespace store {
namespace {

// Type oids of the server's built-in types.
constexpr Oid BoolOid = 16;
constexpr Oid Int8Oid = 20;
constexpr Oid Int2Oid = 21;
constexpr Oid Int4Oid = 23;
constexpr Oid Float4Oid = 700;
constexpr Oid Float8Oid = 701;
constexpr Oid NumericOid = 1700;

} // namespace

PgStatement::PgStatement(PgEngine& engine, QByteArray sql, QByteArray name, int parameters, bool returnsId)
    : m_engine(engine), m_sql(std::move(sql)), m_name(std::move(name)), m_returnsId(returnsId),
      m_values(size_t(parameters)), m_null(size_t(parameters), 1)
{
}

PgStatement::~PgStatement()
{
    PQclear(m_result);
}

void PgStatement::set(int index, QByteArray value)
{
    if (index < 1 || index > int(m_values.size()))
        throw DbError(DbError::IoError, DbError::describe(DbError::IoError),
                      QStringLiteral("parameter %1 out of range").arg(index));
    m_values[size_t(index - 1)] = std::move(value);
    m_null[size_t(index - 1)] = 0;
}

void PgStatement::bindText(int index, const QString& value)
{
    set(index, value.toUtf8());
}

void PgStatement::bindInt(int index, qint64 value)
{
    set(index, QByteArray::number(value));
}

void PgStatement::bindReal(int index, double value)
{
    if (std::isnan(value))
        set(index, "NaN");
    else if (std::isinf(value))
        set(index, value > 0 ? "Infinity" : "-Infinity");
    else
        set(index, QByteArray::number(value, 'g', 17));
}

void PgStatement::bindNull(int index)
{
    set(index, QByteArray());
    m_null[size_t(index - 1)] = 1;
}

bool PgStatement::step()
{
    if (!m_executed) {
        PQclear(m_result);
        m_result = nullptr;
        m_executed = true;
        m_row = -1;
        if (m_returnsId && m_engine.deferInsert(*this))
            return false;
        pg_result* result = m_engine.run(*this);
        if (PQresultStatus(result) != PGRES_TUPLES_OK || m_returnsId) {
            PQclear(result);
            return false;
        }
        m_result = result;
    }
    if (!m_result)
        return false;
    return ++m_row < PQntuples(m_result);
}

void PgStatement::reset()
{
    PQclear(m_result);
    m_result = nullptr;
    m_executed = false;
    m_row = -1;
}

void PgStatement::clear()
{
    reset();
    for (size_t i = 0; i < m_values.size(); ++i) {
        m_values[i].clear();
        m_null[i] = 1;
    }
}

int PgStatement::columnCount() const
{
    return m_result ? PQnfields(m_result) : 0;
}

const char* PgStatement::cell(int column) const
{
    if (!m_result || m_row < 0 || m_row >= PQntuples(m_result) || column < 0 || column >= PQnfields(m_result) ||
        PQgetisnull(m_result, m_row, column))
        return nullptr;
    return PQgetvalue(m_result, m_row, column);
}

bool PgStatement::isBool(int column) const
{
    return PQftype(m_result, column) == BoolOid;
}

bool PgStatement::isNull(int column) const
{
    return cell(column) == nullptr;
}

QString PgStatement::text(int column) const
{
    const char* value = cell(column);
    if (!value)
        return QString();
    if (!*value)
        return QStringLiteral("");
    if (isBool(column))
        return *value == 't' ? QStringLiteral("1") : QStringLiteral("0");
    return QString::fromUtf8(value, PQgetlength(m_result, m_row, column));
}

qint64 PgStatement::int64(int column) const
{
    const char* value = cell(column);
    if (!value)
        return 0;
    if (isBool(column))
        return *value == 't' ? 1 : 0;
    const QByteArray bytes = QByteArray::fromRawData(value, PQgetlength(m_result, m_row, column));
    bool ok = false;
    const qint64 number = bytes.toLongLong(&ok);
    if (ok)
        return number;
    // A real number reads rounded, as the file engine reads it.
    const double real = bytes.toDouble(&ok);
    return ok ? qint64(std::llround(real)) : 0;
}

double PgStatement::real(int column) const
{
    const char* value = cell(column);
    if (!value)
        return 0;
    if (isBool(column))
        return *value == 't' ? 1 : 0;
    return QByteArray::fromRawData(value, PQgetlength(m_result, m_row, column)).toDouble();
}

QVariant PgStatement::value(int column) const
{
    if (isNull(column))
        return QVariant();
    switch (PQftype(m_result, column)) {
    case BoolOid:
    case Int2Oid:
    case Int4Oid:
    case Int8Oid:
        return QVariant(int64(column));
    case Float4Oid:
    case Float8Oid:
    case NumericOid:
        return QVariant(real(column));
    default:
        return QVariant(text(column));
    }
}

} // namespace store
