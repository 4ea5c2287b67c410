#pragma once

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
};

} // namespace exporter
