// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDatabase.h"

#include <QUuid>
#include <libpq-fe.h>

namespace {

QByteArray serverBase()
{
    return qgetenv("STEMMO_TEST_DATABASE");
}

// Runs one command on the test server; a failure fails the test run, since
// a server named for the tests that does not answer is a broken setup.
void runOnServer(const QByteArray& sql)
{
    PGconn* conn = PQconnectdb(serverBase().constData());
    if (PQstatus(conn) != CONNECTION_OK)
        qFatal("STEMMO_TEST_DATABASE: %s", PQerrorMessage(conn));
    PGresult* result = PQexec(conn, "SET client_min_messages = warning; " + sql);
    if (PQresultStatus(result) != PGRES_COMMAND_OK)
        qWarning("STEMMO_TEST_DATABASE: %s", PQresultErrorMessage(result));
    PQclear(result);
    PQfinish(conn);
}

} // namespace

bool TestDatabase::serverRun()
{
    return !serverBase().isEmpty();
}

TestDatabase::TestDatabase()
{
    if (!serverRun())
        return;
    m_schema = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
    runOnServer("CREATE SCHEMA " + m_schema.toUtf8());
    const QString base = QString::fromUtf8(serverBase());
    if (base.startsWith(QLatin1String("postgres://")) || base.startsWith(QLatin1String("postgresql://")))
        m_location = base + (base.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
                     QStringLiteral("options=-csearch_path%3D") + m_schema;
    else
        m_location = base + QStringLiteral(" options=-csearch_path=") + m_schema;
}

TestDatabase::~TestDatabase()
{
    if (!m_schema.isEmpty())
        runOnServer("DROP SCHEMA " + m_schema.toUtf8() + " CASCADE");
}

store::DataFolder TestDatabase::dataFolder(const QString& path) const
{
    return store::DataFolder(path.isEmpty() ? this->path() : path, m_location);
}

QString TestDatabase::holz() const
{
    return onServer() ? m_location : file(QStringLiteral("Holz.db"));
}

QString TestDatabase::master() const
{
    return onServer() ? m_location : file(QStringLiteral("MRinden.db"));
}
