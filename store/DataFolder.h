// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {

// Where the databases live. One folder per user, shared by all programs:
// the path given on the command line, else $STEMMO_DATA, else the user's
// application data folder.
class DataFolder {
public:
    explicit DataFolder(QString path = QString());

    static QString defaultPath();

    const QString& path() const { return m_path; }
    QString holzDb() const;   // the lists: Holz.db
    QString masterDb() const; // the master data: MRinden.db
    QString workDb() const;   // the report program's working copy: vorl.db
    QString file(const QString& name) const;

private:
    QString m_path;
};

} // namespace store
