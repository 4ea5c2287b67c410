// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"
#include "rules/BarkTable.h"
#include "rules/RecordFields.h"

#include <QList>

namespace rules {

// Bark deduction: diameters are measured over bark, the volume wants them
// under bark. Messages are appended to `messages` for the caller to show in
// order (their answers change nothing); after any of them the caller returns
// the focus to the input buffer.

// A deduction as the screen, the tables and the files show it: whole
// centimetres without decimals ("2"), others with as many as they need, at
// most two ("0,5", "2,25"); the separator follows `dezimalpunkt`.
QString formatDeduction(double cm, bool dezimalpunkt);

// Diameter under bark for the record on screen, following its bark mode
// (cmdAbzRinde). Writes the deduction applied into txtRinde; a request for the
// automatic deduction on stacked wood is refused and switches the mode to "o".
float Rinde_Abziehen(float durchmesser, const QString& holzart, RecordFields& record,
                     const BarkTable& barkTable, QList<platform::Message>& messages,
                     bool dezimalpunkt = false);

// The same rules without screen fields, for diameters that are not the
// record's own (the sampled diameters of a stack). `abzug` is the typed
// deduction in manual mode and receives the deduction applied.
float Rindenabzug_Berechnen(float durchmesser, const QString& holzart, const QString& modus, double& abzug,
                            const BarkTable& barkTable, QList<platform::Message>& messages);

} // namespace rules
