// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rules {

// The fields of a record that take a number.
enum class ValueField {
    Laenge,      // m
    Durchmesser, // cm, logs and assortments
    Breite,      // m, the width of stacked wood (typed into the diameter field)
    Hoehe,       // m, the height of stacked wood (typed into the pieces field)
    Stueck,      // pieces of an assortment
    Faktor,      // conversion factor of stacked wood
    Rinde,       // bark deduction in cm
    Los,         // lot
    Nummer,      // log number
};

// A value given whole — on the command line, by a script — rather than key
// by key on the keypad. The keypad refuses a key that would leave a field out
// of range and keeps what was typed before it, which a user sees and a
// script does not: "256" would become 25. A whole value is taken as it
// stands or refused as a whole.
//
// The text holds digits and at most one decimal separator ("," or "."),
// blanks around it; no sign, no exponent, no thousands. A value the field
// holds as it stands is left to the record check, which names it together
// with every other finding (a length of 40 m, a diameter of 210 cm). A value
// the field cannot hold is refused here, with the record check's line where
// the value also breaks one of its limits: a diameter of 256 cm or more, or
// with decimals; a length of more than five characters or two decimals;
// pieces outside 1 to 10 000; a lot outside 0 to 85; a bark deduction
// beyond 9.99 cm; a stack width or height of 100 m and more or with more
// than two decimals; a factor of more than five characters.
// `sortCode` is the record's assortment ("P " and "LF" have wider limits).
// Returns the German message; empty when the value is taken.
QString fieldValueProblem(ValueField field, const QString& text, const QString& sortCode);

} // namespace rules
