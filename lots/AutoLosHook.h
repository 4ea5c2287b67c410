// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace entry {
class FrmHolz;
}

namespace lots {

class LotRules;

// Makes automatic lot assignment the first step of every save of the entry
// screen's model, with the AutoLosMax the model holds. The recording
// program and the command line both call it, so a record stored by either
// gets its lot from the same rules in the same way. `rules` must outlive
// the model's saves.
void installAutoLos(entry::FrmHolz& form, const LotRules& rules);

} // namespace lots
