// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace report {

// A lot's photo as the printed list and the Word document show it: upright
// as taken (EXIF orientation) and, when larger than `bound`, decoded right at
// the size that fits it, so a camera's photo is never held whole in memory.
// Null when the file is missing or unreadable.
QImage readPhoto(const QString& file, const QSize& bound);

} // namespace report
