// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportLauncher.h"

#include "platform/ProcessLauncher.h"
#include "platform/SingleInstance.h"
#include "platform/UserInterface.h"

#include <QDir>

namespace app {

ReportLauncher::ReportLauncher(platform::UserInterface& ui, QString programFolder, Activator activate,
                               Starter start)
    : m_ui(&ui), m_folder(std::move(programFolder)), m_activate(std::move(activate)),
      m_start(std::move(start))
{
    if (!m_activate)
        m_activate = channelActivator(
            platform::SingleInstance::channelName(QString::fromLatin1(platform::ReportProgramName)));
    if (!m_start)
        m_start = [](const QString& program, QString* error) {
            return platform::ProcessLauncher::startDetached(program, {}, QString(), error);
        };
}

ReportLauncher::Activator ReportLauncher::channelActivator(const QString& channel)
{
    return [channel] { return platform::SingleInstance::activateRunning(channel); };
}

QString ReportLauncher::programName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Stemprint.exe");
#else
    return QStringLiteral("Stemprint");
#endif
}

QString ReportLauncher::programPath() const
{
    return QDir(m_folder).filePath(programName());
}

bool ReportLauncher::mnuDrucken_Click()
{
    if (m_activate())
        return true;
    QString error;
    if (m_start(programPath(), &error))
        return true;
    m_ui->message({QStringLiteral("Das Druckprogramm Stemprint kann nicht gestartet werden.\n") + error,
                   QStringLiteral("Drucken"), platform::Buttons::Ok, platform::Icon::Warning});
    return false;
}

} // namespace app
