// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/TableDef.h"

namespace store {

// One record of the report program's working copy (vorl.db, table Holz):
// the printed columns of a list record. The column order is part of the
// format, because the record list shows the columns by position.
struct WorkRow {
    QString Holzart;
    int Nummer = 0;
    int Los = 0;
    double Stueck = 0;
    double Laenge = 0;
    double Durchm = 0;
    QString Sorte;
    QString Staerke;
    QString Guete;
    double Kubatur = 0;
    double Rinde = 0; // the bark deduction in cm that was applied
    QString Liste;
    bool optionLangholz = false; // a single log
    bool Folgestamm = false;
    bool Klammerstamm = false;
    qint64 Id = 0; // rowid: the order in which the rows were copied
};

const TableDef<WorkRow>& workTable();

} // namespace store
