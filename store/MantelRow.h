#pragma once

#include "store/TableDef.h"

namespace store {

// One sample diameter of a stack measured by diameters.
struct MantelRow {
    QString Liste;
    int StapelNr = 0;
    int Durchm = 0;
    double Kubatur = 0;
    int Indx = 0;
    qint64 Id = 0;
};

const TableDef<MantelRow>& mantelTable();

} // namespace store
