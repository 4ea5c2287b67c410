// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fields.h"

#include "FixedLine.h"

#include "rules/Numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

namespace exporter::fields {
namespace {

QString fieldText(const QString& value)
{
    return value.isNull() ? QStringLiteral(" ") : value;
}

// Fixed-notation text of a number in a stack buffer: lines are assembled
// from hundreds of thousands of these, so no allocation until the result.
class NumberText {
public:
    // Shortest text that reads back as the value. A double that is exactly
    // a float uses the float's text: volumes are computed in single
    // precision and stored widened, and 0.29f must read "0.29", not
    // "0.2899999916553497".
    explicit NumberText(double value)
    {
        if (!std::isfinite(value))
            throw ExportError(ExportError::Overflow, QStringLiteral("Überlauf"),
                              QStringLiteral("keine endliche Zahl"));
        const float single = static_cast<float>(value);
        const auto result = std::isfinite(single) && static_cast<double>(single) == value
                                ? std::to_chars(m_text.data(), m_text.data() + m_text.size(), single,
                                                std::chars_format::fixed)
                                : std::to_chars(m_text.data(), m_text.data() + m_text.size(), value,
                                                std::chars_format::fixed);
        m_size = result.ptr - m_text.data();
    }

    // Rounds to `decimals` places, halves away from zero, on the digits.
    void round(int decimals)
    {
        const char* p = m_text.data();
        const char* end = p + m_size;
        const bool negative = *p == '-';
        if (negative)
            ++p;
        const char* dot = std::find(p, end, '.');
        const char* fraction = dot == end ? end : dot + 1;

        // A spare leading digit takes the carry of 9.96 -> 10.0.
        std::array<char, 600> digits{};
        std::size_t n = 0;
        digits[n++] = '0';
        for (const char* c = p; c < dot; ++c)
            digits[n++] = *c;
        const std::size_t wholeEnd = n;
        for (int i = 0; i < decimals; ++i)
            digits[n++] = fraction + i < end ? fraction[i] : '0';
        if (fraction + decimals < end && fraction[decimals] >= '5') {
            std::size_t i = n - 1;
            while (digits[i] == '9')
                digits[i--] = '0';
            ++digits[i];
        }

        const std::size_t first = digits[0] == '0' ? 1 : 0;
        const bool zero = std::all_of(digits.begin(), digits.begin() + n, [](char c) { return c == '0'; });
        std::size_t size = 0;
        if (negative && !zero) // never "-0.00"
            m_text[size++] = '-';
        for (std::size_t i = first; i < wholeEnd; ++i)
            m_text[size++] = digits[i];
        if (decimals > 0) {
            m_text[size++] = '.';
            for (std::size_t i = wholeEnd; i < n; ++i)
                m_text[size++] = digits[i];
        }
        m_size = std::ptrdiff_t(size);
    }

    QString toString() const { return QString::fromLatin1(m_text.data(), m_size); }
    bool isMinusZero() const { return m_size == 2 && m_text[0] == '-' && m_text[1] == '0'; }
    double toDouble() const
    {
        double result = 0;
        std::from_chars(m_text.data(), m_text.data() + m_size, result);
        return result;
    }

private:
    std::array<char, 512> m_text{};
    std::ptrdiff_t m_size = 0;
};

int asciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1;
}

} // namespace

QString Links_Buendig(int width, const QString& value)
{
    return FixedLine(width).left(width, value).take();
}

QString Rechts_Buendig(int width, const QString& value)
{
    return FixedLine(width).right(width, value).take();
}

void Umlaute_Wandeln(char* cp1252Bytes, qsizetype size)
{
    // Windows-1252 byte -> code page 437 byte: ö ä ü Ö Ü Ä.
    static constexpr std::array<std::pair<unsigned char, char>, 6> Umlauts{{{0xF6, char(0x94)},
                                                                            {0xE4, char(0x84)},
                                                                            {0xFC, char(0x81)},
                                                                            {0xD6, char(0x99)},
                                                                            {0xDC, char(0x9A)},
                                                                            {0xC4, char(0x8E)}}};
    for (char& byte : std::span(cp1252Bytes, size_t(size))) {
        if (static_cast<unsigned char>(byte) < 0xC4)
            continue;
        for (const auto& [from, to] : Umlauts) {
            if (static_cast<unsigned char>(byte) == from)
                byte = to;
        }
    }
}

QString fixed(double value, int decimals)
{
    NumberText text(value);
    text.round(decimals);
    return text.toString();
}

