// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/WorkCopy.h"
#include "store/ListenRow.h"
#include "store/MasterRows.h"

#include <QTemporaryDir>
#include <memory>

namespace cli {

class CliContext;

// A list taken over into a working copy of the tool's own, for the report
// commands. The copy lives in a temporary folder, so the tool never
// disturbs the working copy of a running report program.
class ReportSource {
public:
    enum class Copy { Yes, No };
    // Throws CommandError when the list does not exist, store::DbError on
    // database errors. With Copy::No the list is only looked up, for
    // commands that read it straight from the list database.
    ReportSource(CliContext& context, const QString& listName, Copy copy = Copy::Yes);
    ~ReportSource();

    const store::ListenRow& list() const { return m_list; }
    report::WorkCopy& work() { return *m_work; } // only with Copy::Yes
    const QList<store::HolzartRow>& species() const { return m_species; }
    bool dezimalpunkt() const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<store::Database> m_workDb;
    std::unique_ptr<report::WorkCopy> m_work;
    store::ListenRow m_list;
    QList<store::HolzartRow> m_species;
};

} // namespace cli
