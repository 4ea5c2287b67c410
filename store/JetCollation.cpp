// SPDX-License-Identifier: GPL-3.0-or-later
#include "JetCollation.h"

#include <sqlite3.h>

namespace store::jet {
namespace {

// Decodes one UTF-8 code point; malformed bytes count as themselves so the
// comparison stays total on damaged text.
char32_t next(const unsigned char*& p, const unsigned char* end)
{
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = 0;
    char32_t cp = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return c;
    }
    if (end - p < extra)
        return c;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return c;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

char32_t lower(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

// Base letter of a Latin-1 letter; 0 for ß, which expands to "ss".
char32_t base(char32_t c)
{
    c = lower(c);
    if (c < 0xE0 || c > 0xFF)
        return c;
    static const char32_t table[32] = {
        U'a', U'a', U'a', U'a', U'a', U'a', U'a', U'c', // à..ç
        U'e', U'e', U'e', U'e', U'i', U'i', U'i', U'i', // è..ï
        U'd', U'n', U'o', U'o', U'o', U'o', U'o', 0xF7, // ð..÷
        U'o', U'u', U'u', U'u', U'u', U'y', U'p', U'y', // ø..ÿ
    };
    return table[c - 0xE0];
}

// One level of comparison. primary: base letters; secondary: lower case.
int compareLevel(const unsigned char* a, const unsigned char* ea, const unsigned char* b,
                 const unsigned char* eb, bool primary)
{
    char32_t pendingA = 0, pendingB = 0; // second 's' of an expanded ß
    while (true) {
        char32_t ca, cb;
        if (pendingA) {
            ca = pendingA;
            pendingA = 0;
        } else if (a < ea) {
            ca = next(a, ea);
            if (primary && (ca == 0xDF || ca == 0x1E9E)) {
                ca = U's';
                pendingA = U's';
            } else {
                ca = primary ? base(ca) : lower(ca);
            }
        } else {
            ca = 0;
        }
        if (pendingB) {
            cb = pendingB;
            pendingB = 0;
        } else if (b < eb) {
            cb = next(b, eb);
            if (primary && (cb == 0xDF || cb == 0x1E9E)) {
                cb = U's';
                pendingB = U's';
            } else {
                cb = primary ? base(cb) : lower(cb);
            }
        } else {
            cb = 0;
        }
        const bool endA = ca == 0 && a >= ea && !pendingA;
        const bool endB = cb == 0 && b >= eb && !pendingB;
        if (endA || endB)
            return endA && endB ? 0 : (endA ? -1 : 1);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
}

int collate(void*, int na, const void* a, int nb, const void* b)
{
    return compare(static_cast<const char*>(a), na, static_cast<const char*>(b), nb);
}

} // namespace

int compare(const char* a, int lengthA, const char* b, int lengthB)
{
    const auto* ua = reinterpret_cast<const unsigned char*>(a);
    const auto* ub = reinterpret_cast<const unsigned char*>(b);
    const int first = compareLevel(ua, ua + lengthA, ub, ub + lengthB, true);
    if (first != 0)
        return first;
    return compareLevel(ua, ua + lengthA, ub, ub + lengthB, false);
}

int compare(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return compare(ua.constData(), int(ua.size()), ub.constData(), int(ub.size()));
}

char32_t lowerLetter(char32_t c)
{
    return lower(c);
}

char32_t baseLetter(char32_t c)
{
    if (c == 0xDF || c == 0x1E9E)
        return 0;
    return base(c);
}

void registerCollation(sqlite3* db)
{
    sqlite3_create_collation_v2(db, "JET", SQLITE_UTF8, nullptr, &collate, nullptr);
}

} // namespace store::jet
