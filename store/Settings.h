// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QList>
#include <QPair>
#include <QStringList>
#include <functional>
#include <memory>

namespace store {

// One declared setting: where it lives and what it reads as when absent.
struct SettingKey {
    const char* application;
    const char* section;
    const char* key;
    const char* defaultValue;
};

// The per-user settings store shared by all programs: string values
// addressed by application, section and key, names compared without
// regard to case ("Regionindex" finds "RegionIndex").
//
// Storage: one INI file per user. Every write re-reads the file under a
// lock file, changes the one value and replaces the file atomically through
// a checked writer (every write and the flush checked; on failure the old
// file stays as it was and the call returns false). Reads look at the file
// again when another program has changed it since, so a change made in one
// program is seen by the other at its next read. An unreadable or damaged
// file reads as "no settings" (the defaults) and never crashes.
//
// Applications and sections form a path: application "Software\Stemmo\101"
// with section "Los" is the group "Software\Stemmo\101\Los", and
// DeleteSetting("Software\Stemmo", "101") removes that group with everything
// below it.
class Settings {
public:
    explicit Settings(QString iniPath);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // $STEMMO_SETTINGS, else <user config folder>/Stemmo/Stemmo.ini.
    static QString defaultPath();
    const QString& path() const { return m_path; }

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // False when the file could not be written (lastError() says why).
    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);
    // Several values of one group in one write: all are stored or none.
    bool SaveSettings(const QString& application, const QString& section,
                      const QList<QPair<QString, QString>>& values);
    // Removes the group application\section and every group below it.
    // False when no such group existed or the file could not be written.
    bool DeleteSetting(const QString& application, const QString& section);
    // True when the group application\section, or a group below it, exists.
    bool sectionExists(const QString& application, const QString& section) const;

    // The declared keys.
    QString get(const SettingKey& key) const;
    QString get(const SettingKey& key, const QString& defaultValue) const;
    bool set(const SettingKey& key, const QString& value);
    // Check-box keys: "1" is checked.
    bool isChecked(const SettingKey& key) const;
    // Whole-number keys; `fallback` when the value is not a number.
    int number(const SettingKey& key, int fallback) const;

    QString lastError() const { return m_lastError; }

private:
    struct Data;
    void reloadIfChanged() const;
    bool modify(const std::function<bool(Data&)>& change);

    QString m_path;
    mutable std::unique_ptr<Data> m_data;
    mutable QDateTime m_loadedModified;
    mutable qint64 m_loadedSize = -1;
    // Writes by any Settings object of this process on the same file, so a
    // change made here is seen at once without reading the file again.
    mutable quint64 m_seenGeneration = 0;
    // When the file was last read only because its time was too recent to
    // trust; such reads are spaced out so a burst of lookups stays cheap.
    mutable qint64 m_lastRacyReadMs = -1;
    QString m_lastError;
};

} // namespace store
