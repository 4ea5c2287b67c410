// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListFileStream.h"

#include "platform/Codepage.h"

#include <QIODevice>
#include <QStringDecoder>
#include <array>
#include <optional>

namespace importer {
namespace {

constexpr qint64 ChunkSize = 256 * 1024;
// A UTF-8 character takes at most four bytes; a line of more bytes than
// this is too long whatever it holds, and is refused before it is kept.
constexpr qsizetype MaxLineBytes = qsizetype(ListFile::MaxLineLength) * 4;

QString controlRefusal(unsigned char c, qint64 line)
{
    return QStringLiteral("Die Datei ist keine Textdatei (Steuerzeichen %1 in Zeile %2).")
        .arg(QStringLiteral("0x") + QString::number(int(c), 16).toUpper().rightJustified(2, QLatin1Char('0')))
        .arg(line);
}

QString tooLong(qint64 line)
{
    return QStringLiteral("Zeile %1 ist länger als %2 Zeichen.").arg(line).arg(ListFile::MaxLineLength);
}

// Tab, line breaks and form feed occur in text files; every other control
// character says the file is none.
bool isControl(unsigned char c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7F;
}

// UTF-16 without a byte-order mark: plain text in it has a NUL in every
// other byte. Judged on the start of the file, so binary data with many
// NULs at random places is not taken for text.
int bomlessUtf16(QByteArrayView bytes)
{
    const qsizetype n = qMin<qsizetype>(bytes.size(), 1024) & ~qsizetype(1);
    if (n < 4)
        return 0;
    int zeroEven = 0, zeroOdd = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? zeroOdd : zeroEven);
    const qsizetype pairs = n / 2;
    if (zeroOdd >= pairs * 9 / 10 && zeroEven == 0)
        return 1; // little endian
    if (zeroEven >= pairs * 9 / 10 && zeroOdd == 0)
        return 2; // big endian
    return 0;
}

// Follows the bytes of a file: its line (for the message about a NUL)
// and whether all of it is well-formed UTF-8 with a multi-byte character.
class EncodingScan {
public:
    // False at a NUL: no text file.
    bool add(unsigned char b)
    {
        if (b == 0)
            return false;
        if (b == '\r') {
            ++m_line;
            m_previousCR = true;
        } else {
            if (b == '\n' && !m_previousCR)
                ++m_line;
            m_previousCR = false;
        }
        if (!m_utf8 || b < 0x80) {
            if (m_continuation > 0)
                m_utf8 = false;
            return true;
        }
        if (m_continuation > 0) {
            if ((b & 0xC0) != 0x80)
                m_utf8 = false;
            --m_continuation;
        } else if (b >= 0xC2 && b <= 0xDF) {
            m_continuation = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_continuation = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_continuation = 3;
        } else {
            m_utf8 = false;
        }
        m_multiByte = true;
        return true;
    }
    qint64 line() const { return m_line; }
    bool isUtf8() const { return m_utf8 && m_multiByte && m_continuation == 0; }

private:
    qint64 m_line = 1;
    bool m_previousCR = false;
    int m_continuation = 0;
    bool m_utf8 = true;
    bool m_multiByte = false;
};

// Code page 437 umlauts to their Windows-1252 bytes: ö ä ü Ö Ä Ü.
const std::array<char, 256>& cp437UmlautMap()
{
    static const std::array<char, 256> map = [] {
        std::array<char, 256> m{};
        for (int i = 0; i < 256; ++i)
            m[size_t(i)] = char(i);
        m[0x94] = char(0xF6);
        m[0x84] = char(0xE4);
        m[0x81] = char(0xFC);
        m[0x99] = char(0xD6);
        m[0x8E] = char(0xC4);
        m[0x9A] = char(0xDC);
        return m;
    }();
    return map;
}

} // namespace

// Splits the bytes of the file into lines at CR LF, LF and a lone CR alike,
// checks each for control characters and length, and decodes it. UTF-16 is
// turned into UTF-8 on the way in, so line breaks and control characters
// are single bytes in every encoding the file may have.
class ListFileStream::Splitter {
public:
    enum class Step { Line, End, Failed };

