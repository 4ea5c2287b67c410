// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ListName.h"

#include <QList>

namespace rules {

namespace {

bool breaksLine(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == 0x0B || c == 0x0C || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Marks, embeddings, overrides and isolates of the bidirectional algorithm.
bool changesDirection(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString ListName::cleaned(const QString& typed)
{
    QString name = typed;
    name.remove(QLatin1Char(' ')).remove(QLatin1Char('.')).remove(QLatin1Char(','));
    return name;
}

int ListName::length(const QString& name)
{
    return int(name.toUcs4().size());
}

QString ListName::problem(const QString& name)
{
    bool lineBreak = false;
    bool control = false;
    bool direction = false;
    bool broken = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar unit = name.at(i);
        char32_t c = unit.unicode();
        if (unit.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, name.at(i + 1));
            ++i;
        } else if (unit.isSurrogate()) {
            broken = true;
            continue;
        }
        if (breaksLine(c))
            lineBreak = true;
        else if (isControl(c))
            control = true;
        else if (changesDirection(c))
            direction = true;
    }
    if (lineBreak)
        return QStringLiteral("Die Bezeichnung der Liste darf keinen Zeilenumbruch enthalten.");
    if (control || broken)
        return QStringLiteral("Die Bezeichnung der Liste darf keine Steuerzeichen enthalten.");
    if (direction)
        return QStringLiteral(
            "Die Bezeichnung der Liste darf keine Zeichen enthalten, die die Schreibrichtung "
            "umkehren.");
    if (length(name) > MaxLength)
        return QStringLiteral("Die Bezeichnung der Liste ist %1 Zeichen lang, erlaubt sind höchstens %2.")
            .arg(length(name))
            .arg(MaxLength);
    return QString();
}

platform::Message ListName::existsMessage(const QString& name)
{
    // The title alone may be cut by the window manager: the text says it too.
    return {QStringLiteral("Liste schon vorhanden: '") + name + QLatin1Char('\''),
            QStringLiteral("Liste schon vorhanden"), platform::Buttons::OkCancel};
}

platform::Message ListName::missingMessage()
{
    return {QStringLiteral("Kein Listenname angegeben"), QString(), platform::Buttons::Ok};
}

} // namespace rules
