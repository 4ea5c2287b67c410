// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The part of the UI port that hands an address (a geo: link, a web page)
// to the desktop's application for it. Models call it; the program passes
// DesktopLinks, tests a scripted one.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // False when no application took the address.
    virtual bool openUrl(const QString& url) = 0;
};

} // namespace platform
