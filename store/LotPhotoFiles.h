// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {

class Database;

// Where the photos of the lots lie: <data>/Fotos/<list>/<lot>/<file>, next
// to the list database. The list's folder name is made from its name so that
// any name works on any file system: letters and digits stay (lower case,
// as lists differ only beyond case), every other character becomes "_" and
// its code in hex ("Nord's/1" → "nord_0027s_002f1"), so no two names share
// a folder and no name climbs out of it.
class LotPhotoFiles {
public:
    explicit LotPhotoFiles(QString root) : m_root(std::move(root)) {}
    // The photos of the lists in this database file.
    static LotPhotoFiles of(const Database& db);

    const QString& root() const { return m_root; }
    static QString folderName(const QString& list);
    QString listFolder(const QString& list) const;
    QString lotFolder(const QString& list, int lot) const;
    QString path(const QString& list, int lot, const QString& file) const;
    // A file name for a copy of `source` in the lot's folder: its own name
    // made safe, numbered when taken ("foto.jpg", "foto-2.jpg").
    QString freeName(const QString& list, int lot, const QString& source) const;

private:
    QString m_root;
};

} // namespace store
