// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace rules {

struct ParsedPosition;

// A position on the earth in decimal degrees (WGS 84), as a lot's storage
// place carries it.
//
// People paste positions in the forms their phones and map pages give
// them, so parse() takes all of them: decimal degrees with a decimal point
// or comma ("48.12345, 11.56789", "48,12345; 11,56789"), degrees with
// minutes and seconds or decimal minutes and a hemisphere letter
// (48°07'24.4"N 11°34'04.4"E, N 48° 7.406' E 11° 34.073', "O" for Ost),
// a "geo:" link, and the text the exchange files carry. With hemisphere
// letters either order is fine. Stored is one form, text(): latitude and
// longitude with six decimals (about 10 cm), the form the exchange files
// write and read unchanged.
class GeoPosition {
public:
    using Parsed = ParsedPosition;

    GeoPosition() = default;
    GeoPosition(double latitude, double longitude) : m_latitude(latitude), m_longitude(longitude) {}

    static Parsed parse(const QString& text);

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    // "48.123450, 11.567890"
    QString text() const;
    // For the desktop's map application: "geo:48.12345,11.56789".
    QString geoUri() const;
    // The same place on the OpenStreetMap web page, where no map application
    // takes geo: links.
    QString webLink() const;
    // As people read it: 48°07'24.4"N 11°34'04.4"E.
    QString dms() const;

private:
    double m_latitude = 0;
    double m_longitude = 0;
};

struct ParsedPosition {
    std::optional<GeoPosition> position;
    QString error; // German, for a message box; empty when parsed
};

} // namespace rules
