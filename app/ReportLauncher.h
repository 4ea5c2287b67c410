// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace platform {
class UserInterface;
}

namespace app {

// "Drucken": brings a running report program to the front, or starts it
// from the program folder; a start that fails is reported.
class ReportLauncher {
public:
    // Asks a running report program to come to the front; true when one answered.
    using Activator = std::function<bool()>;
    // Starts the program detached; false with a German reason when it could not.
    using Starter = std::function<bool(const QString& program, QString* error)>;

    // The defaults ask over the report program's single-instance channel
    // and start it with platform::ProcessLauncher.
    ReportLauncher(platform::UserInterface& ui, QString programFolder, Activator activate = {},
                   Starter start = {});

    // Asks the program listening on `channel` to come to the front.
    static Activator channelActivator(const QString& channel);

    // "Stemprint", with the platform's suffix for programs.
    static QString programName();
    QString programPath() const;

    // True when the report program is running (now or already).
    bool mnuDrucken_Click();

private:
    platform::UserInterface* m_ui;
    QString m_folder;
    Activator m_activate;
    Starter m_start;
};

} // namespace app
