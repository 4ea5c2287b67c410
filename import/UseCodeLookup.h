// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MasterRows.h"

#include <QHash>
#include <QList>
#include <QString>

namespace importer {

// Nutzung_Suchen: the two-character Nutzung of a record from the four-
// character use code of a list file. The code holds the use type's short
// code (characters 1-2) and the felling type's (characters 3-4); Nutzung is
// the felling type's index followed by the use type's, each as one
// hexadecimal digit, "0" for a half that is blank or not found. Short codes
// are compared without regard to case, as the database compares them.
class UseCodeLookup {
public:
    UseCodeLookup(const QList<store::CodeRow>& einschlagtypen, const QList<store::CodeRow>& nutzungsarten);

    // A null string when the code does not have four characters.
    QString Nutzung_Suchen(QStringView code) const;

private:
    QHash<QString, int> m_einschlag;
    QHash<QString, int> m_nutzung;
    // Files repeat a handful of codes thousands of times.
    mutable QHash<quint64, QString> m_known;
};

} // namespace importer
