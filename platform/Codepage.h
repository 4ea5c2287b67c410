// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte code pages of the exchange and master-data files. Own
// tables rather than ICU converters, so the bytes are the same on every
// machine and a character without a byte is noticed, not silently replaced.
namespace platform::codepage {

// Windows-1252 bytes to text; the five undefined bytes map to U+FFFD.
QString fromCp1252(QByteArrayView bytes);
// Text to Windows-1252; characters without a byte become '?' and clear *lossless.
QByteArray toCp1252(QStringView text, bool* lossless = nullptr);
// One character to its Windows-1252 byte; 0 when it has none.
char cp1252Byte(QChar c);

// True when the bytes are well-formed UTF-8 and contain at least one
// multi-byte sequence, i.e. the file was most likely saved as UTF-8 by a
// newer editor rather than as ANSI text.
bool looksLikeUtf8(QByteArrayView bytes);

// Decodes an ANSI text file, accepting UTF-8 (with or without BOM) too.
QString decodeText(QByteArrayView bytes);

} // namespace platform::codepage
