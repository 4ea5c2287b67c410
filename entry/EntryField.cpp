// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryField.h"

#include <iterator>

namespace entry {
namespace {

struct FieldInfo {
    const char* key;
    ControlId control;
    bool decimals;
};

constexpr FieldInfo fields[] = {
    {"", ControlId::txtEingabe, false}, // None
#define STEMMO_FIELD_INFO(name, control, decimals) {#name, ControlId::control, decimals},
    STEMMO_ENTRY_FIELDS(STEMMO_FIELD_INFO)
#undef STEMMO_FIELD_INFO
};

} // namespace

QString fieldKey(EntryField field)
{
    return QLatin1String(fields[int(field)].key);
}

ControlId fieldControl(EntryField field)
{
    return fields[int(field)].control;
}

bool fieldTakesDecimals(EntryField field)
{
    return fields[int(field)].decimals;
}

} // namespace entry
