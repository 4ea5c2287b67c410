// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"
#include "rules/RecordFields.h"

#include <QStringList>
#include <optional>

// The check before a record is stored: every missing or out-of-range value
// gives one line, all lines go into one message.
namespace rules {

// The findings in their fixed order, without line ends. `durchmesser` and
// `laenge` are the screen's computed values (RecordState), the rest is read
// from the fields.
//
// Assortments "P " and "LF" may carry a typed volume without length and
// diameter (both "0"); such a record is complete without them.
QStringList recordCheckLines(const RecordFields& record, float durchmesser, float laenge);

// The message of an incomplete record: every line followed by a carriage
// return, title "Datensatz unvollständig", OK only. nullopt when complete.
std::optional<platform::Message> Daten_Kontrolle(const RecordFields& record, float durchmesser, float laenge);

} // namespace rules
