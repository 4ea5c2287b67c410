// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"
#include "rules/BarkTable.h"
#include "rules/RecordFields.h"

#include <QList>
#include <optional>

// Volume (Kubatur), diameter class (Staerke) and length class of a record.
//
// Inputs are single precision as the fields are read; the formulas multiply in
// double and the volume is taken back to single precision and rounded to two
// decimals (roundTwo), so a volume is what the screen shows.
//
// A bark deduction larger than the diameter cannot be prevented on the
// screen. It yields class "0" and a volume of 0, which the record check
// refuses: the diameter under bark counts as 0, never as a negative number
// whose square would pass for a volume.
namespace rules {

// The entry screen's values that outlive one computation.
struct RecordState {
    bool Feldmodus = false;    // true: values are typed into the fields; false: they come from the buffer
    bool Dezimalpunkt = false; // see detectDezimalpunkt
    float Durchmesser = 0;
    float Laenge = 0;
    float KubaturWert = 0; // the last volume computed
    int StueckWert = 0;    // pieces that entered the last log or assortment volume
};

// Every stored volume was computed with this value; a more precise one would
// change volumes that are already on paper.
inline constexpr double Pi = 3.1415;

// Volume of the record for a diameter (cm; stack width in m) and a length (m),
// after the bark deduction. Fills an empty txtFaktor with "1" and, for an
// assortment, an empty txtStueck with "1"; keeps cmdKubatur in line with the
// factor (kubaturCaption). nullopt when a piece count, height or factor
// cannot be read: the record then has no new volume.
std::optional<float> Kubatur_Berechnen(float durchmesser, float laenge, RecordFields& record,
                                       RecordState& state, const BarkTable& barkTable,
                                       QList<platform::Message>& messages);

// Writes the diameter class into txtStaerke from txtDurchmesser less
// txtRinde (the diameter in whole centimetres, halves to even; the deduction
// with its decimals). Leaves it alone for
// assortments without diameter classes ("H ", "P ", "S ", "SW", "IS"), for
// "LF" with a diameter of exactly "0", and when the diameter cannot be read.
void Staerke_Bestimmen(RecordFields& record);

// Whether the length (m) reaches the minimum of a length class "1" … "6"
// (blanks in the class ignored). Any other class is not permitted.
bool Klasse_Zulaessig(const QString& klasse, float laenge);

// Volume of one sampled log of a stack. `abzug` as for Rindenabzug_Berechnen.
float Kubatur_Mantelstamm(float laenge, float durchmesser, const QString& holzart, const QString& modus,
                          double& abzug, const BarkTable& barkTable, QList<platform::Message>& messages);

// Takes the measured values into state (field entry) or into the fields
// (quick entry), computes the volume when diameter and length are both
// non-zero, and the diameter class. Returns whether a new volume was set;
// otherwise KubaturWert and txtKubatur keep what they had.
// Left to the caller: recomputing the price and hiding lstKlasse.
bool Datensatz_Berechnen(RecordFields& record, RecordState& state, const BarkTable& barkTable,
                         QList<platform::Message>& messages);

// Caption of cmdKubatur for the record's factor: "Raumm³" for stacked wood
// whose factor is "1" (the volume stays in stacked measure), else "Kubatur".
QString kubaturCaption(const RecordFields& record);

} // namespace rules
