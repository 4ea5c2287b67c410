// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldReader.h"

#include "rules/Numbers.h"

#include <charconv>
#include <cmath>

namespace importer {
namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool allDigits(QStringView text)
{
    for (QChar c : text)
        if (!isDigit(c))
            return false;
    return !text.isEmpty();
}

QString quoted(QStringView value)
{
    return QStringLiteral("„") + value.trimmed().toString() + QStringLiteral("“");
}

} // namespace

QStringView FieldReader::mid(int start, int length) const
{
    const qsizetype first = qsizetype(start) - 1;
    if (first < 0 || length <= 0 || first >= m_line.size())
        return {};
    return m_line.sliced(first, qMin<qsizetype>(length, m_line.size() - first));
}

QStringView FieldReader::from(int start) const
{
    const qsizetype first = qsizetype(start) - 1;
    if (first < 0 || first >= m_line.size())
        return {};
    return m_line.sliced(first);
}

QString FieldReader::trimEnd(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.first(end).toString();
}

bool FieldReader::require(int length, const QString& what)
{
    if (m_line.size() >= length)
        return true;
    if (!m_shortReported) {
        m_shortReported = true;
        fail(ValueError::LineTooShort,
             QStringLiteral("Zeile %1 ist unvollständig: %2 hat %3 statt %4 Zeichen.")
                 .arg(m_lineNumber)
                 .arg(what)
                 .arg(m_line.size())
                 .arg(length));
    }
    return false;
}

void FieldReader::fail(int number, const QString& description)
{
    m_errors->add({m_lineNumber, number, description});
}

double FieldReader::decimal(int start, int length, const QString& name, double fallback)
{
    return decimalOf(mid(start, length), name, fallback);
}

int FieldReader::whole(int start, int length, const QString& name, int minimum, int maximum, int fallback)
{
    return wholeOf(mid(start, length), name, minimum, maximum, fallback);
}

std::optional<double> FieldReader::number(QStringView field, const QString& name)
{
    if (field.trimmed().isEmpty())
        return std::nullopt;
    const auto value = parseDecimal(field);
    if (!value)
        fail(ValueError::TypeMismatch, QStringLiteral("Typen unverträglich: Zeile %1, %2 %3 ist keine Zahl.")
                                           .arg(m_lineNumber)
                                           .arg(name, quoted(field)));
    return value;
}

double FieldReader::decimalOf(QStringView field, const QString& name, double fallback)
{
    return number(field, name).value_or(fallback);
}

int FieldReader::wholeOf(QStringView field, const QString& name, int minimum, int maximum, int fallback)
{
    const auto value = number(field, name);
    if (!value)
        return fallback;
    const int rounded = rules::roundHalfEven(*value);
    if (*value < double(minimum) - 0.5 || *value > double(maximum) + 0.5 || rounded < minimum ||
        rounded > maximum) {
        fail(ValueError::Overflow, QStringLiteral("Überlauf: Zeile %1, %2 %3 liegt nicht zwischen %4 und %5.")
                                       .arg(m_lineNumber)
                                       .arg(name, quoted(field))
                                       .arg(minimum)
                                       .arg(maximum));
        return fallback;
    }
    return rounded;
}

std::optional<double> FieldReader::parseDecimal(QStringView text)
{
    text = text.trimmed();
    // Exchange-file fields are at most a few characters wide; a longer
    // "number" is not one, and the bound keeps the buffer below fixed.
    constexpr qsizetype MaxLength = 40;
    if (text.isEmpty() || text.size() > MaxLength)
        return std::nullopt;

    char buffer[MaxLength + 2];
    int n = 0;
    qsizetype i = 0;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        if (text[0] == QLatin1Char('-'))
            buffer[n++] = '-';
        i = 1;
    }
    // The last separator is the decimal one; separators of the other kind
    // before it group thousands ("1.234,5"), each followed by three digits.
    qsizetype decimalAt = -1;
    for (qsizetype j = i; j < text.size(); ++j)
        if (isSeparator(text[j]))
            decimalAt = j;
    int digits = 0;
    int sinceGroup = -1; // digits since the last grouping separator; -1: none seen
    for (qsizetype j = i; j < text.size(); ++j) {
        const QChar c = text[j];
        if (isDigit(c)) {
            buffer[n++] = char(c.unicode());
            ++digits;
            if (sinceGroup >= 0)
                ++sinceGroup;
            continue;
        }
        if (j == decimalAt) {
            if (sinceGroup >= 0 && sinceGroup != 3)
                return std::nullopt;
            sinceGroup = -1;
            buffer[n++] = '.';
            continue;
        }
        if (isSeparator(c) && decimalAt >= 0 && c != text[decimalAt] && j < decimalAt && digits > 0 &&
            (sinceGroup < 0 || sinceGroup == 3)) {
            sinceGroup = 0;
            continue;
        }
        return std::nullopt;
    }
    if (digits == 0 || (sinceGroup >= 0 && sinceGroup != 3))
        return std::nullopt;
    if (buffer[n - 1] == '.')
        buffer[n++] = '0';
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + n, value);
    if (error != std::errc() || end != buffer + n || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QDate> FieldReader::parseDate(QStringView text)
{
    text = text.trimmed();
    if (text.size() >= 10 && text[4] == QLatin1Char('-') && text[7] == QLatin1Char('-')) {
        const QDate iso = QDate::fromString(text.first(10).toString(), Qt::ISODate);
        if (iso.isValid())
            return iso;
        return std::nullopt;
    }
    const auto parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return std::nullopt;
    const QStringView dayText = parts[0].trimmed();
    const QStringView monthText = parts[1].trimmed();
    QStringView yearText = parts[2].trimmed();
    // A time of day after the year ("01.03.2005 00:00:00") is not part of the date.
    if (const qsizetype blank = yearText.indexOf(QLatin1Char(' ')); blank > 0)
        yearText = yearText.first(blank);
    if (!allDigits(dayText) || !allDigits(monthText) || !allDigits(yearText) || dayText.size() > 2 ||
        monthText.size() > 2 || (yearText.size() != 2 && yearText.size() != 4))
        return std::nullopt;
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, monthText.toInt(), dayText.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace importer
