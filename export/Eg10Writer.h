// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QString>

namespace store {
struct HolzRow;
}

namespace exporter {

// The list file of the handheld measuring device: lower-case header
// letters, one line per record with its kind code, a closing line.
class Eg10Writer final : public ExportWriter {
public:
    void write(const ExportJob& job, LineSink& out) const override;

    static QString recordLine(const ExportJob& job, const store::HolzRow& row);
};

} // namespace exporter
