// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableChange.h"

namespace entry {

QString tableChangeWord(TableChange change)
{
    switch (change) {
    case TableChange::Guete:
        return QStringLiteral("Guete");
    case TableChange::Los:
        return QStringLiteral("Los");
    case TableChange::Laenge:
        return QStringLiteral("Laenge");
    case TableChange::Durchm:
        return QStringLiteral("Durchm");
    case TableChange::Sorte:
        return QStringLiteral("Sorte");
    case TableChange::Abteilung:
        return QStringLiteral("Abteilung");
    case TableChange::Liste:
        return QStringLiteral("Liste");
    case TableChange::Loeschen:
        return QStringLiteral("Loeschen");
    }
    return QString();
}

} // namespace entry
