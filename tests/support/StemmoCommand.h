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
        int exitCode = -1; // -1: did not end in time, -2: crashed
        QString out;
        QString err;
        QJsonObject object() const;
        QJsonArray array() const;
    };

    StemmoCommand(QString program, QString dataFolder, QString settingsFile = QString());

    // `fileSizeLimit`: no file may grow beyond it, the way a full disk cuts
    // a write short (Unix only).
    Result run(const QStringList& args, qint64 fileSizeLimit = 0) const;
    // Arguments separated by blanks, for the many that hold none.
    Result run(const char* line) const;

private:
    QString m_program;
    QString m_data;
    QString m_settings;
};

} // namespace testing
