// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"

#include <QString>
#include <functional>

namespace store {

// What the assortment summary needs of one record, with the columns that
// give the record's place in the report's working copy (single logs first
// by lot and number, then the others by lot, length, assortment, grade and
// diameter, the entry order breaking ties).
struct SummarySourceRow {
    QString Holzart;
    QString Sorte;
    QString Staerke;
    QString Guete;
    double Stueck = 0;
    double Kubatur = 0;
    bool Folgestamm = false;
    bool Einzelstamm = false;
    int Los = 0;
    int Nummer = 0;
    double Laenge = 0;
    double Durchm = 0;
    qint64 Id = 0;
};

// Reads the records of one list for the assortment summary in a single
// pass, in the order the database finds them, one row in memory at a time.
class SummarySource {
public:
    static void scan(Database& holz, const QString& list, const std::function<void(const SummarySourceRow&)>& visit);
};

} // namespace store
