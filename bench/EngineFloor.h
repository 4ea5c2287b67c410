// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace store {
class Database;
}

namespace bench {

// What a save cannot go below: one durable transaction that inserts a
// record and moves its list's totals, straight on the engine, on the same
// file with the same settings as the program's own save. The one place
// outside the storage layer that talks to the engine directly: it is the
// yardstick the program's save is measured against.
void bareDurableInsert(store::Database& db, const QString& list);

} // namespace bench