    Splitter(QIODevice& device, Encoding encoding) : m_device(device), m_encoding(encoding)
    {
        if (encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE)
            m_utf16.emplace(encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
    }

    void setCp437(bool on) { m_cp437 = on; }

    Step next(QString& line)
    {
        for (;;) {
            if (m_pos >= m_buffer.size()) {
                if (m_eof) {
                    if (m_pending.isEmpty())
                        return Step::End;
                    m_endedWithBreak = false;
                    return finishLine(m_pending, line);
                }
                if (!fill())
                    return Step::Failed;
                continue;
            }
            const char* p = m_buffer.constData();
            const qsizetype n = m_buffer.size();
            qsizetype i = m_pos;
            if (m_afterCR) {
                m_afterCR = false;
                if (p[i] == '\n') {
                    m_pos = i + 1;
                    continue;
                }
            }
            if (m_ctrlZLine > 0) {
                // Old DOS programs end a text file with Ctrl-Z; nothing may follow.
                for (; i < n; ++i)
                    if (p[i] != 0x1A)
                        return refuse(controlRefusal(0x1A, m_ctrlZLine));
                m_pos = n;
                continue;
            }
            const qsizetype start = i;
            for (; i < n; ++i) {
                const auto c = static_cast<unsigned char>(p[i]);
                if (c >= 0x20 && c != 0x7F)
                    continue;
                if (c == '\r' || c == '\n' || c == 0x1A || isControl(c))
                    break;
            }
            if (m_pending.size() + (i - start) > lineLimit())
                return refuse(tooLong(m_lines + 1));
            m_pending.append(p + start, i - start);
            if (i == n) {
                m_pos = n;
                continue;
            }
            const auto c = static_cast<unsigned char>(p[i]);
            if (c == 0x1A) {
                m_ctrlZLine = m_lines + 1;
                m_pos = i + 1;
                if (m_pending.isEmpty())
                    continue;
                m_endedWithBreak = false;
                return finishLine(m_pending, line);
            }
            if (c != '\r' && c != '\n')
                return refuse(controlRefusal(c, m_lines + 1));
            if (c == '\r') {
                if (i + 1 < n)
                    i += p[i + 1] == '\n' ? 2 : 1;
                else {
                    m_afterCR = true;
                    i += 1;
                }
            } else {
                i += 1;
            }
            m_pos = i;
            m_endedWithBreak = true;
            return finishLine(m_pending, line);
        }
    }

    QString decode(const QByteArray& bytes, bool cp437) const
    {
        if (m_encoding != Encoding::SingleByte)
            return QString::fromUtf8(bytes);
        if (!cp437)
            return platform::codepage::fromCp1252(bytes);
        QByteArray mapped(bytes);
        const auto& map = cp437UmlautMap();
        for (char& c : mapped)
            c = map[static_cast<unsigned char>(c)];
        return platform::codepage::fromCp1252(mapped);
    }

    const QByteArray& lastRaw() const { return m_lastRaw; }
    const QString& refusal() const { return m_refusal; }
    const QString& readError() const { return m_readError; }
    bool endedWithBreak() const { return m_endedWithBreak; }

private:
    qsizetype lineLimit() const
    {
        return m_encoding == Encoding::SingleByte ? qsizetype(ListFile::MaxLineLength) : MaxLineBytes;
    }

    Step finishLine(QByteArray& raw, QString& line)
    {
        ++m_lines;
        if (m_encoding == Encoding::Utf8) {
            // Checked here only for files with a byte-order mark; the others
            // were found valid before their encoding was decided.
            QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            line = decoder.decode(raw);
            if (decoder.hasError())
                return refuse(
                    QStringLiteral("Die Datei enthält ungültige Zeichen für ihre Kodierung (UTF-8)."));
        } else {
            line = decode(raw, m_cp437);
        }
        if (line.size() > ListFile::MaxLineLength)
            return refuse(tooLong(m_lines));
        m_lastRaw.swap(raw);
        raw.resize(0);
        return Step::Line;
    }

    Step refuse(const QString& reason)
    {
        m_refusal = reason;
        return Step::Failed;
    }

    bool fill()
    {
        m_buffer.resize(ChunkSize);
        const qint64 got = m_device.read(m_buffer.data(), ChunkSize);
        if (got < 0) {
            m_readError = m_device.errorString();
            return false;
        }
        m_buffer.resize(got);
        m_pos = 0;
        if (got == 0)
            m_eof = true;
        if (m_utf16) {
            const QString text = m_utf16->decode(m_buffer);
            if (m_utf16->hasError()) {
                m_refusal =
                    QStringLiteral("Die Datei enthält ungültige Zeichen für ihre Kodierung (UTF-16).");
                return false;
            }
            m_buffer = text.toUtf8();
        }
        return true;
    }

    QIODevice& m_device;
    Encoding m_encoding;
    std::optional<QStringDecoder> m_utf16;
    bool m_cp437 = false;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    QByteArray m_pending;
    QByteArray m_lastRaw;
    bool m_afterCR = false;
    bool m_eof = false;
    bool m_endedWithBreak = true;
    qint64 m_lines = 0;
    qint64 m_ctrlZLine = 0;
    QString m_refusal;
    QString m_readError;
};

ListFileStream::ListFileStream(QIODevice& device) : m_device(device) {}

ListFileStream::~ListFileStream() = default;

bool ListFileStream::fail(const QString& refusal)
{
    m_refusal = refusal;
    return false;
}

bool ListFileStream::open()
{
    if (!examineBytes() || !findNameLine())
        return false;
    // Handheld files and the Latschbacher transfer file carry code page 437 umlauts.
    rewind(m_kind == ListFile::Kind::Handheld || m_format == SourceFormat::Latschbacher);
    return true;
}

bool ListFileStream::examineBytes()
{
    if (!m_device.seek(0)) {
        m_readError = m_device.errorString();
        return false;
    }
    const QByteArray head = m_device.peek(ChunkSize);
    if (head.isEmpty())
        return fail(QStringLiteral("Die Datei ist leer."));
    if (m_device.size() > ListFile::MaxBytes)
        return fail(
            QStringLiteral("Die Datei ist größer als %1 MB.").arg(ListFile::MaxBytes / (1024 * 1024)));
    return markedEncoding(head) || scanEncoding();
}

bool ListFileStream::markedEncoding(const QByteArray& head)
{
    if (head.startsWith("\xEF\xBB\xBF")) {
        m_encoding = Encoding::Utf8;
        m_skip = 3;
        return true;
    }
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        m_encoding = head.startsWith("\xFF\xFE") ? Encoding::Utf16LE : Encoding::Utf16BE;
        m_skip = 2;
        return true;
    }
    if (const int utf16 = bomlessUtf16(head)) {
        m_encoding = utf16 == 1 ? Encoding::Utf16LE : Encoding::Utf16BE;
        return true;
    }
    return false;
}

