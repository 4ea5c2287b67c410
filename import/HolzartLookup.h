// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"
#include "store/MasterRows.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <array>

namespace importer {

// Holzart_Suchen: the species name a record stores for a species code read
// from a list file. The species of the current region are searched code
// column by code column (Kuerzel1, then Kuerzel2, then Kuerzel3); a row whose
// code matches gives its name. A code the region does not know is stored as
// it stands and noted once in the list's missing species.
class HolzartLookup {
public:
    explicit HolzartLookup(const QList<store::HolzartRow>& species);

    // Blanks are removed from the code first. An empty code matches nothing
    // and gives an empty species (the empty code columns of the master data
    // must not turn a record without species into the region's first one).
    QString Holzart_Suchen(QStringView code, ImportedList& list);

private:
    bool m_noSpecies;
    std::array<QHash<QString, QString>, 3> m_byColumn;
    QHash<QString, QString> m_cache;
    QSet<QString> m_reported;
};

} // namespace importer
