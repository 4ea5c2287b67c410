// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportLosses.h"

namespace exporter {

void ExportLosses::add(const QString& place, const QString& what)
{
    const QString line = place.isEmpty() ? what : place + QStringLiteral(": ") + what;
    if (m_seen.contains(line))
        return;
    m_seen.insert(line);
    ++m_count;
    if (m_described.size() < Described)
        m_described << line;
}

QString ExportLosses::text() const
{
    QString text = QStringLiteral("- ") + m_described.join(QStringLiteral("\n- "));
    if (m_count > m_described.size())
        text += QStringLiteral("\n… und %1 weitere").arg(m_count - m_described.size());
    return text;
}

} // namespace exporter
