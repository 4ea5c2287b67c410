// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryScreen.h"

#include <QString>
#include <functional>
#include <optional>

namespace entry {

// The price of the record on screen: a unit (cmbpreis "€", "€/fm" or
// "€/Rm"), a unit price (txtPreisfaktor) and the record's price (txtPreis),
// which follows the volume for the two per-measure units and is typed as a
// lump sum for "€".
//
// A price changed on a stored record while the user only browses (no
// change mode) is not stored by itself: when price entry ends, the user is
// asked whether to store it ("Daten speichern ?").
//
// The unit box and whether the unit price shows are this part's own
// controls (`c`); the price texts are fields of field entry.
class RecordPrice {
public:
    // `store` saves the record on screen in change mode, `reread` shows the
    // stored record again: the two answers to "Daten speichern ?".
    RecordPrice(EntryScreen& screen, std::function<void()> store, std::function<void()> reread)
        : s(screen), c(screen.priceControls()), m_store(std::move(store)), m_reread(std::move(reread))
    {
    }

    // The price for a volume in its measure; nullopt when there is nothing
    // to compute (no unit price or volume, a lump sum, no usable factor).
    // Single precision throughout, as the stored prices were computed.
    // `kubaturCaption` says whether the volume is already stacked measure
    // ("Raumm³"); `faktor` converts solid into stacked measure.
    static std::optional<float> compute(const QString& unit, const QString& unitPrice, const QString& volume,
                                        const QString& kubaturCaption, const QString& faktor);

    // The units cmbpreis offers.
    void loadUnits();
    // The price of a stored record: its unit and its unit price or lump sum.
    void showStored(const QString& unit, const QString& value);
    // Recomputes txtPreis from the fields.
    void Preis_berrechnen();
    // A typed lump sum ("75" with "€") is written with two decimals ("75,00")
    // once its entry ends: on Enter, on leaving the price fields and on
    // saving. Not while it is typed, where every key recomputes the record.
    void lumpSumEntered();
    // A unit chosen in cmbpreis (-1: none).
    void cmbpreis_Click(int index);
    // The user typed into txtPreisfaktor or txtPreis.
    void unitPriceEdited(const QString& text);
    void priceEdited(const QString& text);
    // A keypad key changed txtPreisfaktor or txtPreis in field entry.
    void priceKeyed(bool unitPrice);

    // Whether a changed price of the stored record waits for the question.
    bool pending() const;
    // Price entry ended: asks "Daten speichern ?" when the stored record's
    // price was changed; Yes stores it in change mode, No shows the record
    // as stored again.
    void Preis_Verlassen();
    // The price on screen is as stored, or belongs to a record not stored
    // yet: no question waits.
    void settle() { m_changed = false; }

private:
    void changed();
    bool browsingStoredRecord() const;
    EntryScreen& s;
    EntryScreen::PriceControls c;
    std::function<void()> m_store;
    std::function<void()> m_reread;
    // The price of the stored record on screen was changed without change
    // mode; leaving the price fields asks whether to store it.
    bool m_changed = false;
};

} // namespace entry
