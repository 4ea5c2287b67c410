// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkCopy.h"

#include "store/WorkCopyRepository.h"

namespace report {

WorkCopy::WorkCopy(store::Database& work) : m_work(&work)
{
    store::WorkCopyRepository(work).addMissingColumns();
}

int WorkCopy::takeOver(store::Database& holz, const QString& list, std::optional<int> lot)
{
    return store::WorkCopyRepository(*m_work).copyList(holz, list, lot);
}

QList<store::WorkRow> WorkCopy::rows() const
{
    return store::WorkCopyRepository(*m_work).rows();
}

int WorkCopy::count() const
{
    return store::WorkCopyRepository(*m_work).count();
}

QList<int> WorkCopy::lots() const
{
    return store::WorkCopyRepository(*m_work).lots();
}

} // namespace report
