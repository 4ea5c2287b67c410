// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QString>

namespace store {
struct HolzRow;
struct ListenRow;
} // namespace store

namespace exporter {

// The line file of the Latschbacher devices, written beside their transfer
// file: one-letter identifiers, a group line whenever lot, compartment or
// use change, one line per record, a remark line after records that have
// one, and a closing line.
class LatschbacherWriter final : public ExportWriter {
public:
    void write(const ExportJob& job, LineSink& out) const override;

    static QString groupLine(const store::ListenRow& list, const store::HolzRow& row);
    static QString recordLine(const ExportJob& job, const store::HolzRow& row);
};

} // namespace exporter
