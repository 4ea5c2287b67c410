// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HolzRow.h"
#include "store/ListenRow.h"

#include <QList>
#include <QString>
#include <variant>

namespace exporter {

// The columns of a list's records in the office formats (CSV, workbook):
// German headers, and each value as a number (with its decimals) or a
// text, so every format writes numbers as numbers.
class RecordColumns {
public:
    struct Number {
        double value = 0;
        int decimals = 0;
    };
    using Value = std::variant<std::monostate, Number, QString>;

    struct Column {
        QString header;
        int decimals; // -1 for a text column
        double width; // in characters, for the workbook
    };

    static const QList<Column>& columns();
    // The values of one record, one per column.
    static QList<Value> values(const store::HolzRow& row);

    // Indexes of the columns that formulas and totals refer to.
    static constexpr int Art = 2;
    static constexpr int Stueck = 12;
    static constexpr int Kubatur = 14;

    // The record's kind in words: Einzelstamm, Klammerstamm, Folgestamm,
    // Sortiment, Schichtholz.
    static QString kind(const store::HolzRow& row);
    // The pieces a record adds to the list's total: none for a follow-on
    // piece of a log, one for a stack.
    static double countedPieces(const store::HolzRow& row);
    // The header data of the list as label and text, the non-empty ones.
    static QList<std::pair<QString, QString>> headerLines(const store::ListenRow& list);
};

} // namespace exporter
