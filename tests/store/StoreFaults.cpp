// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreFaults.h"

#include "store/Database.h"

namespace testing {
namespace {

// On the server a trigger calls a function, and there are no temporary
// triggers: the one function refuses with the message it is given, and a
// fault of "this connection" names the connection's server process. Both go
// with the test's schema.
void serverTrigger(store::Database& holz, const QByteArray& name, const QByteArray& when, const QByteArray& table,
                   const QByteArray& condition, const QByteArray& message, bool thisConnection)
{
    holz.exec("CREATE OR REPLACE FUNCTION stemmo_refuse() RETURNS trigger LANGUAGE plpgsql AS "
              "$$ BEGIN RAISE EXCEPTION '%', TG_ARGV[0]; END $$");
    QByteArray test = condition;
    if (thisConnection) {
        store::Statement pid = holz.prepare("SELECT pg_backend_pid()");
        pid.step();
        test += (test.isEmpty() ? "" : " AND ") + QByteArray("pg_backend_pid() = ") + QByteArray::number(pid.int64(0));
    }
    holz.exec("CREATE TRIGGER " + name + " " + when + " ON " + table + " FOR EACH ROW " +
              (test.isEmpty() ? QByteArray() : "WHEN (" + test + ") ") + "EXECUTE FUNCTION stemmo_refuse('" +
              message + "')");
}

void dropServerTrigger(store::Database& holz, const QByteArray& name, const QByteArray& table)
{
    holz.exec("DROP TRIGGER IF EXISTS " + name + " ON " + table);
}

} // namespace

void StoreFaults::refuseRecordChanges(store::Database& holz)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuse", "BEFORE UPDATE", "Holz", {}, "gesperrt", false);
    holz.exec("CREATE TRIGGER refuse BEFORE UPDATE ON Holz BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
}

void StoreFaults::allowRecordChanges(store::Database& holz)
{
    if (holz.onServer())
        return dropServerTrigger(holz, "refuse", "Holz");
    holz.exec("DROP TRIGGER refuse");
}

void StoreFaults::hideRecords(store::Database& holz)
{
    holz.exec("ALTER TABLE Holz RENAME TO HolzAlt");
}

void StoreFaults::refuseNewRecordNumber(store::Database& holz, int nummer)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuseRecord", "BEFORE INSERT", "Holz", "NEW.Nummer = " + QByteArray::number(nummer),
                             "disk full", true);
    holz.exec(QByteArray("CREATE TEMP TRIGGER refuseRecord BEFORE INSERT ON main.Holz WHEN NEW.Nummer = " +
                         QByteArray::number(nummer) + " BEGIN SELECT RAISE(ABORT, 'disk full'); END;")
                  .constData());
}

void StoreFaults::allowNewRecords(store::Database& holz)
{
    if (holz.onServer())
        return dropServerTrigger(holz, "refuseRecord", "Holz");
    holz.exec("DROP TRIGGER IF EXISTS temp.refuseRecord");
}

void StoreFaults::refuseStorageChanges(store::Database& holz)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuseStorage", "BEFORE UPDATE", "Lager", {}, "Platte voll", true);
    holz.exec("CREATE TEMP TRIGGER refuseStorage BEFORE UPDATE ON main.Lager "
              "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END;");
}

void StoreFaults::refuseListChanges(store::Database& holz)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuseList", "BEFORE UPDATE", "Listen", {}, "Platte voll", true);
    holz.exec("CREATE TEMP TRIGGER refuseList BEFORE UPDATE ON main.Listen "
              "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END;");
}

void StoreFaults::allowListChanges(store::Database& holz)
{
    if (holz.onServer())
        return dropServerTrigger(holz, "refuseList", "Listen");
    holz.exec("DROP TRIGGER IF EXISTS temp.refuseList");
}

void StoreFaults::refuseListDeletion(store::Database& holz)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuseListDeletion", "BEFORE DELETE", "Listen", {}, "gesperrt", true);
    holz.exec("CREATE TEMP TRIGGER refuseListDeletion BEFORE DELETE ON main.Listen "
              "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
}

void StoreFaults::refuseGradeChangeOfNumber(store::Database& holz, int nummer)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuseGrade", "BEFORE UPDATE OF Guete", "Holz",
                             "NEW.Nummer = " + QByteArray::number(nummer), "Datenträger voll", true);
    holz.exec(QByteArray("CREATE TEMP TRIGGER refuseGrade BEFORE UPDATE OF Guete ON main.Holz WHEN NEW.Nummer = " +
                         QByteArray::number(nummer) + " BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;")
                  .constData());
}

void StoreFaults::refuseRecordDeletionOfDiameter(store::Database& holz, int durchm)
{
    if (holz.onServer())
        return serverTrigger(holz, "refuseDeletion", "BEFORE DELETE", "Holz",
                             "OLD.Durchm = " + QByteArray::number(durchm), "Datenträger voll", true);
    holz.exec(QByteArray("CREATE TEMP TRIGGER refuseDeletion BEFORE DELETE ON main.Holz WHEN OLD.Durchm = " +
                         QByteArray::number(durchm) + " BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END;")
                  .constData());
}

} // namespace testing
