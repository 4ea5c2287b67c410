// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportJob.h"

#include "ExportError.h"
#include "Fields.h"
#include "FixedLine.h"

#include <algorithm>

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
    // What the format has no place for is the same in each of its files.
    const bool check = ++m_walks == 1 && m_carriage;
    // 64 bits: a list may hold far more records than a 16-bit counter reaches.
    qint64 counter = 1;
    m_source([&](const store::HolzRow& row) {
        m_counter = counter;
        m_row = &row;
        if (check)
            checkCarriage(counter, row);
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
    for (const QString& part : line.skipped())
        m_losses.add(m_row ? place(m_counter, *m_row) : QString(), part + QStringLiteral(", bleibt leer"));
}

void ExportJob::noteLoss(const QString& what) const
{
    m_losses.add(m_row ? place(m_counter, *m_row) : QString(), what);
}

void ExportJob::noteCharacters(const QString& line, const QString& characters) const
{
    QString where;
    if (m_row) {
        where = place(m_counter, *m_row);
    } else {
        // A header line: named by the list's field that holds the characters,
        // so a field written into two files of the format is one loss.
        const std::pair<const char*, const QString*> fields[] = {
            {"Liste", &m_list.Liste},           {"Name", &m_list.Name},
            {"Straße", &m_list.Strasse},        {"Ort", &m_list.Ort},
            {"Forstamt", &m_list.Forstamt},     {"Revier", &m_list.Revier},
            {"Abteilung", &m_list.Abteilung},   {"Unterabteilung", &m_list.UAbt},
            {"Bestand", &m_list.Bestand},       {"Lagerplatz", &m_list.Lagerplatz},
            {"Zusatztext", &m_list.Zusatztext}, {"Dateiname", &m_stem}};
        for (const auto& [label, value] : fields) {
            if (std::any_of(characters.begin(), characters.end(),
                            [&](QChar c) { return value->contains(c); })) {
                where = QStringLiteral("Kopfdaten, %1").arg(QString::fromUtf8(label));
                break;
            }
        }
        if (where.isEmpty())
            where = QStringLiteral("Kopfzeile „%1“").arg(line.left(2).trimmed());
    }
    m_losses.add(where,
                 QStringLiteral("Zeichen „%1“ gibt es im Zeichensatz der Datei nicht, geschrieben als „?“")
                     .arg(characters));
}

void ExportJob::checkCarriage(qint64 counter, const store::HolzRow& row) const
{
    const Carriage& c = *m_carriage;
    if (c.remark != Carriage::Whole && row.Zusatztext.size() > c.remark)
        m_losses.add(
            place(counter, row),
            QStringLiteral("Bemerkung „%1“ wird auf %2 Zeichen gekürzt").arg(row.Zusatztext).arg(c.remark));
    if (c.recordCompartment > 0 && row.Abteilung.size() > c.recordCompartment)
        m_losses.add(place(counter, row), QStringLiteral("Abteilung „%1“ wird auf %2 Zeichen gekürzt")
                                              .arg(row.Abteilung)
                                              .arg(c.recordCompartment));
    if (c.assortmentPieces == Carry::None && fields::isMultiPieceAssortment(row))
        m_losses.add(place(counter, row),
                     QStringLiteral("Stückzahl %1 des Sortiments: das Format hat dafür kein Feld")
                         .arg(fields::plain(row.Stueck)));
}

} // namespace exporter
