// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {

// Where the list and master data live: a file in the data folder (the
// default, one PC) or a database on a PostgreSQL server shared by several
// workstations. A server is named the way its client library names it: a
// URL ("postgresql://host/db", "postgres://…") or keyword/value pairs
// ("service=stemmo", "host=… dbname=…"); anything else is a file path.
class DatabaseLocation {
public:
    DatabaseLocation() = default;
    explicit DatabaseLocation(QString text) : m_text(std::move(text)) {}

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.trimmed().isEmpty(); }
    bool isServer() const { return isServer(m_text); }
    static bool isServer(const QString& location);

    // True when the text carries a password; passwords belong in the client
    // library's password or service file, never in the settings.
    bool carriesPassword() const;
    // The location for messages and logs, with any password blanked out.
    QString forDisplay() const;
    // The same server with another database on it (a server location only).
    QString withDatabase(const QString& name) const;

private:
    QString m_text;
};

} // namespace store
