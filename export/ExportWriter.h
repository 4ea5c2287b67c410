// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;

namespace exporter {

class ExportJob;
class LineSink;

// One kind of exchange file. A writer turns the job's list into lines; it
// knows nothing of dialogs or files and throws ExportError when a value
// does not fit its layout.
class ExportWriter {
public:
    virtual ~ExportWriter() = default;
    virtual void write(const ExportJob& job, LineSink& out) const = 0;

    // Writes the whole file to `device`. Line-based exchange files go
    // through a LineSink (Windows-1252, CR LF); documents with an encoding
    // or container of their own (JSON, spreadsheets) write their bytes
    // themselves. Every write must reach the device in full, else
    // ExportError::WriteFailed.
    virtual void writeTo(const ExportJob& job, QIODevice& device, bool cp437Umlauts) const;
};

} // namespace exporter
