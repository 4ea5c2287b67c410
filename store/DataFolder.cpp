// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace store {

DataFolder::DataFolder(QString path, QString database)
    : m_path(QDir::cleanPath(QDir(path.isEmpty() ? defaultPath() : path).absolutePath())),
      m_server((database.trimmed().isEmpty() ? qEnvironmentVariable("STEMMO_DATABASE") : database).trimmed())
{
}

DataFolder DataFolder::files(const QString& path)
{
    DataFolder folder(path, QStringLiteral("-"));
    folder.m_server = DatabaseLocation();
    return folder;
}

QString DataFolder::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("STEMMO_DATA");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Stemmo");
}

QString DataFolder::holzDb() const
{
    return onServer() ? m_server.text() : file(QStringLiteral("Holz.db"));
}

QString DataFolder::masterDb() const
{
    return onServer() ? m_server.text() : file(QStringLiteral("MRinden.db"));
}

QString DataFolder::workDb() const
{
    return file(QStringLiteral("vorl.db"));
}

QString DataFolder::file(const QString& name) const
{
    return QDir(m_path).filePath(name);
}

} // namespace store
