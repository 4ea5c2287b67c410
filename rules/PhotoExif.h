// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/GeoPosition.h"

#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace rules {

// When and where a photo was taken, as the camera wrote it into the JPEG's
// EXIF block (APP1 segment, TIFF layout): DateTimeOriginal (else the
// file's DateTime) and the GPS latitude and longitude with their
// hemisphere. Reads only what it needs, checks every offset, and gives
// nothing for what is missing, damaged or not a JPEG.
struct PhotoExif {
    QDateTime taken; // local camera time, invalid when unknown
    std::optional<GeoPosition> position;

    // `head` is the start of the file; the EXIF block is in the first 64 KiB.
    static PhotoExif read(const QByteArray& head);
};

} // namespace rules