bool ListFileStream::scanEncoding()
{
    // One pass over the bytes: a NUL makes it no text file; well-formed
    // UTF-8 with at least one multi-byte character makes it a file saved by
    // a newer editor rather than ANSI text.
    EncodingScan scan;
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = m_device.read(chunk.data(), ChunkSize);
        if (got < 0) {
            m_readError = m_device.errorString();
            return false;
        }
        if (got == 0)
            break;
        for (qint64 i = 0; i < got; ++i) {
            if (!scan.add(static_cast<unsigned char>(chunk[i])))
                return fail(
                    QStringLiteral("Die Datei ist keine Textdatei (Nullbyte in Zeile %1).").arg(scan.line()));
        }
    }
    m_encoding = scan.isUtf8() ? Encoding::Utf8 : Encoding::SingleByte;
    return true;
}

void ListFileStream::rewind(bool cp437)
{
    m_device.seek(m_skip);
    m_splitter = std::make_unique<Splitter>(m_device, m_encoding);
    m_splitter->setCp437(cp437 && m_encoding == Encoding::SingleByte);
    m_lineCount = 0;
    m_endedWithBreak = true;
}

bool ListFileStream::findNameLine()
{
    rewind(false);
    QString line;
    int index = 0;
    while (m_splitter->next(line) == Splitter::Step::Line) {
        if (m_typeLine < 0 && line.startsWith(QLatin1String("0A"))) {
            m_kind = ListFile::Kind::Handheld;
            m_format = SourceFormat::EG10;
            m_nameLine = index;
            m_nameLineText = m_splitter->decode(m_splitter->lastRaw(), true);
            return true;
        }
        if (m_typeLine < 0 && line.startsWith(QLatin1String("Ty"))) {
            const auto format = ListFile::transferFormat(line);
            if (!format)
                return fail(QStringLiteral("Unbekannter Dateityp %1.")
                                .arg(QStringLiteral("„") + line.trimmed().left(60) + QStringLiteral("“")));
            m_kind = ListFile::Kind::Transfer;
            m_format = *format;
            m_typeLine = index;
        } else if (m_typeLine >= 0 && line.startsWith(QLatin1String("0A"))) {
            m_nameLine = index;
            m_nameLineText =
                m_splitter->decode(m_splitter->lastRaw(), m_format == SourceFormat::Latschbacher);
            return true;
        }
        ++index;
    }
    if (!m_splitter->refusal().isEmpty())
        return fail(m_splitter->refusal());
    if (!m_splitter->readError().isEmpty()) {
        m_readError = m_splitter->readError();
        return false;
    }
    if (index == 0)
        return fail(QStringLiteral("Die Datei ist leer."));
    if (m_typeLine >= 0)
        return fail(QStringLiteral("Die Zeile „0A“ mit dem Listennamen fehlt."));
    return fail(
        QStringLiteral("Die Datei enthält weder eine Typzeile noch eine Zeile „0A“ mit dem Listennamen."));
}

bool ListFileStream::next(QString& line)
{
    if (!m_splitter)
        return false;
    switch (m_splitter->next(line)) {
    case Splitter::Step::Line:
        ++m_lineCount;
        return true;
    case Splitter::Step::End:
        m_endedWithBreak = m_splitter->endedWithBreak();
        return false;
    case Splitter::Step::Failed:
        m_refusal = m_splitter->refusal();
        m_readError = m_splitter->readError();
        return false;
    }
    return false;
}

qint64 ListFileStream::bytesRead() const
{
    return m_device.pos();
}

qint64 ListFileStream::size() const
{
    return m_device.size();
}

} // namespace importer
