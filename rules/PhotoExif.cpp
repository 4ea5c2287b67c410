// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoExif.h"

#include <cmath>

namespace rules {

namespace {

// The TIFF structure inside the APP1 segment; offsets count from its start.
class Tiff {
public:
    explicit Tiff(QByteArray data) : m_data(std::move(data))
    {
        m_valid = m_data.size() >= 8 && (m_data.startsWith("II") || m_data.startsWith("MM"));
        m_little = m_data.startsWith("II");
        m_valid = m_valid && u16(2) == 42;
    }
    bool valid() const { return m_valid; }
    quint32 firstIfd() const { return u32(4); }

    quint16 u16(qint64 at) const
    {
        if (at < 0 || at + 2 > m_data.size())
            return 0;
        const auto* p = reinterpret_cast<const uchar*>(m_data.constData() + at);
        return m_little ? quint16(p[0] | p[1] << 8) : quint16(p[0] << 8 | p[1]);
    }
    quint32 u32(qint64 at) const
    {
        if (at < 0 || at + 4 > m_data.size())
            return 0;
        const quint32 a = u16(at);
        const quint32 b = u16(at + 2);
        return m_little ? (a | b << 16) : (a << 16 | b);
    }

    struct Entry {
        quint16 type = 0;
        quint32 count = 0;
        qint64 valueAt = -1; // where the value lies (in the entry or at its offset)
    };
    // The entry of `tag` in the directory at `ifd`.
    std::optional<Entry> find(quint32 ifd, quint16 tag) const
    {
        const quint16 entries = u16(ifd);
        if (ifd == 0 || qint64(ifd) + 2 + qint64(entries) * 12 > m_data.size())
            return std::nullopt;
        for (quint16 i = 0; i < entries; ++i) {
            const qint64 at = qint64(ifd) + 2 + qint64(i) * 12;
            if (u16(at) != tag)
                continue;
            Entry entry{u16(at + 2), u32(at + 4), at + 8};
            const qint64 unit = entry.type == 5 ? 8 : entry.type == 4 ? 4 : entry.type == 3 ? 2 : 1;
            const qint64 size = unit * qint64(entry.count);
            if (size > 4)
                entry.valueAt = u32(at + 8);
            if (entry.count == 0 || entry.valueAt + size > m_data.size())
                return std::nullopt;
            return entry;
        }
        return std::nullopt;
    }
    QByteArray ascii(quint32 ifd, quint16 tag) const
    {
        const auto entry = find(ifd, tag);
        if (!entry || entry->type != 2)
            return {};
        QByteArray text = m_data.mid(entry->valueAt, entry->count);
        const qsizetype nul = text.indexOf('\0');
        if (nul >= 0)
            text.truncate(nul);
        return text;
    }
    quint32 pointer(quint32 ifd, quint16 tag) const
    {
        const auto entry = find(ifd, tag);
        if (!entry || (entry->type != 4 && entry->type != 13) || entry->count != 1)
            return 0;
        return u32(entry->valueAt);
    }
    // Degrees, minutes and seconds as three rationals.
    std::optional<double> degrees(quint32 ifd, quint16 tag) const
    {
        const auto entry = find(ifd, tag);
        if (!entry || entry->type != 5 || entry->count < 1)
            return std::nullopt;
        double value = 0;
        double scale = 1;
        for (quint32 i = 0; i < std::min<quint32>(entry->count, 3); ++i) {
            const quint32 numerator = u32(entry->valueAt + i * 8);
            const quint32 denominator = u32(entry->valueAt + i * 8 + 4);
            if (denominator == 0)
                return i == 0 ? std::nullopt : std::optional<double>(value);
            value += double(numerator) / double(denominator) / scale;
            scale *= 60;
        }
        return value;
    }

private:
    QByteArray m_data;
    bool m_little = false;
    bool m_valid = false;
};

QByteArray exifBlock(const QByteArray& jpeg)
{
    if (!jpeg.startsWith("\xFF\xD8"))
        return {};
    qint64 at = 2;
    while (at + 4 <= jpeg.size()) {
        if (uchar(jpeg[at]) != 0xFF)
            return {};
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker == 0xDA || marker == 0xD9) // image data: no more metadata
            return {};
        const qint64 length = uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]);
        if (length < 2)
            return {};
        if (marker == 0xE1 && jpeg.mid(at + 4, 6) == QByteArray("Exif\0\0", 6))
            return jpeg.mid(at + 10, length - 8);
        at += 2 + length;
    }
    return {};
}

} // namespace

PhotoExif PhotoExif::read(const QByteArray& head)
{
    PhotoExif exif;
    const Tiff tiff(exifBlock(head));
    if (!tiff.valid())
        return exif;
    const quint32 ifd0 = tiff.firstIfd();
    const quint32 exifIfd = tiff.pointer(ifd0, 0x8769);
    QByteArray taken = exifIfd ? tiff.ascii(exifIfd, 0x9003) : QByteArray();
    if (taken.isEmpty())
        taken = tiff.ascii(ifd0, 0x0132);
    exif.taken = QDateTime::fromString(QString::fromLatin1(taken), QStringLiteral("yyyy:MM:dd HH:mm:ss"));

    if (const quint32 gps = tiff.pointer(ifd0, 0x8825)) {
        const QByteArray latRef = tiff.ascii(gps, 1).toUpper();
        const QByteArray lonRef = tiff.ascii(gps, 3).toUpper();
        const auto lat = tiff.degrees(gps, 2);
        const auto lon = tiff.degrees(gps, 4);
        if (lat && lon && (latRef == "N" || latRef == "S") && (lonRef == "E" || lonRef == "W") && *lat <= 90 &&
            *lon <= 180) {
            const GeoPosition::Parsed parsed = GeoPosition::parse(
                GeoPosition(latRef == "S" ? -*lat : *lat, lonRef == "W" ? -*lon : *lon).text());
            exif.position = parsed.position;
        }
    }
    return exif;
}

} // namespace rules
