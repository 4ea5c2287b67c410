// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// The entry screen takes its keys as Windows virtual-key codes, the codes
// its key tables are written in: letters are their capitals' codes whatever
// the Shift state, the main digits 48-57, the numeric pad 96-111.
// The view translates Qt's keys with fromQt() and passes the typed text
// alongside.
namespace entry::keys {

inline constexpr int Back = 8;
inline constexpr int Enter = 13;
inline constexpr int Esc = 27;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;
inline constexpr int Digit6 = 54;
inline constexpr int Digit9 = 57;
inline constexpr int NumPad0 = 96;
inline constexpr int NumPad8 = 104;
inline constexpr int NumPad9 = 105;
inline constexpr int Multiply = 106; // numeric pad *
inline constexpr int Add = 107;      // numeric pad +
inline constexpr int Subtract = 109; // numeric pad -
inline constexpr int Decimal = 110;  // numeric pad separator
inline constexpr int Divide = 111;
inline constexpr int F1 = 112;
inline constexpr int F13 = 124;
inline constexpr int OemPlus = 187; // the "+" key of the main keyboard
inline constexpr int OemComma = 188;
inline constexpr int OemMinus = 189;
inline constexpr int OemPeriod = 190;

// The virtual-key code of a Qt key; 0 for keys the screen does not use.
// Qt::KeypadModifier tells the numeric pad's digits and operators apart.
int fromQt(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace entry::keys
