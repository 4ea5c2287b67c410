// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerSetting.h"

#include "platform/UserInterface.h"
#include "store/Database.h"
#include "store/DatabaseChoice.h"
#include "store/DatabaseLocation.h"
#include "store/DbError.h"
#include "store/ListRepository.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

namespace app {
namespace {

const QString Title = QStringLiteral("Datenbankserver");

} // namespace

ServerSetting::ServerSetting(store::Settings& settings, platform::UserInterface& ui)
    : m_settings(settings), m_ui(ui)
{
}

void ServerSetting::Form_Load()
{
    m_text = m_settings.get(store::keys::Datenbankserver);
    m_status.clear();
    m_statusIsError = false;
}

void ServerSetting::setTxtServer(const QString& text)
{
    m_text = text;
}

void ServerSetting::setStatus(const QString& text, bool error)
{
    m_status = text;
    m_statusIsError = error;
}

void ServerSetting::cmdTesten_Click()
{
    const store::DatabaseLocation location(m_text.trimmed());
    if (location.isEmpty()) {
        setStatus(QStringLiteral("Ohne Angabe arbeitet das Programm mit den Dateien des Datenordners."),
                  false);
        return;
    }
    if (!location.isServer()) {
        setStatus(QStringLiteral("„%1“ nennt keine Server-Datenbank (z. B. „postgresql://server/stemmo“ oder "
                                 "„service=stemmo“).")
                      .arg(location.text()),
                  true);
        return;
    }
    try {
        const auto db =
            store::Database::open(location.text(), store::DatabaseKind::Holz, store::OpenMode::ReadOnly);
        const qsizetype lists = store::ListRepository(*db).all(store::ListenOrder::Unsorted).size();
        setStatus(QStringLiteral("Verbindung hergestellt: %1 %2.")
                      .arg(lists)
                      .arg(lists == 1 ? QStringLiteral("Holzliste") : QStringLiteral("Holzlisten")),
                  false);
    } catch (const store::DbError& error) {
        // The description names the cause: no server, no such database,
        // refused login, or a database no program has set up yet.
        setStatus(error.description(), true);
    } catch (const std::exception& error) {
        setStatus(QString::fromUtf8(error.what()), true);
    }
}

bool ServerSetting::cmdSpeichern_Click()
{
    const QString refusal = store::DatabaseChoice::save(m_settings, m_text);
    if (!refusal.isEmpty()) {
        setStatus(refusal, true);
        m_ui.inform(refusal, Title, platform::Icon::Warning);
        return false;
    }
    m_text = m_text.trimmed();
    setStatus(m_text.isEmpty()
                  ? QStringLiteral("Gespeichert: ab dem nächsten Start die Dateien des Datenordners.")
                  : QStringLiteral("Gespeichert: gilt ab dem nächsten Start des Programms."),
              false);
    return true;
}

} // namespace app
