#include "ListFile.h"

#include "TextLines.h"

#include "platform/Codepage.h"

#include <QStringDecoder>
#include <array>

namespace importer {
namespace {

ListFile::Decoded refuse(const QString& reason)
{
    return {std::nullopt, reason};
}

enum class Encoding { SingleByte, Utf8, Utf16LE, Utf16BE };

// UTF-16 without a byte-order mark: plain text in it has a NUL in every
// other byte. Judged on the start of the file, so binary data with many
// NULs at random places is not taken for text.
std::optional<Encoding> bomlessUtf16(const QByteArray& bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 1024) & ~qsizetype(1);
    if (n < 4)
        return std::nullopt;
    int zeroEven = 0, zeroOdd = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? zeroOdd : zeroEven);
    const qsizetype pairs = n / 2;
    if (zeroOdd >= pairs * 9 / 10 && zeroEven == 0)
        return Encoding::Utf16LE;
    if (zeroEven >= pairs * 9 / 10 && zeroOdd == 0)
        return Encoding::Utf16BE;
    return std::nullopt;
}

// The line (from 1) a byte or character of the file stands in.
template <class Text> int lineOfOffset(const Text& text, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

// Whether the single-byte file carries code page 437 umlauts: handheld
// files and Latschbacher transfer files do. Decided by the first line that
// starts with "Ty" or "0A", as the kind of the file is.
bool usesCp437Umlauts(const QByteArray& bytes)
{
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArrayView line(bytes.constData() + start, end - start);
        if (line.startsWith("0A"))
            return true;
        if (line.startsWith("Ty")) {
            const auto format = ListFile::transferFormat(QString::fromLatin1(line));
            return format == SourceFormat::Latschbacher;
        }
        start = end + 1;
    }
    return false;
}

// Code page 437 umlauts to their Windows-1252 bytes: ö ä ü Ö Ä Ü.
QByteArray mapCp437Umlauts(QByteArray bytes)
{
    std::array<char, 256> map{};
    for (int i = 0; i < 256; ++i)
        map[size_t(i)] = char(i);
    map[0x94] = char(0xF6);
    map[0x84] = char(0xE4);
    map[0x81] = char(0xFC);
    map[0x99] = char(0xD6);
    map[0x8E] = char(0xC4);
    map[0x9A] = char(0xDC);
    for (char& c : bytes)
        c = map[static_cast<unsigned char>(c)];
    return bytes;
}

bool isControl(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f') || c == 0x7F;
}

} // namespace

std::optional<SourceFormat> ListFile::transferFormat(QStringView typeLine)
{
    qsizetype end = typeLine.size();
    while (end > 0 && typeLine[end - 1].isSpace())
        --end;
    const QStringView last = typeLine.first(end).right(6);
    if (last == QLatin1String("GERMAN"))
        return SourceFormat::Latschbacher;
    if (last == QLatin1String("Habsys") || last == QLatin1String("sys1.1") || last == QLatin1String("sys1.2"))
        return SourceFormat::Habsys;
    if (last == QLatin1String("ata1.2") || last == QLatin1String("ata1.3") || last == QLatin1String("ata1.4"))
        return SourceFormat::DekaData;
    if (last == QLatin1String("net1.0") || last == QLatin1String("net1.1") || last == QLatin1String("net1.2"))
        return SourceFormat::Timbernet;
    return std::nullopt;
}

ListFile::Decoded ListFile::decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return refuse(QStringLiteral("Die Datei ist leer."));
    if (bytes.size() > MaxBytes)
        return refuse(QStringLiteral("Die Datei ist größer als %1 MB.").arg(MaxBytes / (1024 * 1024)));

    Encoding encoding = Encoding::SingleByte;
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = Encoding::Utf8;
        skip = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = Encoding::Utf16LE;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = Encoding::Utf16BE;
        skip = 2;
    } else if (const auto utf16 = bomlessUtf16(bytes)) {
        encoding = *utf16;
    } else if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
        return refuse(QStringLiteral("Die Datei ist keine Textdatei (Nullbyte in Zeile %1).")
                          .arg(lineOfOffset(bytes, nul)));
    } else if (platform::codepage::looksLikeUtf8(bytes)) {
        encoding = Encoding::Utf8;
    }

    QString text;
    switch (encoding) {
    case Encoding::SingleByte:
        text = platform::codepage::fromCp1252(usesCp437Umlauts(bytes) ? mapCp437Umlauts(bytes) : bytes);
        break;
    case Encoding::Utf8:
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        QStringDecoder decoder(encoding == Encoding::Utf8      ? QStringConverter::Utf8
                               : encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                               : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        text = decoder.decode(QByteArrayView(bytes).sliced(skip));
        if (decoder.hasError())
            return refuse(
                QStringLiteral("Die Datei enthält ungültige Zeichen für ihre Kodierung (%1).")
                    .arg(encoding == Encoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("UTF-16")));
        break;
    }
    }

    // Old DOS programs end a text file with Ctrl-Z.
    while (!text.isEmpty() && text.back() == QChar(0x1A))
        text.chop(1);
    const char16_t* chars = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = chars[i];
        if ((c < 0x20 || c == 0x7F) && isControl(c))
            return refuse(QStringLiteral("Die Datei ist keine Textdatei (Steuerzeichen %1 in Zeile %2).")
                              .arg(QStringLiteral("0x") +
                                   QString::number(int(c), 16).toUpper().rightJustified(2, QLatin1Char('0')))
                              .arg(lineOfOffset(text, i)));
    }

    Text result;
    result.lines = splitLines(text);
    if (result.lines.isEmpty())
        return refuse(QStringLiteral("Die Datei ist leer."));
    for (qsizetype i = 0; i < result.lines.size(); ++i) {
        if (result.lines[i].size() > MaxLineLength)
            return refuse(
                QStringLiteral("Zeile %1 ist länger als %2 Zeichen.").arg(i + 1).arg(MaxLineLength));
    }

    for (qsizetype i = 0; i < result.lines.size(); ++i) {
        const QString& l = result.lines[i];
        if (result.typeLine < 0 && l.startsWith(QLatin1String("0A"))) {
            result.kind = Kind::Handheld;
            result.format = SourceFormat::EG10;
            result.nameLine = int(i);
            return {std::move(result), QString()};
        }
        if (result.typeLine < 0 && l.startsWith(QLatin1String("Ty"))) {
            const auto format = transferFormat(l);
            if (!format)
                return refuse(QStringLiteral("Unbekannter Dateityp %1.")
                                  .arg(QStringLiteral("„") + l.trimmed().left(60) + QStringLiteral("“")));
            result.kind = Kind::Transfer;
            result.format = *format;
            result.typeLine = int(i);
            continue;
        }
        if (result.typeLine >= 0 && l.startsWith(QLatin1String("0A"))) {
            result.nameLine = int(i);
            return {std::move(result), QString()};
        }
    }
    if (result.typeLine >= 0)
        return refuse(QStringLiteral("Die Zeile „0A“ mit dem Listennamen fehlt."));
    return refuse(
        QStringLiteral("Die Datei enthält weder eine Typzeile noch eine Zeile „0A“ mit dem Listennamen."));
}

} // namespace importer
