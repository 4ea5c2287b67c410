#pragma once

#include "export/HolzartCodes.h"
#include "export/LossReport.h"
#include "export/UseCodes.h"
#include "store/HolzRow.h"
#include "store/LagerRow.h"
#include "store/ListenRow.h"

#include <QList>
#include <QString>
#include <functional>

namespace exporter {

class EldatCodes;
class FixedLine;

using RecordVisitor = std::function<void(const store::HolzRow&)>;

// Everything a writer reads for one export: the list's header row, the
// file stem, its storage places, its records in the export order, and the
// species and use codes. Writers only read it; the driver fills it from the
// database, tests fill it with rows.
class ExportJob {
public:
    using RecordSource = std::function<void(const RecordVisitor&)>;
    using Progress = std::function<void(qint64 counter, qint64 total)>;

    ExportJob(store::ListenRow list, QString stem, HolzartCodes& species);

    // The records, streamed in export order on every walk.
    void setRecords(RecordSource source, qint64 count);
    void setRecords(QList<store::HolzRow> rows);
    void setStorage(QList<store::LagerRow> rows) { m_storage = std::move(rows); }
    void setUseCodes(UseCodes codes) { m_useCodes = std::move(codes); }
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // The species of the current region, in their order (summaries list
    // the species in it).
    void setRegionSpecies(QList<store::HolzartRow> rows) { m_regionSpecies = std::move(rows); }
    // The code table of the ELDATsmart documents; the job does not own it.
    void setEldatCodes(const EldatCodes* codes) { m_eldatCodes = codes; }
    // Workbooks: one more sheet for each lot.
    void setSheetPerLot(bool on) { m_sheetPerLot = on; }

    const store::ListenRow& list() const { return m_list; }
    // The chosen file name without folder and extension.
    const QString& stem() const { return m_stem; }
    // Storage places of the list, by lot.
    const QList<store::LagerRow>& storage() const { return m_storage; }
    HolzartCodes& species() const { return *m_species; }
    const UseCodes& useCodes() const { return m_useCodes; }
    qint64 recordCount() const { return m_count; }
    const QList<store::HolzartRow>& regionSpecies() const { return m_regionSpecies; }
    const EldatCodes* eldatCodes() const { return m_eldatCodes; }
    bool sheetPerLot() const { return m_sheetPerLot; }

    // What the file could not carry, named for the user after the export.
    LossReport& losses() const { return m_losses; }

    // Calls `visit` for every record in order, reports the record counter
    // (from 1) after each one, and names the record in any error it raises.
    void walk(const RecordVisitor& visit) const;

    // Writers hand over each record line; a line with a part left blank
    // (FixedLine::skipped) is counted, and the first one described, for the
    // message after the export.
    void noteSkipped(const FixedLine& line) const;
    qint64 skippedLines() const { return m_skippedLines; }
    const QString& firstSkipped() const { return m_firstSkipped; }

private:
    store::ListenRow m_list;
    QString m_stem;
    HolzartCodes* m_species;
    RecordSource m_source;
    qint64 m_count = 0;
    QList<store::LagerRow> m_storage;
    UseCodes m_useCodes;
    Progress m_progress;
    QList<store::HolzartRow> m_regionSpecies;
    const EldatCodes* m_eldatCodes = nullptr;
    bool m_sheetPerLot = false;
    mutable LossReport m_losses;
    static QString place(qint64 counter, const store::HolzRow& row);

    // Where the walk stands, for the notes of the writers.
    mutable qint64 m_counter = 0;
    mutable const store::HolzRow* m_row = nullptr;
    mutable qint64 m_skippedLines = 0;
    mutable QString m_firstSkipped;
};

} // namespace exporter
