// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/TableDef.h"

namespace store {

// Storage data of one lot of a list.
struct LagerRow {
    QString Liste;
    double Los = 0;
    QString LL;
    QString GPS;
    QString Lagerort;
    QString Zusatz1;
    qint64 Id = 0;
};

const TableDef<LagerRow>& lagerTable();

} // namespace store
