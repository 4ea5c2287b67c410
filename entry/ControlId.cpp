// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlId.h"

namespace entry {
namespace {

struct Names {
    const char* name;
    const char* caption;
};

constexpr Names names[] = {
#define STEMMO_CONTROL_NAMES(name, caption) {#name, caption},
    STEMMO_ENTRY_CONTROLS(STEMMO_CONTROL_NAMES)
#undef STEMMO_CONTROL_NAMES
};
static_assert(std::size(names) == ControlCount);

} // namespace

QString controlName(ControlId id)
{
    return QLatin1String(names[int(id)].name);
}

QString initialCaption(ControlId id)
{
    return QString::fromUtf8(names[int(id)].caption);
}

} // namespace entry
