// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeoPosition.h"

#include <QList>
#include <QRegularExpression>
#include <cmath>

namespace rules {

namespace {

enum class Unit { None, Degrees, Minutes, Seconds };

struct Component {
    double value = 0;
    bool negative = false;
    bool fraction = false; // had decimals
    Unit unit = Unit::None;
};

// One coordinate as typed: up to three numbers and a hemisphere letter.
struct Coordinate {
    QList<Component> parts;
    QChar hemisphere; // N, S, E or W ("O" is read as E); null when none
    bool marked = false; // any °, ' or " in it
};

QString example()
{
    return QStringLiteral("Erwartet wird z. B. „48.12345, 11.56789“ oder „48°07'24.4\"N 11°34'04.4\"E“.");
}

QString garbage(const QString& text)
{
    return QStringLiteral("„%1“ ist keine GPS-Position. ").arg(text.left(60)) + example();
}

Unit unitOf(QChar c)
{
    switch (c.unicode()) {
    case u'°':
    case u'º':
        return Unit::Degrees;
    case u'\'':
    case u'′':
    case u'’':
    case u'´':
    case u'`':
        return Unit::Minutes;
    case u'"':
    case u'″':
    case u'”':
    case u'“':
        return Unit::Seconds;
    default:
        return Unit::None;
    }
}

QChar hemisphereOf(QChar c)
{
    switch (c.toUpper().unicode()) {
    case u'N':
        return QLatin1Char('N');
    case u'S':
        return QLatin1Char('S');
    case u'E':
    case u'O':
        return QLatin1Char('E');
    case u'W':
        return QLatin1Char('W');
    default:
        return QChar();
    }
}

bool isLatitude(QChar hemisphere)
{
    return hemisphere == QLatin1Char('N') || hemisphere == QLatin1Char('S');
}

// Splits the text into its coordinates; an empty list when it holds
// anything else.
QList<Coordinate> scan(const QString& text)
{
    QList<Coordinate> result;
    Coordinate current;
    auto close = [&] {
        if (!current.parts.isEmpty())
            result.append(current);
        else if (!current.hemisphere.isNull())
            return false; // a letter without a number
        current = Coordinate();
        return true;
    };
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('/')) {
            if (!close())
                return {};
            ++i;
        } else if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < text.size() &&
                                   text.at(i + 1).isDigit())) {
            Component part;
            if (!c.isDigit()) {
                part.negative = c == QLatin1Char('-');
                ++i;
            }
            const qsizetype start = i;
            while (i < text.size() && text.at(i).isDigit())
                ++i;
            QString number = text.mid(start, i - start);
            // A decimal comma belongs to the number only when a digit
            // follows it directly ("48,5" — but "48, 11" are two numbers).
            if (i + 1 < text.size() && (text.at(i) == QLatin1Char('.') || text.at(i) == QLatin1Char(',')) &&
                text.at(i + 1).isDigit()) {
                const qsizetype fractionStart = ++i;
                while (i < text.size() && text.at(i).isDigit())
                    ++i;
                number += QLatin1Char('.') + text.mid(fractionStart, i - fractionStart);
                part.fraction = true;
            }
            if (number.size() > 20)
                return {};
            part.value = number.toDouble();
            // A degree mark after the first number of a coordinate starts
            // the next one ("48°07' 11°34'").
            qsizetype j = i;
            while (j < text.size() && text.at(j).isSpace())
                ++j;
            const bool degreeFollows = j < text.size() && unitOf(text.at(j)) == Unit::Degrees;
            if ((degreeFollows && !current.parts.isEmpty()) || current.parts.size() == 3 ||
                (!current.parts.isEmpty() && current.parts.last().unit == Unit::Seconds)) {
                if (!close())
                    return {};
            }
            current.parts.append(part);
        } else if (const Unit unit = unitOf(c); unit != Unit::None) {
            if (current.parts.isEmpty() || current.parts.last().unit != Unit::None)
                return {};
            // Two primes are a seconds mark.
            Unit mark = unit;
            if (unit == Unit::Minutes && i + 1 < text.size() && unitOf(text.at(i + 1)) == Unit::Minutes) {
                mark = Unit::Seconds;
                ++i;
            }
            current.parts.last().unit = mark;
            current.marked = true;
            ++i;
        } else if (const QChar hemisphere = hemisphereOf(c); !hemisphere.isNull()) {
            // A letter standing alone: "N48", "48N", "N 48" — never part of a word.
            if (i + 1 < text.size() && text.at(i + 1).isLetter())
                return {};
            if (current.parts.isEmpty()) {
                if (!current.hemisphere.isNull())
                    return {};
                current.hemisphere = hemisphere; // before its numbers
            } else if (current.hemisphere.isNull()) {
                current.hemisphere = hemisphere; // after its numbers
                close();
            } else {
                close(); // the previous one had its letter before: this one starts the next
                current.hemisphere = hemisphere;
            }
            ++i;
        } else {
            return {};
        }
    }
    if (!close())
        return {};
    // "48.1 11.5": two plain numbers separated by a blank only.
    if (result.size() == 1 && result.first().parts.size() == 2 && !result.first().marked &&
        result.first().hemisphere.isNull()) {
        Coordinate second;
        second.parts.append(result.first().parts.takeLast());
        result.append(second);
    }
    return result;
}

