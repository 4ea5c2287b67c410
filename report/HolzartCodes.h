// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MasterRows.h"

#include <QHash>
#include <QList>
#include <QString>

namespace report {

// The short codes (Kuerzel1) of the species of one region, found by species
// name without regard to case.
class HolzartCodes {
public:
    HolzartCodes() = default;
    explicit HolzartCodes(const QList<store::HolzartRow>& species);

    // The species' short code; the first three letters of the name when the
    // region has no code for it.
    QString code(const QString& species) const;
    bool has(const QString& species) const;

    // The short code of a record's species with the marks of a follow-on log
    // ("F*") and of a bracketed log ("K*"), in that order of prefixing:
    // "K*F*FI" for a follow-on piece that is also bracketed.
    QString recordCode(const QString& species, bool folgestamm, bool klammerstamm) const;
    // Any text with those marks.
    static QString marked(QString text, bool folgestamm, bool klammerstamm);

private:
    QHash<QString, QString> m_codes; // case-folded name -> code
};

} // namespace report
