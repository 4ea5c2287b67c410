// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Starts other programs without waiting for them.
class ProcessLauncher {
public:
    // The folder of the running program's executable: programs shipped
    // beside it (the report program, external converters) are found there.
    static QString programFolder();

    // Starts `program` detached in `workingFolder` (empty: the current one).
    // False when it could not be started; *error then holds a German reason.
    static bool startDetached(const QString& program, const QStringList& arguments = {},
                              const QString& workingFolder = QString(), QString* error = nullptr);
};

} // namespace platform
