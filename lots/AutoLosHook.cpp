// SPDX-License-Identifier: GPL-3.0-or-later
#include "lots/AutoLosHook.h"

#include "entry/FrmHolz.h"
#include "lots/AutoLos.h"

namespace lots {

void installAutoLos(entry::FrmHolz& form, const LotRules& rules)
{
    // The model's own copy of AutoLosMax: the options window keeps it
    // current, and the screen may switch it off for a while (changing
    // several records).
    form.hooks().AutoLos_Zuordnen = [&form, &rules] {
        if (const auto lot = AutoLos_Zuordnen(form.record(), form.options().AutoLos, rules))
            form.Los_Pruefen(*lot);
    };
}

} // namespace lots
