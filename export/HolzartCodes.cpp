// SPDX-License-Identifier: GPL-3.0-or-later
#include "HolzartCodes.h"

#include "Fields.h"

namespace exporter {

HolzartCodes::HolzartCodes(QList<store::HolzartRow> region, int format, bool withNL, Notify notify)
    : m_region(std::move(region)), m_column(codeColumn(format)), m_withNL(withNL), m_notify(std::move(notify))
{
}

int HolzartCodes::codeColumn(int format)
{
    switch (format) {
    case 4:
        return 3;
    case 5:
    case 6:
    case 7:
        return 2;
    default:
        return format;
    }
}

QString HolzartCodes::Holzartcode(const QString& holzart)
{
    if (m_cached && holzart == m_cachedName)
        return m_cachedCode;
    auto known = m_known.constFind(holzart);
    if (known == m_known.constEnd())
        known = m_known.insert(holzart, lookup(holzart));
    // A species the region lacks is reported at the start of each run of
    // its records. An empty region is reported the same way: a message box
    // per record would make a long list impossible to export.
    if (m_notify && known->missing == Missing::FromRegion)
        m_notify(QStringLiteral(
                     "Holzart '%1' in dieser Region nicht eingetragen, wird mit dem Kürzel '%2' übernommen")
                     .arg(holzart, known->code));
    if (m_notify && known->missing == Missing::RegionEmpty)
        m_notify(QStringLiteral(
                     "Keine Holzart in dieser Region eingetragen, Stamm wird mit dem Kürzel '%1' übernommen")
                     .arg(known->code));
    m_cached = true;
    m_cachedName = holzart;
    m_cachedCode = known->code;
    return m_cachedCode;
}

HolzartCodes::Entry HolzartCodes::lookup(const QString& holzart) const
{
    if (m_region.isEmpty())
        return {holzart.left(2), Missing::RegionEmpty};
    for (const store::HolzartRow& row : m_region) {
        if (row.Holzart != holzart)
            continue;
        QString code = m_column == 3 ? row.Kuerzel3 : m_column == 2 ? row.Kuerzel2 : row.Kuerzel1;
        if (code.isEmpty())
            code = row.Kuerzel1;
        if (m_withNL)
            code = fields::Links_Buendig(3, code) + row.NL;
        return {code, Missing::No};
    }
    return {holzart.left(2), Missing::FromRegion};
}

} // namespace exporter
