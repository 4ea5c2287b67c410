// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoFileChanges.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace store {

PhotoFileChanges::~PhotoFileChanges()
{
    if (m_committed)
        return;
    for (const Staged& staged : m_staged) {
        QFile::remove(staged.temporary);
        // The lot's folder, when the copy made it and nothing else is in it.
        QDir().rmdir(QFileInfo(staged.temporary).path());
    }
}

QString PhotoFileChanges::stage(const QString& list, int lot, const QString& source, QString* error)
{
    const QString folder = m_files.lotFolder(list, lot);
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(QDir::toNativeSeparators(folder));
        return QString();
    }
    const QString name = m_files.freeName(list, lot, source);
    const QString temporary = folder + QStringLiteral("/.") + name + QStringLiteral(".neu");
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Das Foto „%1“ kann nicht gelesen werden: %2")
                     .arg(QDir::toNativeSeparators(source), in.errorString());
        return QString();
    }
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *error = QStringLiteral("Das Foto kann nicht nach „%1“ kopiert werden: %2")
                     .arg(QDir::toNativeSeparators(folder), out.errorString());
        return QString();
    }
    m_staged.append({temporary, folder + QLatin1Char('/') + name});
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFile::NoError)
            break;
        if (out.write(chunk) != chunk.size()) {
            *error = QStringLiteral("Das Foto kann nicht nach „%1“ kopiert werden: %2")
                         .arg(QDir::toNativeSeparators(folder), out.errorString());
            return QString();
        }
    }
    if (in.error() != QFile::NoError || !out.flush()) {
        *error = QStringLiteral("Das Foto „%1“ kann nicht kopiert werden.").arg(QDir::toNativeSeparators(source));
        return QString();
    }
    return name;
}

void PhotoFileChanges::removeFile(const QString& list, int lot, const QString& name)
{
    m_removeFiles << m_files.path(list, lot, name);
}

void PhotoFileChanges::removeList(const QString& list)
{
    m_removeFolders << m_files.listFolder(list);
}

void PhotoFileChanges::moveList(const QString& from, const QString& to)
{
    if (LotPhotoFiles::folderName(from) != LotPhotoFiles::folderName(to))
        m_moves.append({m_files.listFolder(from), m_files.listFolder(to)});
}

QStringList PhotoFileChanges::commit()
{
    m_committed = true;
    QStringList problems;
    for (const Staged& staged : m_staged) {
        if (!QFile::rename(staged.temporary, staged.final))
            problems << QStringLiteral("Das Foto „%1“ konnte nicht abgelegt werden.")
                            .arg(QDir::toNativeSeparators(staged.final));
    }
    for (const QString& file : m_removeFiles) {
        if (QFileInfo::exists(file) && !QFile::remove(file))
            problems << QStringLiteral("Das Foto „%1“ konnte nicht gelöscht werden.").arg(QDir::toNativeSeparators(file));
    }
    for (const QString& folder : m_removeFolders) {
        QDir dir(folder);
        if (dir.exists() && !dir.removeRecursively())
            problems << QStringLiteral("Der Fotoordner „%1“ konnte nicht gelöscht werden.")
                            .arg(QDir::toNativeSeparators(folder));
    }
    for (const auto& [from, to] : m_moves) {
        if (!QFileInfo::exists(from))
            continue;
        // Photos left in the new name's folder by an earlier list of that
        // name belong to no row; they step aside instead of being mixed in.
        if (QFileInfo::exists(to)) {
            QString aside;
            for (int n = 1; QFileInfo::exists(aside = to + QStringLiteral(".alt-") + QString::number(n)); ++n) {
            }
            QDir().rename(to, aside);
        }
        if (!QDir().rename(from, to))
            problems << QStringLiteral("Der Fotoordner „%1“ konnte nicht nach „%2“ umbenannt werden.")
                            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to));
    }
    return problems;
}

} // namespace store
