#include "ExportJob.h"

#include "ExportError.h"

namespace exporter {

ExportJob::ExportJob(store::ListenRow list, QString stem, SpeciesCodes& species)
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
    // 64 bits: a list may hold far more records than a 16-bit counter reaches.
    qint64 counter = 1;
    m_source([&](const store::HolzRow& row) {
        try {
            visit(row);
        } catch (const ExportError& error) {
            const QString number =
                row.Einzelstamm ? QStringLiteral(", Nummer %1").arg(row.Nummer) : QString();
            throw error.withContext(
                QStringLiteral("Datensatz %1, Los %2%3").arg(counter).arg(row.Los).arg(number));
        }
        if (m_progress)
            m_progress(counter, m_count);
        ++counter;
    });
}

} // namespace exporter
