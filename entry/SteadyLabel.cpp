// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteadyLabel.h"

namespace entry {

QSize SteadyLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    m_widestHint = std::max(m_widestHint, hint.width());
    hint.setWidth(m_widestHint);
    return hint;
}

QSize SteadyLabel::minimumSizeHint() const
{
    QSize hint = QLabel::minimumSizeHint();
    m_widestMinimum = std::max(m_widestMinimum, hint.width());
    hint.setWidth(m_widestMinimum);
    return hint;
}

} // namespace entry
