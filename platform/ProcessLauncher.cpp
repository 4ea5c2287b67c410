// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace platform {

QString ProcessLauncher::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool ProcessLauncher::startDetached(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder, QString* error)
{
    const QFileInfo info(program);
    if (!info.exists() || !info.isFile()) {
        if (error)
            *error = QStringLiteral("Datei nicht gefunden: %1").arg(program);
        return false;
    }
    if (!info.isExecutable()) {
        if (error)
            *error = QStringLiteral("Die Datei ist kein ausführbares Programm: %1").arg(program);
        return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        if (error)
            *error = QStringLiteral("Das Programm %1 kann nicht gestartet werden.").arg(program);
        return false;
    }
    return true;
}

} // namespace platform
