// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlId.h"

#include <QString>
#include <cstdint>

namespace entry {

// The fields that field entry edits with the keypad, listed once: the field,
// its control, and whether the keypad offers the decimal key for it. The
// field's name is the key the measurement rules know it by.
#define STEMMO_ENTRY_FIELDS(X)                                                                            \
    X(Laenge, txtLaenge, true)                                                                            \
    X(Durchmesser, txtDurchmesser, true)                                                                  \
    X(Nummer, txtNummer, false)                                                                           \
    X(Stueck, txtStueck, true)                                                                            \
    X(Faktor, txtFaktor, true)                                                                            \
    X(Rinde, txtRinde, true)                                                                              \
    X(Staerke, txtStaerke, false)                                                                         \
    X(Kubatur, txtKubatur, true)                                                                          \
    X(Preisfaktor, txtPreisfaktor, true)                                                                  \
    X(Preis, txtPreis, true)                                                                              \
    X(Abteilung, txtAbteilung, false)                                                                     \
    /* free text typed on the keyboard */                                                                 \
    X(Zusatz, txtZusatz, false)

// The active field of field entry; None outside field entry.
enum class EntryField : std::uint8_t {
    None,
#define STEMMO_FIELD_ID(name, control, decimals) name,
    STEMMO_ENTRY_FIELDS(STEMMO_FIELD_ID)
#undef STEMMO_FIELD_ID
};

// The name the measurement rules know the field by ("Laenge"); empty for None.
QString fieldKey(EntryField field);
// The control that shows the field; only for a field other than None.
ControlId fieldControl(EntryField field);
// Whether the keypad's decimal key serves the field.
bool fieldTakesDecimals(EntryField field);

} // namespace entry
