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

void StoreFaults::refuseNewRecordNumber(store::Database& holz, int nummer)
{
    holz.exec(QByteArray("CREATE TEMP TRIGGER refuseRecord BEFORE INSERT ON main.Holz WHEN NEW.Nummer = " +
                         QByteArray::number(nummer) + " BEGIN SELECT RAISE(ABORT, 'disk full'); END;")
                  .constData());
}

void StoreFaults::allowNewRecords(store::Database& holz)
{
    holz.exec("DROP TRIGGER IF EXISTS temp.refuseRecord");
}

void StoreFaults::refuseStorageChanges(store::Database& holz)
{
    holz.exec("CREATE TEMP TRIGGER refuseStorage BEFORE UPDATE ON main.Lager "
              "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END;");
}

} // namespace testing
