// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rules {

// The current record of the entry screen as the screen holds it: text fields
// and captions, named after their controls. The rules read and write this
// struct; the screen copies it to and from its widgets.
struct RecordFields {
    QString txtHolzart;
    QString txtSorte;       // two-character code compared as it stands: "L ", "S ", "IS", …
    QString txtStueck;      // piece count; the stack height for stacked wood
    QString txtFaktor;      // conversion factor of stacked wood
    QString txtRinde;       // bark deduction in cm
    QString txtDurchmesser; // cm; the stack width in m for stacked wood
    QString txtLaenge;      // m
    QString txtStaerke;     // diameter class, or the length class of "H "
    QString txtKubatur;
    QString txtGuete;
    QString txtLos;
    // Bark mode letter: " " manual, "a" from the bark table, "m", "o", "g", "r"
    // no deduction. Any other caption gives no deduction either.
    QString cmdAbzRinde;
    // "Raumm³" when a stacked-wood volume stays in stacked measure (factor "1"),
    // "Kubatur" otherwise; the price depends on it.
    QString cmdKubatur = QStringLiteral("Kubatur");
    bool optEinzelstamm = true; // false: assortment (optSortiment)

    bool isStackedWood() const { return txtSorte == QLatin1String("S ") || txtSorte == QLatin1String("IS"); }
    // The assortment as the class rules compare it: its first two characters.
    QString sortCode() const { return txtSorte.left(2); }
};

} // namespace rules
