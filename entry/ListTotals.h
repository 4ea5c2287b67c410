// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HolzRow.h"
#include "store/ListenRow.h"

#include <QString>
#include <array>

namespace store {
class Database;
}

namespace entry {

// Volume and piece totals of one list, overall and per lot, as the totals
// message and the stored list row show them.
//
// Pieces: a log or assortment counts its Stueck, a stack of stacked wood
// counts 1, and a follow-on log counts nothing (its stem is already counted).
// The per-lot pieces follow the same rule, so the lots add up to the list.
// Sums are kept in double precision and rounded to two decimals for display.
struct ListTotals {
    static constexpr int MaxLot = 85;
    static constexpr int MaxLotLines = 12;

    double volume = 0;
    qint64 pieces = 0;
    int records = 0;
    std::array<double, MaxLot + 1> lotVolume{};
    std::array<qint64, MaxLot + 1> lotPieces{};

    // Reads the records of `list` once.
    static ListTotals compute(store::Database& db, const QString& list);
    // What one record adds to the piece count.
    static qint64 pieceCount(const store::HolzRow& row);
    static qint64 pieceCount(const QString& sorte, double stueck, bool folgestamm);

    // Two decimals, rounded as the screen rounds, as the double nearest to
    // that decimal: what is stored reads back exactly as it was shown.
    static double twoDecimals(double value);
    // The volume stored in the list row. 0 there marks a list without
    // records (such a list is read unordered), so a list with records whose
    // volume rounds to 0 stores the marker 1.
    static double storedKubatur(double volume, bool hasRecords);

    // Moves the stored totals of a list row by what a saved, changed or
    // deleted record added (negative: took away). The piece count never
    // falls below 0.
    static void moveTotals(store::ListenRow& list, double volume, qint64 pieces, bool hasRecords);

    void add(const QString& sorte, double stueck, bool folgestamm, int los, double kubatur);

    // "\rLosweise Kubatur :\r" and one line per lot with volume, lowest lots
    // first, at most twelve; empty for a list without records.
    QString Losweise_Kubatur(bool dezimalpunkt) const;
    // The text of the totals message.
    QString message(bool dezimalpunkt) const;
};

} // namespace entry
