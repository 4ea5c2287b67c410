// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace store {
class Database;
}

namespace testing {

// Makes the list database refuse one kind of write with an engine error,
// as a full disk or another program's lock would, until the object goes:
// the tests of the screens see their actions fail part way through. One
// at a time per connection.
class WriteFault {
public:
    enum Write { Insert, Update, Delete };
    struct Refusal {
        Write write;
        const char* table;
        // Update only: refuses only a write that sets this column.
        const char* column = nullptr;
        // Refuses only rows whose value in this column (the new one for
        // insert and update, the old one for delete) is `value`.
        const char* whenColumn = nullptr;
        long long value = 0;
    };

    WriteFault(store::Database& db, const Refusal& refusal);
    ~WriteFault();
    WriteFault(const WriteFault&) = delete;
    WriteFault& operator=(const WriteFault&) = delete;

private:
    store::Database& m_db;
};

} // namespace testing
