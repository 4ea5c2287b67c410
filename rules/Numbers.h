// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Numbers as the entry screen holds them: text in fields, single precision in
// the computations, two decimals on display.
namespace rules {

// Whether the system writes numbers with a decimal point. The screen used to
// find out by reading "23,25": only a locale whose decimal separator is the
// comma reads it as 23.25, every other one as 2325.
bool detectDezimalpunkt(const QLocale& locale);

// The number a field holds, independent of the machine's locale: ',' and '.'
// both serve as the decimal separator, and a separator may open or close the
// number as it does while the user is typing ("0,", ",5"). When both appear,
// the last one is the decimal separator and the others must group thousands
// ("1.234,56" as shown in txtKubatur). Blanks around the number are allowed.
// Empty text, anything else, or a value beyond single precision: nullopt.
std::optional<float> toSingle(const QString& text);

// Two decimals, halves away from zero, as formatting with "0.00" and reading
// the text back did. The half is decided on the shortest decimal text of the
// float, so 0.285f (stored as 0.28499999…) gives 0.29 as the user expects.
float roundTwo(float value);

// Whole-number conversion of the system: halves go to the even number
// (2.5 → 2, 3.5 → 4). Values outside int are clamped; NaN gives 0.
int roundHalfEven(double value);

// Two decimals with the rounding of roundTwo, a decimal comma unless
// dezimalpunkt is set. A double that is exactly a float is rounded on the
// float's shortest text, so widened single-precision values round alike.
QString formatTwo(double value, bool dezimalpunkt);
// The same with thousands grouped as the system shows totals:
// "1.234,56" with a decimal comma, "1,234.56" with a decimal point.
QString formatTwoGrouped(double value, bool dezimalpunkt);

// The shortest text that reads back as the value ("25", "4,5"), as a number
// converted into a field without a format.
QString formatPlain(float value, bool dezimalpunkt);

} // namespace rules