QString fixedGerman(double value, int decimals)
{
    return fixed(value, decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString volume(double value)
{
    return fixed(value, value < 1000 ? 2 : 1);
}

QString plain(double value)
{
    const NumberText text(value);
    return text.isMinusZero() ? QStringLiteral("0") : text.toString();
}

double number(const QString& field, const QString& text)
{
    const auto value = rules::toSingle(text);
    if (!value)
        throw ExportError::notANumber(field, text);
    // Back through the float's shortest text, so "0,7" divides as 0.7 and
    // not as the float nearest to it.
    return NumberText(*value).toDouble();
}

bool isPieceRow(const store::HolzRow& row)
{
    return row.Sorte == QLatin1String("P ");
}

bool isMultiPieceAssortment(const store::HolzRow& row)
{
    return !row.Einzelstamm && !row.isStackedWood() && !isPieceRow(row) && row.Stueck > 1;
}

QString Stammnummer(const store::HolzRow& row)
{
    if (!row.Einzelstamm)
        return Rechts_Buendig(7, QStringLiteral("0"));
    QChar marker = QLatin1Char(' ');
    if (row.Klammerstamm)
        marker = QLatin1Char('L');
    else if (row.Folgestamm)
        marker = QLatin1Char('F');
    return marker + Rechts_Buendig(6, QString::number(row.Nummer));
}

QString Stueckfeld(const store::HolzRow& row)
{
    return row.Einzelstamm ? QStringLiteral("1") : plain(row.Stueck);
}

QString Sortenfeld(const store::HolzRow& row)
{
    return Links_Buendig(3, row.Sorte);
}

QString Staerkefeld(const store::HolzRow& row, bool proForst)
{
    if (proForst && row.isStackedWood())
        return QString();
    QString text = row.Staerke;
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('.'));
    return text;
}

double factor(const store::HolzRow& row)
{
    return number(QStringLiteral("Faktor"), row.Stamm);
}

double volumeBeforeFactor(const store::HolzRow& row)
{
    const double f = factor(row);
    if (f == 1)
        return row.Kubatur;
    if (f == 0)
        throw ExportError::divisionByZero(QStringLiteral("Faktor 0"));
    return row.Kubatur / f;
}

QString volumePerHundredPieces(const store::HolzRow& row)
{
    if (row.Stueck == 0)
        throw ExportError::divisionByZero(QStringLiteral("Stückzahl 0"));
    return fixed(row.Kubatur * 100 / row.Stueck, 1);
}

void barkPart(FixedLine& line, const store::HolzRow& row)
{
    line.optionalLeft("Rinde", 1, [&] { return fieldText(row.Rinde); });
    line.add(QLatin1Char(' '));
    // One column for the whole centimetres, then the two decimals.
    line.optionalRight("Rindenabzug", 4, [&] { return fixed(row.RindenAbzug, 2); });
    line.add(QLatin1Char('c'));
}

QString barkField(const store::HolzRow& row, const QString& decimals)
{
    // Whole centimetres right-justified in two places, then as many decimals
    // as the format's field has room for.
    const int places = std::max(0, int(decimals.size()) - 1);
    const QString value = fixed(row.RindenAbzug, places);
    const qsizetype point = value.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? value : value.left(point);
    const QString fraction = point < 0 ? decimals : value.mid(point);
    return Rechts_Buendig(2, whole) + fraction +
           (row.Rinde == QLatin1String("a") ? QLatin1Char('c') : QLatin1Char(' '));
}

QString listDate(const store::ListenRow& list)
{
    // The date as a German system shows it; the receiving systems were
    // written for German machines.
    return list.Datum.isValid() ? list.Datum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

bool hasUseCode(const QString& nutzung)
{
    return !nutzung.isEmpty() && !nutzung.contains(QLatin1Char('.'));
}

QString transferUseCode(const QString& nutzung)
{
    if (!hasUseCode(nutzung))
        return QString();
    static const char* const useTypes[] = {"**", "So", "JP", "JD", "AD", "UB", "VJ", "PL", "EN", "RH"};
    static const char* const fellingTypes[] = {"**", "Zu", "SS", "St", "SE", "NW", "SI", "RF"};
    QString code;
    if (nutzung.size() > 1) {
        const int use = asciiDigit(nutzung.at(1));
        if (use >= 0 && use <= 9)
            code += QLatin1String(useTypes[use]);
    }
    const int felling = asciiDigit(nutzung.at(0));
    if (felling >= 0 && felling <= 7)
        code += QLatin1String(fellingTypes[felling]);
    return code;
}

QString locationBlock(const store::ListenRow& list, const store::HolzRow& row)
{
    const QString code = transferUseCode(row.Nutzung);
    if (list.Abteilung.isEmpty() && code.isEmpty())
        return QString(16, QLatin1Char(' '));
    return Links_Buendig(4, list.Abteilung.left(4)) + Links_Buendig(4, list.UAbt.left(4)) +
           Links_Buendig(4, list.Bestand.left(4)) + Links_Buendig(4, code);
}

QString starsToBlanks(QString text)
{
    return text.replace(QLatin1Char('*'), QLatin1Char(' '));
}

} // namespace exporter::fields
