// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlId.h"
#include "header/Control.h"

namespace entry {

using header::Control;

// Every control of the entry screen (ControlId.h lists them), named as on
// the screen and starting with its caption. The view copies the ones that
// FrmHolz::changed() names.
//
// The texts of the record's own fields (txtLos, txtHolzart, txtLaenge,
// txtDurchmesser, txtGuete, txtSorte, txtStaerke, txtRinde, txtStueck,
// txtFaktor, txtKubatur) and the captions of cmdAbzRinde and cmdKubatur
// live in FrmHolz::record() where the measurement rules work on them; the
// model mirrors them into these controls before every changed(), so the
// view can read everything here.
struct EntryControls {
    EntryControls();

    QString caption = QStringLiteral("Holz"); // window caption

#define STEMMO_CONTROL_MEMBER(name, caption) Control name;
    STEMMO_ENTRY_CONTROLS(STEMMO_CONTROL_MEMBER)
#undef STEMMO_CONTROL_MEMBER

    Control& operator[](ControlId id);
    const Control& operator[](ControlId id) const;
};

} // namespace entry
