// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/TableDef.h"

#include <array>

namespace store {

// Rows of the master-data database: plain values, read by MasterData.

struct LaenderRow {
    int Landindex = 0;
    QString Land;
    qint64 Id = 0;
};

struct HolzartRow {
    QString Holzart;
    QString Kuerzel1;
    QString Kuerzel2;
    QString Kuerzel3;
    int IndexRinde = 0;
    double Reserve = 0;
    int IndexLand = 0;
    double IndexHolzart = 0;
    QString NL;
    qint64 Id = 0;
};

struct RindenabzugRow {
    int Landindex = 0;
    int RindenIndex = 0;
    std::array<int, 5> D{};    // thresholds in cm
    std::array<double, 5> R{}; // deductions in cm
};

// A row of Nutzungsart or Einschlagtyp: name, short code, index.
struct CodeRow {
    QString Name;
    QString Kuerzel;
    int Indx = 0;
};

const TableDef<LaenderRow>& laenderTable();
const TableDef<HolzartRow>& holzartTable();

} // namespace store
