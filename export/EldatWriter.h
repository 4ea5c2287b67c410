// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportWriter.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace store {
struct HolzRow;
struct LagerRow;
} // namespace store

namespace exporter {

class EldatCodes;

// A list as an ELDATsmart measurement journal ("Messprotokoll"), UTF-8 JSON:
// the list header as the measuring party, every lot as one measurement
// (lot number and storage place as wood ids, the storage place's position
// as the party's coordinate), single logs as `single_log` entries,
// assortments as `multi_log` aggregates, stacked wood as a pile with its
// conversion factor where the lot has a position, else as an aggregate in
// stacked and solid cubic metres.
//
// Codes come from the job's EldatCodes. A code without a line in it, and
// every value the document has no place for, is named in the job's loss
// report; nothing is guessed.
class EldatWriter final : public ExportWriter {
public:
    static constexpr const char* Version = "1.0.2";

    void write(const ExportJob& job, LineSink& out) const override;
    void writeTo(const ExportJob& job, QIODevice& device, bool cp437Umlauts) const override;

    // The whole document.
    static QByteArray document(const ExportJob& job);

    // A storage place's position as the documents carry it (WGS 84,
    // EPSG 4326), from any form rules::GeoPosition reads. Nullopt when the
    // text is no position.
    static std::optional<QJsonObject> coordinate(const QString& gps);
    // The mid-diameter class of the documents for a record's Staerke;
    // nullopt for a class they do not know.
    static std::optional<QString> thicknessClass(const QString& staerke, double durchm);
    // The diameter measurement of a bark mode ("a" automatic deduction,
    // "o" none, else manual deduction).
    static QString diaMeasurement(const QString& rinde);
};

} // namespace exporter
