// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSink.h"

#include "ExportError.h"
#include "Fields.h"

#include "platform/Codepage.h"

#include <QIODevice>

namespace exporter {
namespace {

constexpr qsizetype BlockSize = 256 * 1024;

} // namespace

LineSink::LineSink(QIODevice& device, bool cp437Umlauts) : m_device(device), m_cp437(cp437Umlauts)
{
    m_buffer.reserve(BlockSize + 4096);
}

void LineSink::Zeile_Schreiben(const QString& line)
{
    // Encoded straight into the block: no allocation per line.
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + line.size() + 2);
    char* out = m_buffer.data() + start;
    QString missing;
    for (const QChar c : line) {
        char byte = c.unicode() < 0x80 ? char(c.unicode()) : platform::codepage::cp1252Byte(c);
        if (byte == 0 && c.unicode() != 0) {
            byte = '?';
            m_lossless = false;
            if (!missing.contains(c))
                missing += c;
        }
        *out++ = byte;
    }
    if (!missing.isEmpty() && m_onLoss)
        m_onLoss(line, missing);
    if (m_cp437)
        fields::Umlaute_Wandeln(m_buffer.data() + start, line.size());
    *out++ = '\r';
    *out = '\n';
    ++m_lines;
    if (m_buffer.size() >= BlockSize)
        writeBlock();
}

void LineSink::writeIfSet(const char* tag, const QString& value)
{
    if (!value.isEmpty())
        Zeile_Schreiben(QLatin1String(tag) + value);
}

void LineSink::finish()
{
    writeBlock();
}

void LineSink::writeBlock()
{
    if (m_buffer.isEmpty())
        return;
    const qint64 written = m_device.write(m_buffer);
    if (written != m_buffer.size())
        throw ExportError(ExportError::WriteFailed,
                          QStringLiteral("Fehler beim Schreiben der Datei: %1").arg(m_device.errorString()));
    m_buffer.resize(0); // keeps the capacity for the next block
}

} // namespace exporter
