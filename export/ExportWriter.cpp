// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportWriter.h"

#include "ExportJob.h"
#include "LineSink.h"

namespace exporter {

void ExportWriter::writeTo(const ExportJob& job, QIODevice& device, bool cp437Umlauts) const
{
    LineSink sink(device, cp437Umlauts);
    sink.setLossHandler(
        [&job](const QString& line, const QString& characters) { job.noteCharacters(line, characters); });
    write(job, sink);
    sink.finish();
}

} // namespace exporter
