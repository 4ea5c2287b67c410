// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionKeyPresets.h"

#include "entry/EntryLists.h"
#include "entry/EntryScreen.h"
#include "entry/KeyCodes.h"
#include "entry/RecordEntry.h"
#include "platform/UserInterface.h"
#include "rules/Codes.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

QString settingName(int keyCode)
{
    return store::keys::functionKeyName(keyCode);
}

// "F3" for key code 114.
int keyNumber(int keyCode)
{
    return keyCode - keys::F1 + 1;
}

} // namespace

void FunctionKeyPresets::functionKey(int keyCode, Qt::KeyboardModifiers modifiers)
{
    if (keyCode < keys::F1 || keyCode > keys::F13)
        return;
    if (modifiers.testFlag(Qt::AltModifier))
        Vorgabe_Speichern_SGHL(keyCode);
    else if (modifiers.testFlag(Qt::ControlModifier))
        Vorgabe_Speichern_SGH(keyCode);
    else if (modifiers.testFlag(Qt::ShiftModifier))
        Vorgabe_Speichern_SG(keyCode);
    else
        Vorgabe_Anwenden(keyCode);
}

void FunctionKeyPresets::Vorgabe_Speichern(int keyCode, int parts)
{
    const auto lines = [this, parts] {
        const QString sorte = QStringLiteral("Sorte = ") + s.record().txtSorte;
        const QString guete = QStringLiteral("Güte  = ") + s.record().txtGuete;
        const QString holzart = QStringLiteral("Holzart = ") + s.record().txtHolzart;
        const QString los = QStringLiteral("Los  = ") + s.record().txtLos;
        if (parts == 2)
            return QStringList{sorte, guete};
        if (parts == 3)
            return QStringList{holzart, sorte, guete};
        return QStringList{los, holzart, sorte, guete};
    }();
    const QString title = QStringLiteral("Einstellung für F%1 speichern ?").arg(keyNumber(keyCode));
    const Answer answer =
        s.ui.message({lines.join(QStringLiteral("\r\n")), title, Buttons::YesNoCancel, Icon::Question});
    if (answer == Answer::Yes) {
        const QStringList values =
            QStringList{s.record().txtSorte, s.record().txtGuete, s.record().txtHolzart, s.record().txtLos}
                .mid(0, parts);
        if (!s.settings.SaveSetting(QLatin1String(store::keys::App), QLatin1String(store::keys::Properties),
                                    settingName(keyCode), values.join(QLatin1Char(';')))) {
            s.ui.message({QStringLiteral("Die Einstellung für F%1 konnte nicht gespeichert werden.\n%2")
                              .arg(keyNumber(keyCode))
                              .arg(s.settings.lastError()),
                          QStringLiteral("Fehler"), Buttons::Ok, Icon::Warning});
        }
    }
    s.Eingabe_Daten();
}

QStringList FunctionKeyPresets::preset(int keyCode) const
{
    return s.settings
        .GetSetting(QLatin1String(store::keys::App), QLatin1String(store::keys::Properties),
                    settingName(keyCode), QString::fromUtf8(store::keys::FunctionKeyDefault))
        .split(QLatin1Char(';'));
}

void FunctionKeyPresets::Vorgabe_Anwenden(int keyCode)
{
    const QStringList values = preset(keyCode);
    if (values.size() < 2 || values.size() > 4)
        return;
    entry.newRecordIfSaved();
    if (values.size() >= 3) {
        s.chooseCode(EntryScreen::Code::Holzart, values.at(2));
        s.forgetShownMessages();
    }
    if (values.size() == 4) {
        bool ok = false;
        const int lot = values.at(3).trimmed().toInt(&ok);
        if (ok && lot >= 0)
            lists.Los_Pruefen(lot);
    }
    // The assortment goes through the same rules as a quick button, so a
    // preset of stacked wood also shows width, height and factor; the
    // preset's grade comes afterwards and is not replaced by their "-".
    if (!rules::sameCode(values.at(0), s.record().txtSorte)) {
        s.chooseCode(EntryScreen::Code::Sorte, values.at(0));
        entry.Sorte();
    }
    s.chooseCode(EntryScreen::Code::Guete, values.at(1));
    if (!s.calc().Feldmodus)
        s.Eingabe_Daten();
}

} // namespace entry
