// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"
#include "rules/RecordFields.h"

#include <QString>
#include <optional>

// Quick entry: length and diameter typed as one number into the input buffer
// (txtEingabe), e.g. "425" for 4 m and 25 cm, "4,525" for 4.5 m and 25 cm.
namespace rules {

struct QuickEntryResult {
    enum class Outcome {
        Nothing,              // wait for more characters
        ClearBuffer,          // not a number: the buffer is emptied
        RefuseStackedWood,    // show message, empty the buffer and give it the focus
        NewRecord,            // the first key after a save: Neuer_Datensatz
        SetDiameter,          // Durchmesser = durchmesser, saved flag false, Datensatz_Berechnen
        SetLengthAndDiameter, // Laenge and Durchmesser set, Datensatz_Berechnen
        // Show message (OK/Cancel); then remove the buffer's last character as
        // the back key does and, on OK, open help at helpAnchor.
        Error,
    };
    Outcome outcome = Outcome::Nothing;
    float laenge = 0;      // m
    float durchmesser = 0; // cm
    std::optional<platform::Message> message;
    QString helpAnchor;
};

// Reads the whole buffer. `saved` is the screen's saved flag (the record shown
// is stored and unchanged). The separator is read as the decimal separator
// whatever the system's number format.
QuickEntryResult Schnelleingabe(const QString& buffer, const RecordFields& record, bool saved);

} // namespace rules