// The coordinate in signed decimal degrees, or the reason it is none.
std::optional<double> degrees(const Coordinate& coordinate, const QString& text, QString* error)
{
    const QList<Component>& parts = coordinate.parts;
    // Marks, when given, must name the places in order: °, then ', then ".
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const Unit expected = k == 0 ? Unit::Degrees : k == 1 ? Unit::Minutes : Unit::Seconds;
        if (parts[k].unit != Unit::None && parts[k].unit != expected) {
            *error = garbage(text);
            return std::nullopt;
        }
        if (k > 0 && parts[k].negative) {
            *error = garbage(text);
            return std::nullopt;
        }
        if (k + 1 < parts.size() && parts[k].fraction) {
            *error = QStringLiteral("„%1“: nur die letzte Zahl einer Koordinate darf Nachkommastellen haben.")
                         .arg(text.left(60));
            return std::nullopt;
        }
        if (k > 0 && parts[k].value >= 60) {
            *error = QStringLiteral("„%1“: Minuten und Sekunden müssen unter 60 liegen.").arg(text.left(60));
            return std::nullopt;
        }
    }
    double value = parts[0].value;
    if (parts.size() > 1)
        value += parts[1].value / 60;
    if (parts.size() > 2)
        value += parts[2].value / 3600;
    const bool southOrWest = coordinate.hemisphere == QLatin1Char('S') || coordinate.hemisphere == QLatin1Char('W');
    if (parts[0].negative && !coordinate.hemisphere.isNull()) {
        *error = QStringLiteral("„%1“: Minuszeichen und Himmelsrichtung zugleich – bitte nur eines angeben.")
                     .arg(text.left(60));
        return std::nullopt;
    }
    return parts[0].negative || southOrWest ? -value : value;
}


QString fixed(double value, int decimals)
{
    // No "-0.000000": a position on the equator reads the same everywhere.
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return QString::number(value, 'f', decimals);
}

QString shortest(double value)
{
    QString text = fixed(value, 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// For messages, German style: "180,5".
QString degreesText(double value)
{
    return shortest(value).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

GeoPosition::Parsed GeoPosition::parse(const QString& input)
{
    QString text = input.trimmed();
    if (text.startsWith(QLatin1String("geo:"), Qt::CaseInsensitive)) {
        text = text.mid(4);
        // geo:lat,lon;u=35 or ?z=17: the parameters do not change the place.
        const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[;?]")));
        if (end >= 0)
            text.truncate(end);
    }
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("Keine GPS-Position angegeben. ") + example()};
    const QList<Coordinate> coordinates = scan(text);
    if (coordinates.size() != 2)
        return {std::nullopt, garbage(input.trimmed())};

    QString error;
    const std::optional<double> first = degrees(coordinates[0], input.trimmed(), &error);
    if (!first)
        return {std::nullopt, error};
    const std::optional<double> second = degrees(coordinates[1], input.trimmed(), &error);
    if (!second)
        return {std::nullopt, error};

    const QChar h1 = coordinates[0].hemisphere;
    const QChar h2 = coordinates[1].hemisphere;
    double latitude = *first;
    double longitude = *second;
    if (!h1.isNull() && !h2.isNull() && isLatitude(h1) == isLatitude(h2))
        return {std::nullopt, isLatitude(h1)
                                  ? QStringLiteral("„%1“ nennt zweimal die Breite (N/S) und keine Länge (E/W).")
                                        .arg(input.trimmed().left(60))
                                  : QStringLiteral("„%1“ nennt zweimal die Länge (E/W) und keine Breite (N/S).")
                                        .arg(input.trimmed().left(60))};
    // With letters either order is clear; the longitude may come first.
    if ((!h1.isNull() && !isLatitude(h1)) || (!h2.isNull() && isLatitude(h2)))
        std::swap(latitude, longitude);

    if (std::abs(latitude) > 90) {
        if (h1.isNull() && h2.isNull() && std::abs(longitude) <= 90)
            return {std::nullopt,
                    QStringLiteral("Breite %1° liegt außerhalb von -90° bis 90° – sind Breite und Länge vertauscht? "
                                   "Die Breite kommt zuerst, oder mit N/S und E/W angeben.")
                        .arg(degreesText(latitude))};
        return {std::nullopt,
                QStringLiteral("Breite %1° liegt außerhalb von -90° bis 90°.").arg(degreesText(latitude))};
    }
    if (std::abs(longitude) > 180)
        return {std::nullopt,
                QStringLiteral("Länge %1° liegt außerhalb von -180° bis 180°.").arg(degreesText(longitude))};
    // What the stored text keeps: six decimals.
    return {GeoPosition(fixed(latitude, 6).toDouble(), fixed(longitude, 6).toDouble()), QString()};
}

QString GeoPosition::text() const
{
    return fixed(m_latitude, 6) + QStringLiteral(", ") + fixed(m_longitude, 6);
}

QString GeoPosition::geoUri() const
{
    return QStringLiteral("geo:") + shortest(m_latitude) + QLatin1Char(',') + shortest(m_longitude);
}

QString GeoPosition::webLink() const
{
    const QString lat = shortest(m_latitude);
    const QString lon = shortest(m_longitude);
    return QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=17/%1/%2").arg(lat, lon);
}

QString GeoPosition::dms() const
{
    auto part = [](double value, QChar positive, QChar negative) {
        const double magnitude = std::abs(value);
        // Rounded to tenths of a second first, so 59.96" never shows as 60.0".
        const qint64 tenths = std::llround(magnitude * 36000);
        const qint64 deg = tenths / 36000;
        const qint64 min = (tenths % 36000) / 600;
        const double sec = double(tenths % 600) / 10;
        return QStringLiteral("%1°%2'%3\"%4")
            .arg(deg)
            .arg(min, 2, 10, QLatin1Char('0'))
            .arg(sec, 4, 'f', 1, QLatin1Char('0'))
            .arg(value < 0 ? negative : positive);
    };
    return part(m_latitude, QLatin1Char('N'), QLatin1Char('S')) + QLatin1Char(' ') +
           part(m_longitude, QLatin1Char('E'), QLatin1Char('W'));
}

} // namespace rules
