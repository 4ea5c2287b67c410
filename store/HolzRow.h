// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/TableDef.h"

namespace store {

// One record of a timber list: a single log, an assortment of several logs
// or a stack of stacked wood (Sorte "S " or "IS").
struct HolzRow {
    int SatzNr = 0;
    QString Liste;
    int Nummer = 0;
    bool Einzelstamm = false;
    int Los = 0;
    QString Holzart;
    QString Guete;
    QString Sorte;
    QString Staerke;
    double Laenge = 0;
    double Durchm = 0;
    double Hoehe = 0;
    double Stueck = 0;
    QString Stamm;
    QString Rinde;
    double RindenAbzug = 0; // cm, decimals as the bark table gives them
    double Kubatur = 0;
    bool Folgestamm = false;
    bool Klammerstamm = false;
    QString Nutzung;
    QString Preisfaktor;
    QString Preisart;
    QString Zusatztext;
    QString Abteilung;
    QString RF;
    std::optional<int> AArt;
    QString Rotte;
    QString AbrNr;
    std::optional<int> EST1;
    std::optional<int> EST2;
    std::optional<int> EST3;
    QString EST4;
    QString EST5;
    QString Polter;
    QString Stapel;
    qint64 Id = 0;

    bool isStackedWood() const { return Sorte == QLatin1String("S ") || Sorte == QLatin1String("IS"); }
    // The mark in Stamm of a stack whose volume comes from its samples.
    static QString sampleMark() { return QStringLiteral("Mantl"); }
    bool isSampleMeasured() const { return Stamm == sampleMark(); }
};

const TableDef<HolzRow>& holzTable();

} // namespace store
