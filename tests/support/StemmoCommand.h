// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace testing {

// The stemmo program run as a user runs it: in its own process, on one
// data folder and (when given) one settings file.
class StemmoCommand {
public:
    struct Result {
        int exitCode = -1; // -1: did not end in time (err says so), -2: crashed
        QString out;
        QString err;
        QJsonObject object() const;
        QJsonArray array() const;
    };

    StemmoCommand(QString program, QString dataFolder, QString settingsFile = QString());

    // The server database the commands work on (as STEMMO_DATABASE names it
    // to them); empty, as by default: the data folder's files, whatever the
    // environment of the test says.
    void setDatabase(const QString& location) { m_database = location; }
    // How long a run may take before it is ended and counted as hung.
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }

    // `fileSizeLimit`: no file may grow beyond it, the way a full disk cuts
    // a write short (Unix only).
    Result run(const QStringList& args, qint64 fileSizeLimit = 0) const;
    // Arguments separated by blanks, for the many that hold none.
    Result run(const char* line) const;

private:
    QString m_program;
    QString m_data;
    QString m_settings;
    QString m_database;
    int m_timeout = 60000;
};

} // namespace testing
