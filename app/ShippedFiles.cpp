// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShippedFiles.h"

#include "platform/InstallLayout.h"
#include "store/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace app {
namespace {

// Qt 6.4's QSaveFile::commit() reports success after a failed flush on a
// full disk, so every write and the flush are checked before committing.
QString writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

QByteArray ShippedFiles::shipped(const QString& name)
{
    if (name != helpPageName() && name != soundName())
        return QByteArray();
    return platform::InstallLayout::read(name, QStringLiteral(":/stemmo/") + name);
}

ShippedFiles::Result ShippedFiles::ensure(const store::DataFolder& folder)
{
    Result result;
    result.helpFile = folder.file(helpPageName());
    result.soundFile = folder.file(soundName());
    if (!QDir().mkpath(folder.path())) {
        result.errors << QStringLiteral("Der Datenordner „%1“ kann nicht angelegt werden.")
                             .arg(QDir::toNativeSeparators(folder.path()));
        return result;
    }
    for (const QString& path : {result.helpFile, result.soundFile}) {
        const QString name = QFileInfo(path).fileName();
        const QByteArray bytes = shipped(name);
        if (bytes.isEmpty()) {
            result.errors << QStringLiteral("„%1“ fehlt im Programm.").arg(name);
            continue;
        }
        if (QFileInfo::exists(path) && readFile(path) == bytes)
            continue;
        const QString error = writeFile(path, bytes);
        if (error.isEmpty())
            result.written << path;
        else
            result.errors << QStringLiteral("„%1“ kann nicht geschrieben werden: %2")
                                 .arg(QDir::toNativeSeparators(path), error);
    }
    return result;
}

} // namespace app
