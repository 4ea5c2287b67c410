// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Numbers.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace rules {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Enough for any double in fixed notation, including the smallest subnormal.
constexpr std::size_t FixedBufferSize = 512;

// Shortest fixed-notation text of the value. A double that is exactly a float
// uses the float's shorter text: the computations run in single precision and
// widen to double only on the way to display.
std::string shortestText(double value)
{
    std::array<char, FixedBufferSize> buffer{};
    const float single = static_cast<float>(value);
    const auto result =
        std::isfinite(single) && static_cast<double>(single) == value
            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), single, std::chars_format::fixed)
            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

// "-123.46": two decimals, halves away from zero, decided on the decimal
// digits rather than on the binary value. Never "-0.00".
std::string twoDecimals(double value)
{
    std::string text = shortestText(value);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.erase(0, 1);
    const auto dot = text.find('.');
    std::string digits = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    const bool roundUp = fraction.size() > 2 && fraction[2] >= '5';
    fraction.resize(2, '0');
    digits += fraction;
    if (roundUp) {
        auto position = digits.size();
        while (position > 0) {
            --position;
            if (digits[position] != '9') {
                ++digits[position];
                break;
            }
            digits[position] = '0';
            if (position == 0)
                digits.insert(digits.begin(), '1');
        }
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string result = negative && !zero ? std::string("-") : std::string();
    result += digits.substr(0, digits.size() - 2);
    result += '.';
    result += digits.substr(digits.size() - 2);
    return result;
}

QString formatTwoText(double value, bool dezimalpunkt, bool grouped)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const std::string text = twoDecimals(value);
    const auto dot = text.find('.');
    const bool negative = text.front() == '-';
    const std::string whole = text.substr(negative ? 1 : 0, dot - (negative ? 1 : 0));
    const QLatin1Char decimalSeparator(dezimalpunkt ? '.' : ',');
    const QLatin1Char groupSeparator(dezimalpunkt ? ',' : '.');

    QString result;
    if (negative)
        result += QLatin1Char('-');
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0)
            result += groupSeparator;
        result += QLatin1Char(whole[i]);
    }
    result += decimalSeparator;
    result += QLatin1String(text.substr(dot + 1).c_str());
    return result;
}

} // namespace

bool detectDezimalpunkt(const QLocale& locale)
{
    return locale.decimalPoint() != QLatin1String(",");
}

std::optional<float> toSingle(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype start = 0;
    if (!trimmed.isEmpty() && (trimmed.front() == QLatin1Char('-') || trimmed.front() == QLatin1Char('+')))
        start = 1;
    const QStringView body = QStringView(trimmed).mid(start);

    qsizetype lastComma = -1;
    qsizetype lastPoint = -1;
    int commas = 0;
    int points = 0;
    bool anyDigit = false;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (isAsciiDigit(c)) {
            anyDigit = true;
        } else if (c == QLatin1Char(',')) {
            ++commas;
            lastComma = i;
        } else if (c == QLatin1Char('.')) {
            ++points;
            lastPoint = i;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;

    QChar decimal;
    QChar group;
    if (commas > 0 && points > 0) {
        decimal = lastComma > lastPoint ? QLatin1Char(',') : QLatin1Char('.');
        group = lastComma > lastPoint ? QLatin1Char('.') : QLatin1Char(',');
        if ((decimal == QLatin1Char(',') ? commas : points) != 1)
            return std::nullopt;
    } else if (commas + points > 1) {
        return std::nullopt;
    } else {
        decimal = commas > 0 ? QLatin1Char(',') : QLatin1Char('.');
    }

    const qsizetype decimalAt = body.lastIndexOf(decimal);
    QStringView wholePart = decimalAt < 0 ? body : body.left(decimalAt);
    const QStringView fractionPart = decimalAt < 0 ? QStringView() : body.mid(decimalAt + 1);
    if (!group.isNull()) {
        // Grouping must be real grouping, so that a stray separator in typed
        // text is refused instead of silently shifting the value.
        const auto groups = wholePart.split(group);
        if (groups.front().isEmpty() || groups.front().size() > 3)
            return std::nullopt;
        for (qsizetype i = 1; i < groups.size(); ++i) {
            if (groups[i].size() != 3)
                return std::nullopt;
        }
    }

    std::string ascii;
    if (start == 1 && trimmed.front() == QLatin1Char('-'))
        ascii += '-';
    for (const QChar c : wholePart) {
        if (isAsciiDigit(c))
            ascii += static_cast<char>(c.unicode());
    }
    if (ascii.empty() || ascii == "-")
        ascii += '0';
    if (!fractionPart.isEmpty()) {
        ascii += '.';
        for (const QChar c : fractionPart)
            ascii += static_cast<char>(c.unicode());
    }

    float value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

float roundTwo(float value)
{
    if (!std::isfinite(value))
        return value;
    const std::string text = twoDecimals(value);
    float result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    if (rounded >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(rounded);
}

QString formatTwo(double value, bool dezimalpunkt)
{
    return formatTwoText(value, dezimalpunkt, false);
}

QString formatTwoGrouped(double value, bool dezimalpunkt)
{
    return formatTwoText(value, dezimalpunkt, true);
}

QString formatPlain(float value, bool dezimalpunkt)
{
    if (!std::isfinite(value))
        return QString::number(value);
    std::array<char, FixedBufferSize> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    if (!dezimalpunkt)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace rules
