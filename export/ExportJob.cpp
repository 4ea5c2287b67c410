#include "ExportJob.h"

#include "ExportError.h"
#include "FixedLine.h"

namespace exporter {

ExportJob::ExportJob(store::ListenRow list, QString stem, HolzartCodes& species)
    : m_list(std::move(list)), m_stem(std::move(stem)), m_species(&species)
{
}

void ExportJob::setRecords(RecordSource source, qint64 count)
{
    m_source = std::move(source);
    m_count = count;
}

void ExportJob::setRecords(QList<store::HolzRow> rows)
{
    m_count = rows.size();
    m_source = [rows = std::move(rows)](const RecordVisitor& visit) {
        for (const store::HolzRow& row : rows)
            visit(row);
    };
}

void ExportJob::walk(const RecordVisitor& visit) const
{
    if (!m_source)
        return;
    struct Leave {
        const ExportJob* job;
        ~Leave() { job->m_row = nullptr; }
    } leave{this};
    // 64 bits: a list may hold far more records than a 16-bit counter reaches.
    qint64 counter = 1;
    m_source([&](const store::HolzRow& row) {
        m_counter = counter;
        m_row = &row;
        try {
            visit(row);
        } catch (const ExportError& error) {
            throw error.withContext(place(counter, row));
        }
        if (m_progress)
            m_progress(counter, m_count);
        ++counter;
    });
}

QString ExportJob::place(qint64 counter, const store::HolzRow& row)
{
    const QString number = row.Einzelstamm ? QStringLiteral(", Nummer %1").arg(row.Nummer) : QString();
    return QStringLiteral("Datensatz %1, Los %2%3").arg(counter).arg(row.Los).arg(number);
}

void ExportJob::noteSkipped(const FixedLine& line) const
{
    if (line.skipped().isEmpty())
        return;
    if (++m_skippedLines == 1)
        m_firstSkipped =
            m_row ? place(m_counter, *m_row) + QStringLiteral(": ") + line.skipped() : line.skipped();
}

} // namespace exporter
