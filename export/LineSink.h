// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace exporter {

// Writes the lines of an exchange file: Windows-1252 bytes, each line
// ended by CR LF, the umlauts in code page 437 for the handheld formats.
// Lines are collected and written in large blocks; every block must be
// written in full, else ExportError::WriteFailed (a full disk must never
// pass as a complete file).
class LineSink {
public:
    // Told about every line holding characters that have no byte in the
    // file's code page (they are written as "?").
    using LossHandler = std::function<void(const QString& line, const QString& characters)>;

    LineSink(QIODevice& device, bool cp437Umlauts);
    void setLossHandler(LossHandler handler) { m_onLoss = std::move(handler); }

    // Zeile_Schreiben: one line.
    void Zeile_Schreiben(const QString& line);
    // A header line "<tag><value>", written only when the value is not empty.
    void writeIfSet(const char* tag, const QString& value);
    // Writes what is still collected. Call once after the last line.
    void finish();

    qint64 lineCount() const { return m_lines; }
    // Characters that have no Windows-1252 byte were written as "?".
    bool lossless() const { return m_lossless; }

private:
    void writeBlock();

    QIODevice& m_device;
    bool m_cp437;
    QByteArray m_buffer;
    qint64 m_lines = 0;
    bool m_lossless = true;
    LossHandler m_onLoss;
};

} // namespace exporter
