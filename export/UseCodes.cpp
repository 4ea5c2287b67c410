// SPDX-License-Identifier: GPL-3.0-or-later
#include "UseCodes.h"

#include "Fields.h"

namespace exporter {

UseCodes::UseCodes() : UseCodes({}, {}) {}

UseCodes::UseCodes(const QList<store::CodeRow>& nutzungsarten, const QList<store::CodeRow>& einschlagtypen)
    : m_nutzungsarten(halves(nutzungsarten)), m_einschlagtypen(halves(einschlagtypen))
{
}

UseCodes::Halves UseCodes::halves(const QList<store::CodeRow>& rows)
{
    Halves result;
    result.fill(QStringLiteral("XX"));
    std::array<bool, 16> seen{};
    // The first row of an index counts, as a query by index gives it.
    for (const store::CodeRow& row : rows) {
        if (row.Indx < 0 || row.Indx > 15 || seen[size_t(row.Indx)])
            continue;
        seen[size_t(row.Indx)] = true;
        result[size_t(row.Indx)] =
            row.Kuerzel.size() <= 2 ? fields::Links_Buendig(2, row.Kuerzel) : row.Kuerzel;
    }
    return result;
}

QString UseCodes::half(const Halves& halves, QChar digit)
{
    const char16_t c = digit.toUpper().unicode();
    const int indx = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
    if (indx < 0)
        return QStringLiteral("XX");
    const QString& text = halves[size_t(indx)];
    if (text.size() > 2) // a Kuerzel the master data should not hold
        throw ExportError::overflow(text, 2);
    return text;
}

QString UseCodes::eg10Code(const QString& nutzung) const
{
    const QString none = QStringLiteral("XXXX");
    if (!fields::hasUseCode(nutzung))
        return none;
    // Each half keeps its two columns even when its Kuerzel is empty (the
    // index-0 rows have none): the reader takes the use type from columns
    // 1-2 and the felling type from 3-4, so "SS" alone would come back as
    // a use type.
    const QString code = half(m_nutzungsarten, nutzung.size() > 1 ? nutzung.at(1) : QChar()) +
                         half(m_einschlagtypen, nutzung.at(0));
    return code == QLatin1String("    ") ? none : code;
}

} // namespace exporter
