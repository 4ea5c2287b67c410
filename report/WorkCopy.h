// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/WorkRow.h"

#include <QList>
#include <optional>

namespace store {
class Database;
}

namespace report {

// The report program's working copy of one list (vorl.db): the connection
// it is kept in, brought up to the present columns once when opened. What
// the operations do is described at store::WorkCopyRepository.
class WorkCopy {
public:
    // `work` is the working database; columns missing in an older working
    // copy are added here. Throws store::DbError.
    explicit WorkCopy(store::Database& work);

    store::Database& database() const { return *m_work; }

    // Replaces the content with the records of `list` (with a lot, of that
    // lot only) from the list database `holz`; on failure the previous
    // content stays and store::DbError is thrown. Returns the rows copied.
    int takeOver(store::Database& holz, const QString& list, std::optional<int> lot = std::nullopt);

    // The rows in the order they were copied.
    QList<store::WorkRow> rows() const;
    int count() const;
    // The lots present, ascending (0 included when records carry it).
    QList<int> lots() const;

private:
    store::Database* m_work;
};

} // namespace report
