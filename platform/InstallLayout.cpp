// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstallLayout.h"

#include "ProcessLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

QString InstallLayout::programFolder()
{
    return ProcessLauncher::programFolder();
}

QString InstallLayout::dataFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(STEMMO_DATA_FROM_BIN)));
}

QString InstallLayout::helperProgram(const QString& name, const QString& programFolder)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    const QDir bin(programFolder);
    for (const QString& path : {bin.filePath(QStringLiteral(STEMMO_HELPER_FROM_BIN "/") + name), bin.filePath(name)}) {
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(info.filePath());
    }
    return QString();
}

QString InstallLayout::installedFile(const QString& name, const QString& programFolder)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    const QFileInfo info(QDir(dataFolder(programFolder)).filePath(name));
    return info.isFile() && info.isReadable() ? info.filePath() : QString();
}

QByteArray InstallLayout::read(const QString& name, const QString& builtIn, const QString& programFolder)
{
    for (const QString& path : {installedFile(name, programFolder), builtIn}) {
        if (path.isEmpty())
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        // A file that cannot be read whole or is empty is no master data and
        // no help page; the built-in copy takes its place.
        if (file.error() == QFileDevice::NoError && !bytes.isEmpty())
            return bytes;
    }
    return QByteArray();
}

} // namespace platform
