// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/MasterRows.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

namespace exporter {

// The species code of a record for one export (Holzartcode): looked up by
// the species name in the region's species, in the code column of the
// format, with kuerzel1 where that column is empty. A species the region
// does not know is written with the first two letters of its name after a
// message. The last species looked up is remembered, so a run of records of
// one species costs one lookup and gives at most one message.
class HolzartCodes {
public:
    using Notify = std::function<void(const QString& message)>;

    // `region`: the species of the current region; `format`: the export
    // format number 1..7; `withNL`: append the conifer/broadleaf letter to
    // the code padded to 3 (the handheld list file).
    HolzartCodes(QList<store::HolzartRow> region, int format, bool withNL, Notify notify);

    // The code column (1, 2 or 3) the format reads: Habsys the first,
    // ProForst and ABIES the third, all others the second.
    static int codeColumn(int format);

    QString Holzartcode(const QString& holzart);

private:
    enum class Missing { No, FromRegion, RegionEmpty };
    struct Entry {
        QString code;
        Missing missing = Missing::No;
    };
    Entry lookup(const QString& holzart) const;

    QList<store::HolzartRow> m_region;
    QHash<QString, Entry> m_known; // every species met so far
    int m_column;
    bool m_withNL;
    Notify m_notify;
    bool m_cached = false;
    QString m_cachedName;
    QString m_cachedCode;
};

} // namespace exporter
