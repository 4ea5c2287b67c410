// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseChoice.h"

#include "SettingKeys.h"
#include "Settings.h"

namespace store {

DatabaseChoice::DatabaseChoice(const QString& commandLine, const Settings& settings)
{
    const QString environment = qEnvironmentVariable("STEMMO_DATABASE");
    const QString setting = settings.get(keys::Datenbankserver);
    if (!commandLine.trimmed().isEmpty()) {
        m_location = DatabaseLocation(commandLine.trimmed());
        m_source = Source::CommandLine;
    } else if (!environment.trimmed().isEmpty()) {
        m_location = DatabaseLocation(environment.trimmed());
        m_source = Source::Environment;
    } else if (!setting.trimmed().isEmpty()) {
        m_location = DatabaseLocation(setting.trimmed());
        m_source = Source::Setting;
    }
}

QString DatabaseChoice::problem() const
{
    if (!onServer() || m_location.isServer())
        return QString();
    const QString origin = m_source == Source::CommandLine ? QStringLiteral("--database")
                           : m_source == Source::Environment
                               ? QStringLiteral("STEMMO_DATABASE")
                               : QStringLiteral("die Einstellung Datenbankserver");
    return QStringLiteral("„%1“ (%2) nennt keine Server-Datenbank. Erwartet wird eine Verbindungsangabe wie "
                          "„postgresql://server/stemmo“ oder „service=stemmo“.")
        .arg(m_location.forDisplay(), origin);
}

DataFolder DatabaseChoice::folder(const QString& path) const
{
    return onServer() ? DataFolder(path, m_location.text()) : DataFolder::files(path);
}

QString DatabaseChoice::takeOption(QStringList& arguments)
{
    QString location;
    for (int i = 0; i < arguments.size();) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--database") && i + 1 < arguments.size()) {
            location = arguments.at(i + 1);
            arguments.remove(i, 2);
        } else if (argument.startsWith(QLatin1String("--database="))) {
            location = argument.mid(11);
            arguments.removeAt(i);
        } else {
            ++i;
        }
    }
    return location;
}

QString DatabaseChoice::save(Settings& settings, const QString& location)
{
    const DatabaseLocation chosen(location.trimmed());
    if (chosen.carriesPassword())
        return QStringLiteral("Die Verbindungsangabe enthält ein Passwort; Passwörter werden nicht in den "
                              "Einstellungen gespeichert. Tragen Sie das Passwort in die Passwortdatei "
                              "~/.pgpass (unter Windows %APPDATA%\\postgresql\\pgpass.conf) oder in eine "
                              "Dienstdatei ~/.pg_service.conf ein und lassen Sie es in der Angabe weg.");
    if (!chosen.isEmpty() && !chosen.isServer())
        return QStringLiteral("„%1“ nennt keine Server-Datenbank. Erwartet wird eine Verbindungsangabe wie "
                              "„postgresql://server/stemmo“ oder „service=stemmo“; leer bleiben die Dateien "
                              "des Datenordners.")
            .arg(chosen.text());
    if (!settings.set(keys::Datenbankserver, chosen.text()))
        return QStringLiteral("Die Einstellung konnte nicht gespeichert werden: %1")
            .arg(settings.lastError());
    return QString();
}

} // namespace store
