// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryKeys.h"

#include "entry/EntryLists.h"
#include "entry/EntryScreen.h"
#include "entry/FunctionKeyPresets.h"
#include "entry/KeyCodes.h"
#include "entry/RecordEntry.h"
#include "entry/RecordNavigation.h"
#include "entry/RecordPrice.h"
#include "entry/RecordStorage.h"

namespace entry {
namespace {

constexpr Qt::KeyboardModifiers Modifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

} // namespace

bool EntryKeys::freeTextField() const
{
    return s.calc().Feldmodus && (s.state().Eingabefeld == EntryField::Zusatz ||
                                s.state().Eingabefeld == EntryField::Abteilung);
}

bool EntryKeys::keyDown(int keyCode, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const Qt::KeyboardModifiers held = modifiers & Modifiers;
    // The numeric pad's 8 stands for the main keyboard's 6 in the letter tables.
    if (keyCode == keys::NumPad8)
        keyCode = keys::Digit6;

    switch (keyCode) {
    case keys::Enter:
        if (lists.chooseOpenList())
            return true;
        if (price.pending()) {
            price.Preis_Verlassen();
            s.Eingabe_Daten();
            return true;
        }
        if (s.calc().Feldmodus) {
            price.lumpSumEntered();
            s.Auswahl_geaendert();
            s.setFieldMode(false);
            s.Eingabe_Daten();
        } else {
            storage.cmdSpeichern_Click();
            s.Eingabe_Daten();
        }
        return true;
    case keys::Esc:
        if (!lists.closeOpenList())
            entry.cmdEscape_Click();
        return true;
    case keys::Left:
    case keys::Right:
        if (s.calc().Feldmodus)
            return false;
        if (keyCode == keys::Left)
            navigation.cmdZurueck_Click();
        else
            navigation.cmdVor_Click();
        return true;
    case keys::Multiply:
    case keys::OemPlus:
        entry.cmdX_Click();
        return true;
    default:
        break;
    }
    if (keyCode >= keys::F1 && keyCode <= keys::F13) {
        presets.functionKey(keyCode, held);
        return true;
    }

    // Letters typed into a remark or a compartment are text, not a grade or
    // an assortment.
    const bool freeText = freeTextField() && !held.testFlag(Qt::ControlModifier);
    if (freeText)
        return false;

    if (held.testFlag(Qt::ShiftModifier)) {
        lists.assortmentByLetter(keyCode);
        return true;
    }
    if (held.testFlag(Qt::ControlModifier)) {
        lists.gradeByLetter(keyCode);
        return true;
    }
    if (held)
        return false;
    if (keyCode < 95 && !lists.letterListOpen()) {
        if (s.controls().txtgespeichert.visible) {
            s.showStoredMark(false);
            s.Eingabe_Daten();
        }
        if (lists.gradeByLetter(keyCode))
            return true;
    }
    return typing(keyCode, text);
}

bool EntryKeys::typing(int keyCode, const QString& text)
{
    if (keyCode == keys::Back) {
        entry.keypad(QStringLiteral("b"));
        return true;
    }
    if (text.size() != 1)
        return false;
    const QChar ch = text.front();
    if (ch.isDigit() && ch.unicode() < 128) {
        entry.keypad(QString(ch));
        return true;
    }
    if (ch == QLatin1Char(',') || ch == QLatin1Char('.')) {
        if (s.calc().Feldmodus && !s.controls().cmdKomma.enabled)
            return true; // one separator per field
        entry.keypad(QString(ch));
        return true;
    }
    return false;
}

void EntryKeys::keyUp(int, Qt::KeyboardModifiers)
{
    // A stored record on screen keeps its stored values: recomputing it with
    // master data changed since would show a volume that is not the one stored.
    if (s.state().gespeichert && !s.state().aendern)
        return;
    if (freeTextField())
        return;
    s.Datensatz_Berechnen();
}

} // namespace entry
