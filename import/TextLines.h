// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace importer {

// Splits file text into lines at CR LF, LF and a lone CR alike (files from
// handheld devices and old systems use all three). A final line break does
// not add an empty line.
QStringList splitLines(const QString& text);

} // namespace importer
