// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordPrice.h"

#include "entry/EntryScreen.h"
#include "platform/UserInterface.h"
#include "rules/Numbers.h"

namespace entry {
namespace {

const QString Euro = QStringLiteral("€");
const QString PerSolid = QStringLiteral("€/fm");
const QString PerStacked = QStringLiteral("€/Rm");
const QString StackedMeasure = QStringLiteral("Raumm³");

} // namespace

std::optional<float> RecordPrice::compute(const QString& unit, const QString& unitPrice,
                                          const QString& volume, const QString& kubaturCaption,
                                          const QString& faktor)
{
    if (unit != PerSolid && unit != PerStacked)
        return std::nullopt; // a lump sum is typed, not computed
    const std::optional<float> price = rules::toSingle(unitPrice);
    const std::optional<float> measured = rules::toSingle(volume);
    if (!price || !measured)
        return std::nullopt;
    if (unit == PerSolid || kubaturCaption == StackedMeasure)
        return *measured * *price;
    // A solid volume priced per stacked metre: the factor converts it,
    // whichever way round it was given. A factor of 0 converts nothing.
    const std::optional<float> f = rules::toSingle(faktor);
    if (!f || *f <= 0)
        return std::nullopt;
    const float stacked = *f > 1 ? *measured * *f : *measured / *f;
    return stacked * *price;
}

void RecordPrice::loadUnits()
{
    c.cmbpreis.items = {Euro, PerSolid, PerStacked};
}

void RecordPrice::showStored(const QString& unit, const QString& value)
{
    c.cmbpreis.selected = c.cmbpreis.items.indexOf(unit);
    c.cmbpreis.text = c.cmbpreis.selected >= 0 ? c.cmbpreis.items.at(c.cmbpreis.selected) : QString();
    s.enterField(EntryField::Preis, QString());
    s.enterField(EntryField::Preisfaktor, QString());
    if (unit == Euro)
        s.enterField(EntryField::Preis, value);
    else
        s.enterField(EntryField::Preisfaktor, value);
    // A lump sum has no unit price to show.
    c.txtPreisfaktor.visible = unit != Euro;
    settle();
}

void RecordPrice::Preis_berrechnen()
{
    const std::optional<float> price =
        compute(s.controls().cmbpreis.text, s.controls().txtPreisfaktor.text, s.record().txtKubatur,
                s.record().cmdKubatur, s.record().txtFaktor);
    // Only a computed price is rewritten: a lump sum being typed keeps
    // every key the user pressed.
    if (price)
        s.enterField(EntryField::Preis, rules::formatTwo(double(*price), s.calc().Dezimalpunkt));
}

void RecordPrice::lumpSumEntered()
{
    if (s.controls().cmbpreis.text != Euro || s.controls().txtPreis.text.trimmed().isEmpty())
        return;
    if (const std::optional<float> typed = rules::toSingle(s.controls().txtPreis.text))
        s.enterField(EntryField::Preis, rules::formatTwo(double(*typed), s.calc().Dezimalpunkt));
}

void RecordPrice::cmbpreis_Click(int index)
{
    Control& unit = c.cmbpreis;
    if (index < -1 || index >= unit.items.size())
        return;
    unit.selected = index;
    unit.text = index >= 0 ? unit.items.at(index) : QString();
    for (EntryField field : {EntryField::Zusatz, EntryField::Preis, EntryField::Preisfaktor})
        s.highlightField(field, false);
    if (unit.text == Euro) {
        s.enterField(EntryField::Preis, QString());
        c.txtPreisfaktor.visible = false;
    } else if (unit.text == PerSolid || unit.text == PerStacked) {
        c.txtPreisfaktor.visible = true;
    }
    Preis_berrechnen();
    changed();
}

void RecordPrice::unitPriceEdited(const QString& text)
{
    if (s.controls().txtPreisfaktor.text == text)
        return;
    s.enterField(EntryField::Preisfaktor, text);
    Preis_berrechnen();
    changed();
}

void RecordPrice::priceEdited(const QString& text)
{
    if (s.controls().txtPreis.text == text)
        return;
    s.enterField(EntryField::Preis, text);
    changed();
}

void RecordPrice::priceKeyed(bool unitPrice)
{
    if (unitPrice)
        Preis_berrechnen();
    changed();
}

bool RecordPrice::browsingStoredRecord() const
{
    return s.state().gespeichert && !s.state().aendern && s.listOpen() && s.store.Holz.hasCurrent();
}

void RecordPrice::changed()
{
    if (browsingStoredRecord())
        m_changed = true;
}

bool RecordPrice::pending() const
{
    return m_changed && browsingStoredRecord();
}

void RecordPrice::Preis_Verlassen()
{
    lumpSumEntered();
    if (!pending()) {
        m_changed = false;
        return;
    }
    m_changed = false;
    if (s.controls().txtPreis.text.trimmed().isEmpty()) {
        c.cmbpreis.selected = -1;
        c.cmbpreis.text.clear();
    }
    const platform::Answer answer =
        s.ui.message({QStringLiteral("Daten speichern ?"), QStringLiteral("Abfrage"),
                      platform::Buttons::YesNo, platform::Icon::Question});
    if (answer == platform::Answer::Yes) {
        s.showStoredMark(false);
        s.startChange();
        m_store();
    } else {
        // The screen shows what is stored, not a price nobody will store.
        m_reread();
    }
}

} // namespace entry
