// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing {

TestFolder::TestFolder() = default;

QString TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return path;
}

QString TestFolder::fixture(const QString& name)
{
    return QDir(qEnvironmentVariable("STEMMO_TEST_DATA")).filePath(name);
}

} // namespace testing
