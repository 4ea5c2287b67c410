// SPDX-License-Identifier: GPL-3.0-or-later
#include "LotRegister.h"

namespace store::LotRegister {
namespace {

const QString FreeSlot = QStringLiteral("  ,");

QString slotText(int lot)
{
    return QString::number(lot).rightJustified(2, QLatin1Char(' ')) + QLatin1Char(',');
}

} // namespace

QString initial()
{
    QString reg = slotText(1);
    for (int slot = 2; slot <= 84; ++slot)
        reg += FreeSlot;
    return reg;
}

QString entered(const QString& reg, int lot)
{
    if (lot < 1 || lot > MaxLot)
        return reg;
    QString result = reg;
    while (result.size() < 3 * lot)
        result += QLatin1Char(' ');
    // Pad partial slots too, so every slot keeps its three characters.
    const int start = 3 * (lot - 1);
    const QString wanted = slotText(lot);
    if (result.mid(start, 3) == wanted)
        return reg;
    // Fill the gap with free slots rather than loose blanks.
    for (int slot = int(reg.size()) / 3 + 1; slot < lot; ++slot)
        result.replace(3 * (slot - 1), 3, FreeSlot);
    result.replace(start, 3, wanted);
    return result;
}

QStringList lots(const QString& reg)
{
    if (reg.trimmed().isEmpty())
        return {QStringLiteral("1")};
    QStringList result;
    for (int slot = 1; 3 * slot - 1 <= reg.size(); ++slot) {
        const QString digits = reg.mid(3 * (slot - 1), 2);
        if (digits.trimmed().isEmpty())
            continue;
        bool ok = false;
        const int number = digits.trimmed().toInt(&ok);
        if (ok && number == slot)
            result << QString::number(slot);
    }
    return result;
}

} // namespace store::LotRegister
