#pragma once

#include "store/HolzRow.h"

#include <utility>
#include <vector>

namespace importer {

// Binds the records of an imported list to the insert statement of the
// Holz table and leaves a column's binding from the previous row in place
// when its value did not change. The records of one file mostly share their
// list name, codes and defaults, and converting and copying every text of
// 100 000 rows again costs more than storing them.
//
// The columns are listed here once more; usable() checks them against the
// table definition, and the writer binds whole rows when they differ.
class HolzRowBinder {
public:
    HolzRowBinder();

    // True when the columns are those of holzTable().insertSql(), in its order.
    bool usable() const { return m_usable; }
    // Binds the row; with `previous`, only the values that differ from it.
    void bind(store::Statement& statement, const store::HolzRow& row, const store::HolzRow* previous) const;

private:
    std::vector<std::pair<const char*, store::Member<store::HolzRow>>> m_columns;
    bool m_usable = false;
};

} // namespace importer
