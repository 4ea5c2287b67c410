// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {
class UserInterface;
}
namespace store {
class Settings;
}

namespace app {

// The options window's section for the shared server database: the user
// names the database this workstation works on (empty: the data folder's
// files), tests the connection and keeps it. The choice counts from the
// next start; --database and $STEMMO_DATABASE still come before it.
class ServerSetting {
public:
    ServerSetting(store::Settings& settings, platform::UserInterface& ui);

    // Shows the stored choice.
    void Form_Load();

    const QString& txtServer() const { return m_text; }
    // What the last test or save found, for the line under the entry.
    const QString& lblStatus() const { return m_status; }
    bool statusIsError() const { return m_statusIsError; }

    void setTxtServer(const QString& text);
    // Opens the named database read-only and says what it holds, or why it
    // cannot be opened.
    void cmdTesten_Click();
    // Keeps the entry in the settings; a location carrying a password, or
    // naming no server, is refused with a message. False when nothing was stored.
    bool cmdSpeichern_Click();

private:
    void setStatus(const QString& text, bool error);

    store::Settings& m_settings;
    platform::UserInterface& m_ui;
    QString m_text;
    QString m_status;
    bool m_statusIsError = false;
};

} // namespace app
