// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryOptions.h"

#include "store/SettingKeys.h"
#include "store/Settings.h"

namespace entry {

EntryOptions EntryOptions::load(const store::Settings& settings)
{
    namespace keys = store::keys;
    EntryOptions options;
    options.chkGuete = settings.isChecked(keys::Guete);
    options.chkSorte = settings.isChecked(keys::Sorte);
    options.chkNutzung = settings.isChecked(keys::Nutzungsart);
    options.chkEinschlagtyp = settings.isChecked(keys::Einschlagtyp);
    options.UebernStaerke = settings.isChecked(keys::UebernStaerke);
    options.Sortimentsliste = settings.isChecked(keys::Sortimentsliste);
    options.AutoLos = settings.get(keys::AutoLos);
    // The region is a byte in the master data.
    const int region = settings.number(keys::RegionIndex, 8);
    options.RegionIndex = region >= 0 && region <= 255 ? region : 8;
    return options;
}

} // namespace entry
