// SPDX-License-Identifier: GPL-3.0-or-later
#include "LotPhotoFiles.h"

#include "DataFolder.h"

#include "Database.h"

#include <QDir>
#include <QFileInfo>

namespace store {

namespace {

// Letters and digits stay; a list's folder encodes every other character so
// that no two names share a folder, a file's name (numbered when taken
// anyway) just loses them.
QString safe(const QString& text, bool encode)
{
    QString out;
    for (const QChar c : text) {
        if ((c.isLetterOrNumber() && c.unicode() < 0x2000) || c == QLatin1Char('-') ||
            (!encode && c == QLatin1Char('_')))
            out += c.toLower();
        else if (encode)
            out += QStringLiteral("_%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += QLatin1Char('_');
    }
    return out;
}

} // namespace

LotPhotoFiles LotPhotoFiles::of(const Database& db)
{
    // A server holds no files: the photos stay in this PC's data folder.
    return LotPhotoFiles(QDir(db.localFolder()).filePath(QStringLiteral("Fotos")));
}

QString LotPhotoFiles::folderName(const QString& list)
{
    QString name = safe(list, true);
    // Names a Windows file system keeps for devices.
    static const QStringList devices{QStringLiteral("con"), QStringLiteral("prn"), QStringLiteral("aux"),
                                     QStringLiteral("nul")};
    if (name.isEmpty() || devices.contains(name) ||
        (name.size() == 4 && (name.startsWith(QLatin1String("com")) || name.startsWith(QLatin1String("lpt")))))
        name += QLatin1Char('_');
    return name;
}

QString LotPhotoFiles::listFolder(const QString& list) const
{
    return m_root + QLatin1Char('/') + folderName(list);
}

QString LotPhotoFiles::lotFolder(const QString& list, int lot) const
{
    return listFolder(list) + QStringLiteral("/Los-") + QString::number(lot);
}

QString LotPhotoFiles::path(const QString& list, int lot, const QString& file) const
{
    return lotFolder(list, lot) + QLatin1Char('/') + file;
}

QString LotPhotoFiles::freeName(const QString& list, int lot, const QString& source) const
{
    const QFileInfo info(source);
    QString base = safe(info.completeBaseName().left(60), false);
    if (base.isEmpty())
        base = QStringLiteral("foto");
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + safe(info.suffix().left(8), false);
    const QDir folder(lotFolder(list, lot));
    QString name = base + suffix;
    for (int n = 2; folder.exists(name) || folder.exists(QLatin1Char('.') + name + QStringLiteral(".neu")); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

} // namespace store
