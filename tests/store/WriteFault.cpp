// SPDX-License-Identifier: GPL-3.0-or-later
#include "WriteFault.h"

#include "store/Database.h"

namespace testing {

WriteFault::WriteFault(store::Database& db, const Refusal& refusal) : m_db(db)
{
    static const char* const writes[] = {"INSERT", "UPDATE", "DELETE"};
    QByteArray sql = QByteArray("CREATE TEMP TRIGGER write_fault BEFORE ") + writes[refusal.write];
    if (refusal.write == Update && refusal.column)
        sql += QByteArray(" OF ") + refusal.column;
    sql += QByteArray(" ON main.") + refusal.table;
    if (refusal.whenColumn) {
        sql += QByteArray(refusal.write == Delete ? " WHEN OLD." : " WHEN NEW.") + refusal.whenColumn +
               " = " + QByteArray::number(refusal.value);
    }
    sql += " BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END";
    m_db.exec(sql.constData());
}

WriteFault::~WriteFault()
{
    m_db.exec("DROP TRIGGER IF EXISTS temp.write_fault");
}

} // namespace testing
