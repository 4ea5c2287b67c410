// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportFormats.h"
#include "export/ExportLosses.h"
#include "export/HolzartCodes.h"
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
    // What the format carries: records holding more are named as losses.
    void setCarriage(const Carriage& carriage) { m_carriage = &carriage; }

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

    // Calls `visit` for every record in order, reports the record counter
    // (from 1) after each one, and names the record in any error it raises.
    void walk(const RecordVisitor& visit) const;

    // Writers hand over each record line; every part left blank
    // (FixedLine::skipped) is a loss of the record being written.
    void noteSkipped(const FixedLine& line) const;
    // A value the format has no place for: named with the record being
    // written, outside the walk as it stands.
    void noteLoss(const QString& what) const;
    // A value of the list as a whole (its header, its storage places).
    void noteListLoss(const QString& what) const { m_losses.add(QString(), what); }
    // Characters of a line written that the file's code page lacks.
    void noteCharacters(const QString& line, const QString& characters) const;
    // Everything the export could not carry into its file(s).
    const ExportLosses& losses() const { return m_losses; }

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
    static QString place(qint64 counter, const store::HolzRow& row);
    void checkCarriage(qint64 counter, const store::HolzRow& row) const;
    const Carriage* m_carriage = nullptr;

    // Where the walk stands, for the notes of the writers.
    mutable qint64 m_counter = 0;
    mutable const store::HolzRow* m_row = nullptr;
    mutable ExportLosses m_losses;
    mutable int m_walks = 0;
};

} // namespace exporter
