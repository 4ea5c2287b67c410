// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DataFolder.h"
#include "store/DatabaseLocation.h"

#include <QString>
#include <QStringList>

namespace store {

class Settings;

// Which database this workstation works on: the server named with
// --database, else $STEMMO_DATABASE, else the user's setting, else the data
// folder's files. A program makes the choice once at its start; the choice
// names the data folder it then opens.
class DatabaseChoice {
public:
    enum class Source { CommandLine, Environment, Setting, Files };

    DatabaseChoice(const QString& commandLine, const Settings& settings);

    const DatabaseLocation& location() const { return m_location; }
    Source source() const { return m_source; }
    bool onServer() const { return m_source != Source::Files; }
    // Why the chosen location cannot serve (it names no server database);
    // empty when it can.
    QString problem() const;
    // The data folder at `path` working on the chosen database.
    DataFolder folder(const QString& path = QString()) const;

    // Takes "--database LOCATION" or "--database=LOCATION" out of a
    // program's arguments; returns the location (empty when not given).
    static QString takeOption(QStringList& arguments);

    // Keeps `location` as this user's server database; empty returns to the
    // data folder's files. Refuses (returns the German reason, stores
    // nothing) a location that carries a password or names no server, and
    // says so when the settings file cannot be written.
    static QString save(Settings& settings, const QString& location);

private:
    DatabaseLocation m_location;
    Source m_source = Source::Files;
};

} // namespace store
