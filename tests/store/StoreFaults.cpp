// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreFaults.h"

#include "store/Database.h"

namespace testing {

void StoreFaults::refuseRecordChanges(store::Database& holz)
{
    holz.exec("CREATE TRIGGER refuse BEFORE UPDATE ON Holz BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
}

void StoreFaults::allowRecordChanges(store::Database& holz)
{
    holz.exec("DROP TRIGGER refuse");
}

void StoreFaults::hideRecords(store::Database& holz)
{
    holz.exec("ALTER TABLE Holz RENAME TO HolzAlt");
}

} // namespace testing
