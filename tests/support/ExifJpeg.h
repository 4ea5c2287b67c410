// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace testing {

// A small JPEG photo as a camera writes it: a picture of `size` pixels in
// `color` with an EXIF block carrying when and where it was taken, in the
// byte order of either kind of camera.
struct ExifJpeg {
    QDateTime taken;
    std::optional<std::pair<double, double>> position; // latitude, longitude
    bool bigEndian = true;
    QByteArray bytes(int width = 64, int height = 48, unsigned color = 0x5a7d3c) const;
    // The EXIF block alone (TIFF layout), for damaging.
    QByteArray tiff() const;
    // `tiff` wrapped into a JPEG's APP1 segment in front of the picture.
    static QByteArray withExif(const QByteArray& tiff, int width, int height, unsigned color);
};

} // namespace testing
