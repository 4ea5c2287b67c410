// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentFiles.h"

#include "ReportError.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace report::DocumentFiles {

QString folder()
{
    const QString override = qEnvironmentVariable("STEMMO_DOCUMENTS");
    if (!override.isEmpty())
        return QDir::cleanPath(override);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Holzlisten"));
}

bool ensureFolder(const QString& folder)
{
    return QDir().mkpath(folder);
}

QString documentName(const QString& list, std::optional<int> lot)
{
    QString name = list.trimmed();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    // "." and ".." and hidden names are not what the user asked for.
    for (qsizetype i = 0; i < name.size() && name.at(i) == QLatin1Char('.'); ++i)
        name[i] = QLatin1Char('_');
    if (name.isEmpty())
        name = QStringLiteral("Holzliste");
    if (lot)
        name += QStringLiteral("Los") + QString::number(*lot);
    return name + QStringLiteral(".docx");
}

void save(const QString& path, const QByteArray& bytes)
{
    auto failed = [&](const QString& reason) {
        return ReportError(QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden: %2")
                               .arg(QDir::toNativeSeparators(path), reason));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    // A short write or a failed flush must not be committed over the old
    // file: the save would report success with a truncated document.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw failed(reason);
    }
    if (!file.commit())
        throw failed(file.errorString());
}

} // namespace report::DocumentFiles
