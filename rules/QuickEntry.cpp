// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/QuickEntry.h"

#include "rules/Numbers.h"

namespace rules {

namespace {

using Outcome = QuickEntryResult::Outcome;

QuickEntryResult outcome(Outcome what)
{
    QuickEntryResult result;
    result.outcome = what;
    return result;
}

QuickEntryResult diameterOnly(const QString& buffer)
{
    const auto diameter = toSingle(buffer);
    if (!diameter)
        return outcome(Outcome::Nothing);
    QuickEntryResult result = outcome(Outcome::SetDiameter);
    result.durchmesser = *diameter;
    return result;
}

// The diameter is always the last two characters; the length is what comes
// before them, up to `lengthCharacters`.
QuickEntryResult lengthAndDiameter(const QString& buffer, qsizetype lengthCharacters)
{
    const auto length = toSingle(buffer.left(lengthCharacters));
    const auto diameter = toSingle(buffer.right(2));
    if (!length || !diameter)
        return outcome(Outcome::Nothing);
    QuickEntryResult result = outcome(Outcome::SetLengthAndDiameter);
    result.laenge = *length;
    result.durchmesser = *diameter;
    return result;
}

QuickEntryResult error()
{
    QuickEntryResult result = outcome(Outcome::Error);
    result.message =
        platform::Message{QStringLiteral("Siehe Hilfe - Schnelleingabe"), QStringLiteral("Eingabefehler"),
                          platform::Buttons::OkCancel, platform::Icon::Warning};
    result.helpAnchor = QStringLiteral("Schnelleingabe");
    return result;
}

} // namespace

QuickEntryResult Schnelleingabe(const QString& buffer, const RecordFields& record, bool saved)
{
    if (!toSingle(buffer))
        return outcome(Outcome::ClearBuffer);
    if (record.isStackedWood()) {
        QuickEntryResult result = outcome(Outcome::RefuseStackedWood);
        result.message = platform::Message{QStringLiteral("Keine Schnelleingabe im Schichtholz"),
                                           QStringLiteral("Information"), platform::Buttons::Ok,
                                           platform::Icon::Information};
        return result;
    }

    const qsizetype comma = buffer.indexOf(QLatin1Char(','));
    const bool hasComma = comma >= 0;
    switch (buffer.size()) {
    case 1:
        return outcome(saved ? Outcome::NewRecord : Outcome::Nothing);
    case 2:
        return hasComma ? outcome(Outcome::Nothing) : diameterOnly(buffer);
    case 3:
        return hasComma ? outcome(Outcome::Nothing) : lengthAndDiameter(buffer, 1);
    case 4:
        return hasComma ? outcome(Outcome::Nothing) : lengthAndDiameter(buffer, 2);
    case 5:
        // "45,2" becomes "45,25" on the way to "45,525": a comma in third
        // place means the length has two whole metres and is not finished.
        if (!hasComma)
            return error();
        return comma == 2 ? outcome(Outcome::Nothing) : lengthAndDiameter(buffer, 3);
    case 6:
        return lengthAndDiameter(buffer, 4);
    case 7:
        return error();
    default:
        return outcome(Outcome::Nothing);
    }
}

} // namespace rules
