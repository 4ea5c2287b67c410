#include "ExportWriter.h"

#include "LineSink.h"

namespace exporter {

void ExportWriter::writeTo(const ExportJob& job, QIODevice& device, bool cp437Umlauts) const
{
    LineSink sink(device, cp437Umlauts);
    write(job, sink);
    sink.finish();
}

} // namespace exporter
