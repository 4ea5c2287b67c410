// SPDX-License-Identifier: GPL-3.0-or-later
#include "Codepage.h"

namespace platform::codepage {
namespace {

// 0x80..0x9F of Windows-1252; 0xFFFD where the code page leaves a gap.
constexpr char16_t High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

} // namespace

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(High[b - 0x80]) : QChar(char16_t(b));
    }
    return text;
}

char cp1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (High[i] == u && u != 0xFFFD)
            return char(0x80 + i);
    return 0;
}

QByteArray toCp1252(QStringView text, bool* lossless)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool allMapped = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char b = cp1252Byte(c);
        if (b == 0 && c.unicode() != 0) {
            b = '?';
            allMapped = false;
        }
        bytes[i] = b;
    }
    if (lossless)
        *lossless = allMapped;
    return bytes;
}

bool looksLikeUtf8(QByteArrayView bytes)
{
    bool multiByte = false;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int extra;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
        } else {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        multiByte = true;
        i += extra + 1;
    }
    return multiByte;
}

QString decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (looksLikeUtf8(bytes))
        return QString::fromUtf8(bytes);
    return fromCp1252(bytes);
}

} // namespace platform::codepage
