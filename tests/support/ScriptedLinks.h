// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LinkOpener.h"

#include <QStringList>

namespace testing {

// Records the addresses handed to the desktop; those of a refused scheme
// find no application.
class ScriptedLinks final : public platform::LinkOpener {
public:
    bool openUrl(const QString& url) override
    {
        m_opened << url;
        return !m_refused.contains(url.section(QLatin1Char(':'), 0, 0));
    }
    void refuseScheme(const QString& scheme) { m_refused << scheme; }
    const QStringList& opened() const { return m_opened; }

private:
    QStringList m_opened;
    QStringList m_refused;
};

} // namespace testing
