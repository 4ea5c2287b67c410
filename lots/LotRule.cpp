// SPDX-License-Identifier: GPL-3.0-or-later
#include "LotRule.h"

#include "store/SettingKeys.h"

namespace lots {

QString LotRule::valueName(Field field)
{
    return QString::fromUtf8(store::keys::LotValueNames[field]);
}

LotRule::Field LotRule::fieldOf(const QString& name)
{
    for (int f = 0; f < FieldCount; ++f)
        if (name.compare(valueName(Field(f)), Qt::CaseInsensitive) == 0)
            return Field(f);
    return FieldCount;
}

QString LotRule::caption(Field field)
{
    static const std::array<QString, FieldCount> captions{
        QStringLiteral("Holzarten"),   QStringLiteral("Güten"),       QStringLiteral("Sorten"),
        QStringLiteral("Stärken"),     QStringLiteral("Länge von"),   QStringLiteral("Länge bis"),
        QStringLiteral("Durchm. von"), QStringLiteral("Durchm. bis"), QStringLiteral("Kubatur von"),
        QStringLiteral("Kubatur bis")};
    return captions[field];
}

} // namespace lots
