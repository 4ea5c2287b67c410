// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DatabaseLocation.h"

#include <QString>

namespace store {

// Where the databases live. One folder per user, shared by all programs:
// the path given on the command line, else $STEMMO_DATA, else the user's
// application data folder.
//
// The lists and the master data may live on a database server instead
// (several workstations on one database): the server given, else
// $STEMMO_DATABASE. The report program's working copy and the photos of
// the lots stay in the folder either way.
class DataFolder {
public:
    explicit DataFolder(QString path = QString(), QString database = QString());

    static QString defaultPath();
    // The folder's own files, whatever $STEMMO_DATABASE says.
    static DataFolder files(const QString& path);

    const QString& path() const { return m_path; }
    // The server database when one is chosen; empty for the folder's files.
    const DatabaseLocation& server() const { return m_server; }
    bool onServer() const { return !m_server.isEmpty(); }
    QString holzDb() const;   // the lists: Holz.db, or the server
    QString masterDb() const; // the master data: MRinden.db, or the server
    QString workDb() const;   // the report program's working copy: vorl.db
    QString file(const QString& name) const;

private:
    QString m_path;
    DatabaseLocation m_server;
};

} // namespace store
