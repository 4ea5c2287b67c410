// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/FieldValue.h"

#include <optional>

namespace rules {

namespace {

struct Parsed {
    double value = 0;
    int decimals = 0;
    int integerDigits = 0; // without leading zeros
};

// Digits with at most one separator: what the keypad can type.
std::optional<Parsed> parse(const QString& raw)
{
    const QString text = raw.trimmed();
    Parsed parsed;
    bool separator = false;
    bool anyDigit = false;
    bool leading = true;
    QString normalised;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            anyDigit = true;
            if (separator) {
                ++parsed.decimals;
            } else if (!(leading && c == QLatin1Char('0'))) {
                leading = false;
                ++parsed.integerDigits;
            }
            normalised += c;
        } else if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && !separator) {
            separator = true;
            normalised += QLatin1Char('.');
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    // Twenty digits of pieces must not come back as a small number or infinity.
    if (parsed.integerDigits > 9) {
        parsed.value = 1e10;
        return parsed;
    }
    bool ok = false;
    parsed.value = normalised.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return parsed;
}

QString range(const char* what, double low, double high)
{
    return QStringLiteral("%1 ausserhalb zulässigen Bereich (%2 bis %3)")
        .arg(QLatin1String(what), QString::number(low), QString::number(high));
}

} // namespace

QString fieldValueProblem(ValueField field, const QString& text, const QString& sortCode)
{
    const std::optional<Parsed> parsed = parse(text);
    if (!parsed)
        return QStringLiteral("„%1“ ist keine Zahl").arg(text);
    const double v = parsed->value;
    const bool wide = sortCode == QLatin1String("P ") || sortCode == QLatin1String("LF");

    switch (field) {
    case ValueField::Laenge:
        // Five characters with two decimals; the rest is the record check's.
        if (parsed->decimals > 2 || text.trimmed().size() > 5)
            return !wide && v > 35 ? QStringLiteral("Länge > 35 m")
                                   : QStringLiteral("Laenge auserhalb zulässigen Bereich");
        return QString();
    case ValueField::Durchmesser:
        // Whole centimetres below 256; from 200 on the record check refuses
        // all but "P " and "LF" with every other finding.
        if (parsed->decimals > 0)
            return QStringLiteral("Durchmesser in ganzen Zentimetern angeben");
        if (v > 255)
            return wide ? QStringLiteral("Durchmesser ausserhalb zulässigen Bereich")
                        : QStringLiteral("Durchmesser > 199 cm");
        return QString();
    case ValueField::Breite:
        if (v <= 0)
            return QStringLiteral("Stapelbreite eingeben");
        if (parsed->decimals > 2 || v >= 100)
            return range("Breite", 0.01, 99.99);
        return QString();
    case ValueField::Hoehe:
        if (v <= 0)
            return QStringLiteral("Stapelhöhe eingeben");
        if (parsed->decimals > 2 || v >= 100)
            return range("Höhe", 0.01, 99.99);
        return QString();
    case ValueField::Faktor:
        // The field holds five characters: "0.625", "12.5".
        if (v <= 0 || text.trimmed().size() > 5)
            return range("Faktor", 0.001, 99.99);
        return QString();
    case ValueField::Stueck:
        if (parsed->decimals > 0 || v < 1 || v > 10000)
            return QStringLiteral("Eingabefehler Stückzahl (1 bis 10000)");
        return QString();
    case ValueField::Rinde:
        // One whole-centimetre digit, up to two decimals.
        if (parsed->decimals > 2 || parsed->integerDigits > 1)
            return range("Rindenabzug", 0, 9.99);
        return QString();
    case ValueField::Los:
        if (parsed->decimals > 0 || v > 85)
            return QStringLiteral("Los unzulässig (0 bis 85)");
        return QString();
    case ValueField::Nummer:
        if (parsed->decimals > 0 || v > 999999)
            return range("Stammnummer", 0, 999999);
        return QString();
    }
    return QString();
}

} // namespace rules
