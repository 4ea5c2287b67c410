// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace store {

// The lot register of a list (Listen.Los): three characters per lot slot,
// slot k at characters 3k-2..3k, a used slot holding the lot number right
// aligned in two characters and ",", a free slot "  ,".
namespace LotRegister {

inline constexpr int MaxLot = 85;

// The register of a new list: lot 1 entered, free slots up to slot 84.
QString initial();
// The register with lot n (1..85) entered: only slot n is rewritten, a
// shorter register is first filled with free slots. A lot already entered,
// or a lot outside 1..85, leaves it unchanged.
QString entered(const QString& reg, int lot);
// The lots in slot order: every slot whose number equals its position.
// A list without a register has lot 1.
QStringList lots(const QString& reg);

} // namespace LotRegister
} // namespace store
