// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LinkOpener.h"

namespace platform {

// Opens addresses through the desktop's registered applications.
class DesktopLinks final : public LinkOpener {
public:
    bool openUrl(const QString& url) override;
};

} // namespace platform
