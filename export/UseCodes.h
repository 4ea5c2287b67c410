// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MasterRows.h"

#include <QList>
#include <QString>
#include <array>

namespace exporter {

// The use code of the handheld list file, from the master data's use types
// and felling types: Nutzung holds the felling type index and the use type
// index as one hexadecimal digit each.
class UseCodes {
public:
    UseCodes();
    UseCodes(const QList<store::CodeRow>& nutzungsarten, const QList<store::CodeRow>& einschlagtypen);

    // 4 characters: the Kuerzel of the use type, then that of the felling
    // type, 2 characters each ("XX" for an index without a row); "XXXX" when
    // Nutzung is empty, holds a point or gives no code at all.
    QString eg10Code(const QString& nutzung) const;

private:
    using Halves = std::array<QString, 16>;
    static Halves halves(const QList<store::CodeRow>& rows);
    static QString half(const Halves& halves, QChar digit);

    Halves m_nutzungsarten;
    Halves m_einschlagtypen;
};

} // namespace exporter
