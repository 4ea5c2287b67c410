// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QString>

namespace store {
struct HolzRow;
}

namespace exporter {

// The "RH Transfer V1.1" file in its four variants. They share the layout
// and differ in the type line, in which header lines and record fields
// they carry, and (Latschbacher) in the umlauts.
class TransferWriter final : public ExportWriter {
public:
    enum class Variant { Habsys, Latschbacher, DekaData, Timbernet };

    explicit TransferWriter(Variant variant) : m_variant(variant) {}
    void write(const ExportJob& job, LineSink& out) const override;

    QString recordLine(const ExportJob& job, const store::HolzRow& row) const;

private:
    Variant m_variant;
};

} // namespace exporter
