// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFloor.h"

#include "store/Database.h"
#include "store/Transaction.h"

#include <QDate>

namespace bench {

void bareDurableInsert(store::Database& db, const QString& list)
{
    // The store's own transaction: its begin is the one each engine needs
    // for a write (on files, taking the write lock at once).
    store::Transaction transaction(db);
    store::Statement insert =
        db.prepare("INSERT INTO Holz (SatzNr, Liste, Nummer, Einzelstamm, Los, Holzart, Guete, Sorte, Staerke, "
                   "Laenge, Durchm, Stueck, Kubatur) VALUES (0, ?, 1, 1, 1, 'Fichte', 'B ', 'L ', '2a', 4, "
                   "25, 1, 0.2)");
    insert.bind(1, list);
    insert.run();
    store::Statement update = db.prepare(
        "UPDATE Listen SET Kubatur = Kubatur + 0.2, Stueckzahl = Stueckzahl + 1, Bearbeitet = ? WHERE Liste = ?");
    update.bindAll(QDate::currentDate(), list);
    update.run();
    transaction.commit();
}

} // namespace bench
