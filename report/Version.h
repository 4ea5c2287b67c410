// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace report {

// The report program's version record, set by the build.
inline QString versionText()
{
    return QStringLiteral(STEMPRINT_VERSION);
}
inline QString releaseText()
{
    return QStringLiteral(STEMPRINT_RELEASE);
}

} // namespace report
