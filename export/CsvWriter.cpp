// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvWriter.h"

#include "AssortmentTotals.h"
#include "ExportError.h"
#include "ExportJob.h"
#include "Fields.h"
#include "RecordColumns.h"

#include <QIODevice>

namespace exporter {
namespace {

constexpr qsizetype BlockSize = 256 * 1024;

// Collects lines and writes them in blocks; every block must arrive whole.
class CsvOut {
public:
    explicit CsvOut(QIODevice& device) : m_device(device) { m_buffer = "\xEF\xBB\xBF"; }
    void line(const QStringList& cells)
    {
        m_buffer += cells.join(QLatin1Char(';')).toUtf8();
        m_buffer += "\r\n";
        if (m_buffer.size() >= BlockSize)
            flush();
    }
    void flush()
    {
        if (m_buffer.isEmpty())
            return;
        if (m_device.write(m_buffer) != m_buffer.size())
            throw ExportError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Datei"),
                              m_device.errorString());
        m_buffer.clear();
    }

private:
    QIODevice& m_device;
    QByteArray m_buffer;
};

QString valueText(const RecordColumns::Value& value)
{
    if (const auto* n = std::get_if<RecordColumns::Number>(&value))
        return CsvWriter::number(n->value, n->decimals);
    if (const auto* text = std::get_if<QString>(&value))
        return CsvWriter::cell(*text);
    return QString();
}

void records(const ExportJob& job, CsvOut& out)
{
    QStringList header{QStringLiteral("Liste"), QStringLiteral("Datum")};
    for (const auto& column : RecordColumns::columns())
        header << column.header;
    out.line(header);
    const QString list = CsvWriter::cell(job.list().Liste);
    const QString date =
        job.list().Datum.isValid() ? job.list().Datum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    job.walk([&](const store::HolzRow& row) {
        QStringList cells{list, date};
        for (const auto& value : RecordColumns::values(row))
            cells << valueText(value);
        out.line(cells);
    });
}

void summary(const ExportJob& job, CsvOut& out)
{
    AssortmentTotals totals(job.regionSpecies());
    job.walk([&](const store::HolzRow& row) { totals.add(row); });
    out.line({QStringLiteral("Holzart"), QStringLiteral("Sorte"), QStringLiteral("Stärke"),
              QStringLiteral("Güte"), QStringLiteral("Stück"), QStringLiteral("Kubatur")});
    for (const auto& species : totals.species()) {
        const QString name = CsvWriter::cell(species.name);
        for (const auto& group : species.groups)
            out.line({name, CsvWriter::cell(group.sorte), CsvWriter::cell(group.staerke),
                      CsvWriter::cell(group.guete), CsvWriter::number(group.pieces, 0),
                      CsvWriter::number(group.volume, 2)});
        out.line({CsvWriter::cell(QStringLiteral("Summe ") + species.name), QString(), QString(), QString(),
                  CsvWriter::number(species.pieces, 0), CsvWriter::number(species.volume, 2)});
    }
    out.line({QStringLiteral("Gesamt"), QString(), QString(), QString(),
              CsvWriter::number(totals.pieces(), 0), CsvWriter::number(totals.volume(), 2)});
}

} // namespace

void CsvWriter::write(const ExportJob&, LineSink&) const
{
    throw ExportError(ExportError::NoFormat, QStringLiteral("CSV-Dateien werden als UTF-8 geschrieben"));
}

void CsvWriter::writeTo(const ExportJob& job, QIODevice& device, bool) const
{
    CsvOut out(device);
    if (m_content == Content::Records)
        records(job, out);
    else
        summary(job, out);
    out.flush();
}

QString CsvWriter::cell(const QString& text)
{
    QString value = text;
    const QChar first = value.isEmpty() ? QChar() : value.front();
    if (first == u'=' || first == u'+' || first == u'@' || first == u'\t' || first == u'\r' ||
        (first == u'-' && value.size() > 1))
        value.prepend(QLatin1Char('\''));
    if (value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('"')) ||
        value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + value.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return value;
}

QString CsvWriter::number(double value, int decimals)
{
    // Sums of two-decimal values carry binary noise; -0,00 is 0,00.
    QString text = fields::fixedGerman(value, decimals);
    if (text.startsWith(QLatin1Char('-')) && text.mid(1).remove(QLatin1Char(',')).count(QLatin1Char('0')) ==
                                                 text.size() - 1 - (decimals > 0 ? 1 : 0))
        text.remove(0, 1);
    return text;
}

} // namespace exporter
