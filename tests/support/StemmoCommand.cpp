// SPDX-License-Identifier: GPL-3.0-or-later
#include "StemmoCommand.h"

#include <QJsonDocument>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace testing {

QJsonObject StemmoCommand::Result::object() const
{
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

QJsonArray StemmoCommand::Result::array() const
{
    return QJsonDocument::fromJson(out.toUtf8()).array();
}

StemmoCommand::StemmoCommand(QString program, QString dataFolder, QString settingsFile)
    : m_program(std::move(program)), m_data(std::move(dataFolder)), m_settings(std::move(settingsFile))
{
}

StemmoCommand::Result StemmoCommand::run(const QStringList& args, qint64 fileSizeLimit) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!m_settings.isEmpty())
        env.insert(QStringLiteral("STEMMO_SETTINGS"), m_settings);
    env.remove(QStringLiteral("STEMMO_DATABASE"));
    if (!m_database.isEmpty())
        env.insert(QStringLiteral("STEMMO_DATABASE"), m_database);
    process.setProcessEnvironment(env);
#ifdef Q_OS_UNIX
    if (fileSizeLimit > 0) {
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
#else
    Q_UNUSED(fileSizeLimit);
#endif
    process.start(m_program, QStringList{QStringLiteral("--data"), m_data} + args);
    Result result;
    if (!process.waitForFinished(m_timeout)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("no end within %1 s").arg(m_timeout / 1000);
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

StemmoCommand::Result StemmoCommand::run(const char* line) const
{
    return run(QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace testing
