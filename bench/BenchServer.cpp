// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchServer.h"

#include "store/DatabaseLocation.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

QString serverOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--database="))
            return QString::fromLocal8Bit(QByteArray(argv[i]).mid(11)).trimmed();
    return qEnvironmentVariable("STEMMO_DATABASE").trimmed();
}

// createdb or dropdb against the server; false with their message on stderr.
bool serverTool(const QString& tool, const QString& server, const QString& name)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, {QStringLiteral("--maintenance-db=") + server, name});
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

BenchServer::BenchServer(int argc, char** argv) : m_server(serverOption(argc, argv))
{
    if (m_server.isEmpty())
        return;
    m_name = QStringLiteral("stemmo_bench_%1").arg(QCoreApplication::applicationPid());
    if (!serverTool(QStringLiteral("createdb"), m_server, m_name)) {
        std::fprintf(stderr, "no database could be created on %s\n",
                     qPrintable(store::DatabaseLocation(m_server).forDisplay()));
        std::exit(1);
    }
    m_database = store::DatabaseLocation(m_server).withDatabase(m_name);
    qputenv("STEMMO_DATABASE", m_database.toLocal8Bit());
}

BenchServer::~BenchServer()
{
    if (active())
        serverTool(QStringLiteral("dropdb"), m_server, m_name);
}

QString BenchServer::description() const
{
    return active() ? QStringLiteral("server %1").arg(store::DatabaseLocation(m_database).forDisplay())
                    : QStringLiteral("files");
}

} // namespace bench
