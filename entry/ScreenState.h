// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryField.h"

#include <QSet>
#include <QString>

namespace entry {

// The flags and running values of the entry screen besides its controls.
// (Feldmodus, Durchmesser, Laenge and KubaturWert belong to the measurement
// rules and live in rules::RecordState.)
struct ScreenState {
    EntryField Eingabefeld = EntryField::None; // active field in field entry
    bool aendern = false;        // change mode: the save rewrites the current record
    bool gespeichert = true;     // the record shown is stored and unchanged
    bool sorteGeaendert = false; // a quick button or lstKlasse chose another assortment
    bool naechsteNummer = false; // offer the next log number when a lower one is saved
    bool nummerErhoeht = false;  // the number of the record being prepared was raised
    bool autoFolge = false;      // chkFolge was set because the previous record was bracketed
    // The price of the stored record on screen was changed without change
    // mode; leaving the price fields asks whether to store it.
    bool preisGeaendert = false;
    // The bark mode the user had for logs when stacked wood (always "o")
    // came on screen; it returns with the next log assortment. Empty while
    // the record is no stacked wood.
    QString rindeVorSchichtholz;

    double ListeKubatur = 0; // volume total of the open list (fm)
    qint32 ListeStueck = 0;  // piece count of the open list
    int SatzNr = 0;          // entry number of the list's last record when it was opened

    qint64 openListId = 0; // Listen row of the open list; 0: none open
    QString listName;      // name of the open list

    bool listeDescending = false; // toggle of the "Liste" column header
    bool nameDescending = false;  // toggle of the "Name" column header

    // Messages of the volume computation shown for the record on screen; the
    // same one is not repeated on every key.
    QSet<QString> computeMessagesShown;
};

} // namespace entry
