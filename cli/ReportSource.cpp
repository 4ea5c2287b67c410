// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportSource.h"

#include "cli/CliContext.h"
#include "store/ListRepository.h"
#include "store/Database.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

namespace cli {

ReportSource::ReportSource(CliContext& context, const QString& listName, Copy copy)
{
    store::Database& holz = context.holzDb();
    const std::optional<store::ListenRow> list = store::ListRepository(holz).find(listName);
    if (!list)
        throw CommandError{QStringLiteral("Liste „%1“ nicht vorhanden.").arg(listName)};
    m_list = *list;

    if (copy == Copy::Yes) {
        if (!m_folder.isValid())
            throw CommandError{QStringLiteral("Kein temporärer Ordner für die Arbeitsdatenbank: %1")
                                   .arg(m_folder.errorString())};
        m_workDb =
            store::Database::open(m_folder.filePath(QStringLiteral("vorl.db")), store::DatabaseKind::Work);
        m_work = std::make_unique<report::WorkCopy>(*m_workDb);
        m_work->takeOver(holz, m_list.Liste);
    }
    m_species =
        store::MasterData(context.masterDb()).species(context.settings().number(store::keys::RegionIndex, 8));
}

ReportSource::~ReportSource() = default;

bool ReportSource::dezimalpunkt() const
{
    // Printed lists and documents are German, as the report program writes
    // them: a decimal comma whatever the machine's number format.
    return false;
}

} // namespace cli
