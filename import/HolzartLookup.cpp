// SPDX-License-Identifier: GPL-3.0-or-later
#include "HolzartLookup.h"

namespace importer {
namespace {

QString withoutBlanks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text)
        if (!c.isSpace())
            result += c;
    return result;
}

} // namespace

HolzartLookup::HolzartLookup(const QList<store::HolzartRow>& species) : m_noSpecies(species.isEmpty())
{
    // The rows come in the region's order; the first row of a code wins.
    for (const auto& row : species) {
        const QString codes[3] = {withoutBlanks(row.Kuerzel1), withoutBlanks(row.Kuerzel2),
                                  withoutBlanks(row.Kuerzel3)};
        for (size_t column = 0; column < 3; ++column)
            if (!codes[column].isEmpty() && !m_byColumn[column].contains(codes[column]))
                m_byColumn[column].insert(codes[column], row.Holzart);
    }
}

QString HolzartLookup::Holzart_Suchen(QStringView rawCode, ImportedList& list)
{
    const QString code = withoutBlanks(rawCode);
    if (code.isEmpty())
        return code;
    if (const auto cached = m_cache.constFind(code); cached != m_cache.constEnd())
        return *cached;

    QString species = code;
    if (m_noSpecies) {
        // Said once per code: a file of thousands of records must not
        // become thousands of message boxes.
        list.notices << platform::Message{
            QStringLiteral("Keine Holzart in dieser Region eingetragen, Stamm wird mit dem Kürzel '") + code +
                QStringLiteral("' übernommen"),
            QString(), platform::Buttons::Ok, platform::Icon::Information};
    } else {
        bool found = false;
        for (const auto& column : m_byColumn) {
            if (const auto hit = column.constFind(code); hit != column.constEnd()) {
                species = *hit;
                found = true;
                break;
            }
        }
        if (!found && !m_reported.contains(code)) {
            m_reported.insert(code);
            list.missingSpecies << code;
        }
    }
    m_cache.insert(code, species);
    return species;
}

} // namespace importer
