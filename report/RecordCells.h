// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/WorkRow.h"

#include <QStringList>

// How a record of the working copy reads in the outputs: the printed
// columns, their titles and their texts.
namespace report::RecordCells {

// "Holzart", "Nummer", "Los", "Stück", "Länge", "Durchm", "Sorte",
// "Stärke", "Güte", "Kubatur", "Rinde".
const QStringList& titles();
// The eleven printed columns are numbers from "Nummer" on, except Sorte,
// Stärke and Güte: these are right-aligned in tables.
bool isNumeric(int column);

// The texts of the eleven columns; the first is `speciesText`. Lengths and
// volumes with two decimals, the rest as short as they read; assortments
// and stacks show their number 0 like any other.
QStringList cells(const store::WorkRow& row, const QString& speciesText, bool dezimalpunkt);

// The record list's thirteen columns: the eleven above with the species
// name, then "Liste" and "Einzelstamm".
const QStringList& listTitles();
QStringList listCells(const store::WorkRow& row, bool dezimalpunkt);
// Column widths of the record list, in twips.
const QList<int>& listWidthsTwips();

} // namespace report::RecordCells
