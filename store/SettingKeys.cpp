// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingKeys.h"

namespace store::keys {

QString lotKey(int ruleSet, int lot)
{
    const QString number = QString::number(lot);
    return QString::number(ruleSet) + (number.size() < 2 ? QStringLiteral("0") + number : number);
}

QString lotApplication(const QString& lotKey)
{
    return QString::fromUtf8(App) + QLatin1Char('\\') + lotKey;
}

QString functionKeyName(int keyCode)
{
    return QString::number(keyCode);
}

} // namespace store::keys
