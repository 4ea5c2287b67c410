// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopLinks::openUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace platform
