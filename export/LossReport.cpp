#include "LossReport.h"

namespace exporter {

void LossReport::add(const QString& what)
{
    auto it = m_counts.find(what);
    if (it == m_counts.end()) {
        m_counts.insert(what, 1);
        m_order << what;
    } else {
        ++*it;
    }
}

void LossReport::addGeneral(const QString& what)
{
    if (!m_counts.contains(what)) {
        m_counts.insert(what, 0);
        m_order << what;
    }
}

QStringList LossReport::lines() const
{
    QStringList lines;
    for (const QString& what : m_order) {
        const qint64 count = m_counts.value(what);
        if (count == 0)
            lines << what;
        else
            lines << (count == 1 ? what + QStringLiteral(" (1 Datensatz)")
                                 : QStringLiteral("%1 (%2 Datensätze)").arg(what).arg(count));
    }
    return lines;
}

} // namespace exporter
