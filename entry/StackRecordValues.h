// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace entry {

// What the stack-sample window needs of the record on the entry screen.
struct StackRecordValues {
    QString liste; // the open list
    QString txtLaenge;
    QString txtRinde;
    QString txtHolzart;
    QString txtNummer;
    QString txtStueck;
    QString cmdAbzRinde;
    QString txtDurchmesser;
    QString txtSorte;
    qint64 holzId = 0; // the stored Holz row shown or being changed; 0 for a new record
};

} // namespace entry
