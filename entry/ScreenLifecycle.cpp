// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenLifecycle.h"

#include "entry/EntryLists.h"
#include "entry/EntryScreen.h"
#include "entry/ListListenModel.h"
#include "entry/ListsBrowser.h"
#include "entry/RecordStorage.h"
#include "platform/UserInterface.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

} // namespace

void ScreenLifecycle::Form_Load()
{
    namespace keys = store::keys;
    s.setOptions(EntryOptions::load(s.settings));
    s.store.Listen_Oeffnen(store::ListenOrder::ListeDesc);
    browser.Liste_Daten();
    lists.setQuickCaptions(
        {s.settings.get(keys::Guete1), s.settings.get(keys::Guete2), s.settings.get(keys::Guete3)},
        {s.settings.get(keys::Sorte1), s.settings.get(keys::Sorte2), s.settings.get(keys::Sorte3)});
    lists.loadCodeLists();
    lists.loadSpecies();
    s.showUseTypeBoxes(s.options().chkNutzung, s.options().chkEinschlagtyp);
    s.focus(ControlId::cmdNeu);
}

void ScreenLifecycle::Form_Activate()
{
    if (listen.selectedRow() >= 0)
        browser.ListListen_Click(listen.selectedRow());
    s.Eingabe_Daten();
}

void ScreenLifecycle::reloadOptions()
{
    setOptions(EntryOptions::load(s.settings));
}

void ScreenLifecycle::setOptions(const EntryOptions& options)
{
    const int region = s.options().RegionIndex;
    s.setOptions(options);
    s.showUseTypeBoxes(s.options().chkNutzung, s.options().chkEinschlagtyp);
    // The species and their bark tables are read once per region.
    if (s.options().RegionIndex != region)
        lists.loadSpecies();
}

void ScreenLifecycle::reloadMasterData()
{
    lists.loadCodeLists();
    lists.loadSpecies();
}

void ScreenLifecycle::refreshLists()
{
    s.store.Listen_Oeffnen();
    browser.Liste_Daten();
    if (listen.selectedRow() >= 0)
        browser.ListListen_Click(listen.selectedRow());
}

bool ScreenLifecycle::mnuBeenden_Click()
{
    const Answer answer = s.ui.message(
        {QStringLiteral("Programm beenden ?"), QStringLiteral("Stemmo"), Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes) {
        s.Eingabe_Daten();
        return false;
    }
    return Form_Unload();
}

bool ScreenLifecycle::Form_Unload()
{
    if (s.listOpen() && !s.state().gespeichert) {
        const Answer answer = s.ui.message({QStringLiteral("Datensatz nicht gespeichert !\nSpeichern ?"),
                                            QStringLiteral("Abfrage"), Buttons::YesNo, Icon::Question});
        if (answer == Answer::Yes) {
            if (!storage.cmdSpeichern_Click())
                return false;
        } else {
            s.Eingabe_Daten();
        }
    }
    s.store.Holz.close();
    namespace keys = store::keys;
    // One-letter codes are stored without the blank the buttons show. One
    // write for all of them: closing rewrites the settings file once.
    QList<QPair<QString, QString>> values;
    auto add = [&](const store::SettingKey& key, const QString& value) {
        values.append({QLatin1String(key.key), value});
    };
    add(keys::Sorte1, s.controls().cmdSorte1.caption.trimmed());
    add(keys::Sorte2, s.controls().cmdSorte2.caption.trimmed());
    add(keys::Sorte3, s.controls().cmdSorte3.caption.trimmed());
    add(keys::Guete1, s.controls().cmdGuete1.caption.trimmed());
    add(keys::Guete2, s.controls().cmdGuete2.caption.trimmed());
    add(keys::Guete3, s.controls().cmdGuete3.caption.trimmed());
    if (listen.selectedRow() >= 0)
        add(keys::ListenNr, listen.selectedName());
    s.settings.SaveSettings(QLatin1String(keys::App), QLatin1String(keys::Properties), values);
    return true;
}

} // namespace entry
