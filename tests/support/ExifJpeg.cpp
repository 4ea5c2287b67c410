// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifJpeg.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace testing {

QByteArray ExifJpeg::tiff() const
{
    QByteArray out;
    auto u16 = [&](quint32 v) {
        if (bigEndian)
            out += char(v >> 8 & 0xFF), out += char(v & 0xFF);
        else
            out += char(v & 0xFF), out += char(v >> 8 & 0xFF);
    };
    auto u32 = [&](quint32 v) {
        if (bigEndian)
            u16(v >> 16), u16(v & 0xFFFF);
        else
            u16(v & 0xFFFF), u16(v >> 16);
    };
    auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        u16(tag), u16(type), u32(count), u32(value);
    };
    // Layout: header 8, IFD0 at 8 (2 entries, 30 bytes), Exif IFD at 38
    // (18 bytes), date at 56 (20), GPS IFD at 76 (54), rationals at 130.
    out += bigEndian ? "MM" : "II";
    u16(42), u32(8);
    u16(2);
    entry(0x8769, 4, 1, 38);
    entry(0x8825, 4, 1, position ? 76 : 0);
    u32(0);
    u16(1);
    entry(0x9003, 2, 20, 56);
    u32(0);
    QByteArray date = taken.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toLatin1();
    date.resize(20, '\0');
    out += date;
    if (position) {
        const double lat = position->first;
        const double lon = position->second;
        auto inlineAscii = [&](char c) {
            // Two ASCII bytes fit into the value field, left-justified.
            out += c;
            out += '\0';
            out += '\0';
            out += '\0';
        };
        u16(4);
        u16(1), u16(2), u32(2), inlineAscii(lat < 0 ? 'S' : 'N');
        entry(2, 5, 3, 130);
        u16(3), u16(2), u32(2), inlineAscii(lon < 0 ? 'W' : 'E');
        entry(4, 5, 3, 154);
        u32(0);
        for (const double value : {std::abs(lat), std::abs(lon)}) {
            const double deg = std::floor(value);
            const double min = std::floor((value - deg) * 60);
            const double sec = ((value - deg) * 60 - min) * 60;
            u32(quint32(deg)), u32(1), u32(quint32(min)), u32(1), u32(quint32(std::lround(sec * 1000))), u32(1000);
        }
    }
    return out;
}

QByteArray ExifJpeg::withExif(const QByteArray& tiff, int width, int height, unsigned color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(color));
    {
        // A pile of logs, roughly: end faces as circles.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0xd9b27c));
        const int r = std::max(2, height / 8);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < width / (2 * r) - 1; ++col)
                painter.drawEllipse(QPoint(r + col * 2 * r + (row % 2) * r + r / 2, height - r - row * 2 * r + r / 3), r,
                                    r);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    QByteArray app1("\xFF\xE1", 2);
    const int length = int(tiff.size()) + 8;
    app1 += char(length >> 8 & 0xFF);
    app1 += char(length & 0xFF);
    app1 += QByteArray("Exif\0\0", 6);
    app1 += tiff;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

QByteArray ExifJpeg::bytes(int width, int height, unsigned color) const
{
    return withExif(tiff(), width, height, color);
}

} // namespace testing
