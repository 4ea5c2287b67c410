// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkRow.h"

namespace store {

const TableDef<WorkRow>& workTable()
{
    using R = WorkRow;
    static const TableDef<R> def("Holz", "rowid",
                                 {{"Holzart", &R::Holzart},
                                  {"Nummer", &R::Nummer},
                                  {"Los", &R::Los},
                                  {"Stueck", &R::Stueck},
                                  {"Laenge", &R::Laenge},
                                  {"Durchm", &R::Durchm},
                                  {"Sorte", &R::Sorte},
                                  {"Staerke", &R::Staerke},
                                  {"Guete", &R::Guete},
                                  {"Kubatur", &R::Kubatur},
                                  {"Rinde", &R::Rinde},
                                  {"Liste", &R::Liste},
                                  {"optionLangholz", &R::optionLangholz},
                                  {"Folgestamm", &R::Folgestamm},
                                  {"Klammerstamm", &R::Klammerstamm}});
    return def;
}

} // namespace store
