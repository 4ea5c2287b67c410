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

void StoreFaults::refuseListChanges(store::Database& holz)
{
    holz.exec("CREATE TEMP TRIGGER refuseList BEFORE UPDATE ON main.Listen "
              "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END;");
}

void StoreFaults::allowListChanges(store::Database& holz)
{
    holz.exec("DROP TRIGGER IF EXISTS temp.refuseList");
}

void StoreFaults::refuseListDeletion(store::Database& holz)
{
    holz.exec("CREATE TEMP TRIGGER refuseListDeletion BEFORE DELETE ON main.Listen "
              "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
}

void StoreFaults::refuseGradeChangeOfNumber(store::Database& holz, int nummer)
{
    holz.exec(QByteArray("CREATE TEMP TRIGGER refuseGrade BEFORE UPDATE OF Guete ON main.Holz WHEN NEW.Nummer = " +
                         QByteArray::number(nummer) + " BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;")
                  .constData());
}

void StoreFaults::refuseRecordDeletionOfDiameter(store::Database& holz, int durchm)
{
    holz.exec(QByteArray("CREATE TEMP TRIGGER refuseDeletion BEFORE DELETE ON main.Holz WHEN OLD.Durchm = " +
                         QByteArray::number(durchm) + " BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;")
                  .constData());
}

} // namespace testing
