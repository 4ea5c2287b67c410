// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"
#include "rules/RecordFields.h"

#include <QString>
#include <optional>

// What one keypad key does to the field being typed into, and which keys the
// quick-entry buffer takes. Key codes: "0" … "9", "," or "." for the decimal
// key, "b" for the back key.
namespace rules {

// The part of the old text that stays: without its last character for the
// back key, which is consumed here (`key` becomes empty).
QString Eingabe_Kuerzen(QString& key, const QString& oldText);
// The characters the key adds: the digit, or the decimal separator with a
// leading "0" when the field is empty. A field holds one separator, so
// `decimalKeyUsed` tells the caller to disable cmdKomma.
QString Eingabe_Zeichen(const QString& key, const QString& oldText, bool* decimalKeyUsed = nullptr);

struct FieldKeyResult {
    QString text; // the active field's new text
    // A value out of range: the field is emptied (text is empty), takes the
    // focus, and the message (title "Fehleingabe") is shown.
    bool refused = false;
    std::optional<platform::Message> message;
    std::optional<bool> decimalKeyEnabled; // new state of cmdKomma; nullopt leaves it
    // A class digit was taken: selection colours reset, Feldmodus false, focus
    // back to the input buffer.
    bool endsFieldEntry = false;
    bool recompute = false; // Datensatz_Berechnen is due
};

// Applies one key to the field named by Eingabefeld ("Laenge", "Durchmesser",
// "Faktor", "Stueck", "Rinde", "Staerke", "Nummer", "Kubatur", "Preisfaktor",
// "Abteilung"). `oldText` is that field's text; `record` tells stacked wood
// apart and whether diameter and length are both present afterwards.
//
// An emptied field accepts a decimal separator again, so both a refusal and a
// back key that removes the separator enable cmdKomma.
FieldKeyResult Feld_Eingabe(const QString& eingabefeld, const QString& key, const QString& oldText,
                            const RecordFields& record);

struct QuickEntryKeyFilter {
    QString buffer; // the buffer as it must read
    // The last character may stay: enable cmdKomma and run Schnelleingabe on
    // the buffer. Otherwise it was removed (cursor to the end) and nothing
    // else happens.
    bool accepted = false;
};

// Filters the last character of the quick-entry buffer after every change:
// only digits and "," are taken.
QuickEntryKeyFilter filterQuickEntryKey(const QString& buffer);

} // namespace rules
