// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QString>

namespace store {
struct HolzRow;
struct ListenRow;
} // namespace store

namespace exporter {

class FixedLine;

// The timber files of the "Rundholz" family: "BRD Rundholz V1.16" and
// "ABIES Rundholz V1.09" (the input of the external ABIES converter).
// Both have a title line, a few header lines, one location line and one
// line per record whose kind depends on the assortment; every decimal
// comma of a record line becomes a point.
class RundholzWriter final : public ExportWriter {
public:
    enum class Variant { Brd, Abies };

    explicit RundholzWriter(Variant variant) : m_variant(variant) {}
    void write(const ExportJob& job, LineSink& out) const override;

    QString recordLine(const ExportJob& job, const store::HolzRow& row) const;
    // "1F" and the location of the list with the record's use.
    QString locationLine(const store::ListenRow& list, const store::HolzRow& row) const;

private:
    void measurePart(FixedLine& line, const store::HolzRow& row) const;
    bool brd() const { return m_variant == Variant::Brd; }

    Variant m_variant;
};

} // namespace exporter
