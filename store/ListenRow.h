// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/TableDef.h"

namespace store {

// The header row of one timber list; Liste is its name and key.
struct ListenRow {
    QString Liste;
    QString Name;
    QString Strasse;
    QString Ort;
    QString Forstamt;
    QString Revier;
    QString Abteilung;
    QString UAbt;
    QString Bestand;
    QString Lagerplatz;
    QDate Datum;
    QString Zusatztext;
    double Kubatur = 0;
    int Stueckzahl = 0;
    int NummerHigh = 0;
    QString Los;
    QDate Konvertiert;
    QDate Bearbeitet;
    qint64 Id = 0;
};

const TableDef<ListenRow>& listenTable();

} // namespace store
