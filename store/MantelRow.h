// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/TableDef.h"

namespace store {

// One sample diameter of a stack measured by diameters.
// The sample belongs to the Holz row HolzId; StapelNr is the record's number
// as exchange files carry it.
struct MantelRow {
    QString Liste;
    int StapelNr = 0;
    int Durchm = 0;
    double Kubatur = 0;
    int Indx = 0;
    qint64 HolzId = 0;
    qint64 Id = 0;
};

const TableDef<MantelRow>& mantelTable();

} // namespace store
