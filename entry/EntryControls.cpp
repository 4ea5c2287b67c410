// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryControls.h"

#include <iterator>

namespace entry {
namespace {

constexpr Control EntryControls::* members[] = {
#define STEMMO_CONTROL_POINTER(name, caption) &EntryControls::name,
    STEMMO_ENTRY_CONTROLS(STEMMO_CONTROL_POINTER)
#undef STEMMO_CONTROL_POINTER
};
static_assert(std::size(members) == ControlCount);

} // namespace

EntryControls::EntryControls()
{
    for (int i = 0; i < ControlCount; ++i)
        (this->*members[i]).caption = initialCaption(ControlId(i));
}

Control& EntryControls::operator[](ControlId id)
{
    return this->*members[int(id)];
}

const Control& EntryControls::operator[](ControlId id) const
{
    return this->*members[int(id)];
}

} // namespace entry
