// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlSet.h"

#include "entry/EntryControls.h"

namespace entry {
namespace {

bool same(const Control& a, const Control& b)
{
    return a.text == b.text && a.caption == b.caption && a.toolTip == b.toolTip && a.items == b.items &&
           a.selected == b.selected && a.visible == b.visible && a.enabled == b.enabled &&
           a.highlighted == b.highlighted && a.checked == b.checked;
}

} // namespace

ControlSet ControlSet::all()
{
    ControlSet set;
    set.m_bits.set();
    return set;
}

ControlSet ControlSet::differing(const EntryControls& before, const EntryControls& after)
{
    ControlSet set;
    for (int i = 0; i < ControlCount; ++i) {
        if (!same(before[ControlId(i)], after[ControlId(i)]))
            set.set(ControlId(i));
    }
    return set;
}

} // namespace entry
