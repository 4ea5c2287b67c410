// SPDX-License-Identifier: GPL-3.0-or-later
#include "HolzRow.h"
#include "LagerRow.h"
#include "ListenRow.h"
#include "LotPhotoRow.h"
#include "MantelRow.h"
#include "MasterRows.h"

namespace store {

const TableDef<HolzRow>& holzTable()
{
    using R = HolzRow;
    static const TableDef<R> def("Holz", "Id",
                                 {{"SatzNr", &R::SatzNr},
                                  {"Liste", &R::Liste},
                                  {"Nummer", &R::Nummer},
                                  {"Einzelstamm", &R::Einzelstamm},
                                  {"Los", &R::Los},
                                  {"Holzart", &R::Holzart},
                                  {"Guete", &R::Guete},
                                  {"Sorte", &R::Sorte},
                                  {"Staerke", &R::Staerke},
                                  {"Laenge", &R::Laenge},
                                  {"Durchm", &R::Durchm},
                                  {"Hoehe", &R::Hoehe},
                                  {"Stueck", &R::Stueck},
                                  {"Stamm", &R::Stamm},
                                  {"Rinde", &R::Rinde},
                                  {"RindenAbzug", &R::RindenAbzug},
                                  {"Kubatur", &R::Kubatur},
                                  {"Folgestamm", &R::Folgestamm},
                                  {"Klammerstamm", &R::Klammerstamm},
                                  {"Nutzung", &R::Nutzung},
                                  {"Preisfaktor", &R::Preisfaktor},
                                  {"Preisart", &R::Preisart},
                                  {"Zusatztext", &R::Zusatztext},
                                  {"Abteilung", &R::Abteilung},
                                  {"RF", &R::RF},
                                  {"AArt", &R::AArt},
                                  {"Rotte", &R::Rotte},
                                  {"AbrNr", &R::AbrNr},
                                  {"EST1", &R::EST1},
                                  {"EST2", &R::EST2},
                                  {"EST3", &R::EST3},
                                  {"EST4", &R::EST4},
                                  {"EST5", &R::EST5},
                                  {"Polter", &R::Polter},
                                  {"Stapel", &R::Stapel}});
    return def;
}

const TableDef<ListenRow>& listenTable()
{
    using R = ListenRow;
    static const TableDef<R> def("Listen", "Id",
                                 {{"Liste", &R::Liste},
                                  {"Name", &R::Name},
                                  {"Strasse", &R::Strasse},
                                  {"Ort", &R::Ort},
                                  {"Forstamt", &R::Forstamt},
                                  {"Revier", &R::Revier},
                                  {"Abteilung", &R::Abteilung},
                                  {"UAbt", &R::UAbt},
                                  {"Bestand", &R::Bestand},
                                  {"Lagerplatz", &R::Lagerplatz},
                                  {"Datum", &R::Datum},
                                  {"Zusatztext", &R::Zusatztext},
                                  {"Kubatur", &R::Kubatur},
                                  {"Stueckzahl", &R::Stueckzahl},
                                  {"NummerHigh", &R::NummerHigh},
                                  {"Los", &R::Los},
                                  {"Konvertiert", &R::Konvertiert},
                                  {"Bearbeitet", &R::Bearbeitet}});
    return def;
}

const TableDef<MantelRow>& mantelTable()
{
    using R = MantelRow;
    static const TableDef<R> def("Mantel", "Id",
                                 {{"Liste", &R::Liste},
                                  {"StapelNr", &R::StapelNr},
                                  {"Durchm", &R::Durchm},
                                  {"Kubatur", &R::Kubatur},
                                  {"Indx", &R::Indx},
                                  {"HolzId", &R::HolzId}});
    return def;
}

const TableDef<LagerRow>& lagerTable()
{
    using R = LagerRow;
    static const TableDef<R> def("Lager", "Id",
                                 {{"Liste", &R::Liste},
                                  {"Los", &R::Los},
                                  {"LL", &R::LL},
                                  {"GPS", &R::GPS},
                                  {"Lagerort", &R::Lagerort},
                                  {"Zusatz1", &R::Zusatz1}});
    return def;
}

const TableDef<LotPhotoRow>& lotPhotoTable()
{
    using R = LotPhotoRow;
    static const TableDef<R> def(
        "LagerFoto", "Id",
        {{"LagerId", &R::LagerId}, {"Datei", &R::Datei}, {"Aufnahme", &R::Aufnahme}, {"GPS", &R::GPS}});
    return def;
}

const TableDef<LaenderRow>& laenderTable()
{
    using R = LaenderRow;
    static const TableDef<R> def("Laender", "rowid", {{"Landindex", &R::Landindex}, {"Land", &R::Land}});
    return def;
}

const TableDef<HolzartRow>& holzartTable()
{
    using R = HolzartRow;
    static const TableDef<R> def("Holzart", "rowid",
                                 {{"Holzart", &R::Holzart},
                                  {"Kuerzel1", &R::Kuerzel1},
                                  {"Kuerzel2", &R::Kuerzel2},
                                  {"Kuerzel3", &R::Kuerzel3},
                                  {"IndexRinde", &R::IndexRinde},
                                  {"Reserve", &R::Reserve},
                                  {"IndexLand", &R::IndexLand},
                                  {"IndexHolzart", &R::IndexHolzart},
                                  {"NL", &R::NL}});
    return def;
}

} // namespace store
