// SPDX-License-Identifier: GPL-3.0-or-later
#include "UseCodeLookup.h"

namespace importer {
namespace {

QHash<QString, int> byCode(const QList<store::CodeRow>& rows)
{
    // The rows come by Indx; the lowest index of a code wins.
    QHash<QString, int> map;
    for (const auto& row : rows) {
        const QString code = row.Kuerzel.trimmed().toLower();
        if (!code.isEmpty() && !map.contains(code))
            map.insert(code, row.Indx);
    }
    return map;
}

QChar indexDigit(const QHash<QString, int>& map, QStringView half)
{
    const QString code = half.trimmed().toString().toLower();
    if (code.isEmpty())
        return QLatin1Char('0');
    const int index = map.value(code, 0);
    // One character holds the index; the code lists are numbered 1 to 15.
    if (index < 0 || index > 15)
        return QLatin1Char('0');
    return QLatin1Char("0123456789ABCDEF"[index]);
}

} // namespace

UseCodeLookup::UseCodeLookup(const QList<store::CodeRow>& einschlagtypen,
                             const QList<store::CodeRow>& nutzungsarten)
    : m_einschlag(byCode(einschlagtypen)), m_nutzung(byCode(nutzungsarten))
{
}

QString UseCodeLookup::Nutzung_Suchen(QStringView code) const
{
    if (code.size() != 4)
        return QString();
    quint64 key = 0;
    for (QChar c : code)
        key = key << 16 | c.unicode();
    if (const auto known = m_known.constFind(key); known != m_known.constEnd())
        return *known;
    const QString nutzung =
        QString(indexDigit(m_einschlag, code.sliced(2, 2))) + indexDigit(m_nutzung, code.first(2));
    m_known.insert(key, nutzung);
    return nutzung;
}

} // namespace importer
