// SPDX-License-Identifier: GPL-3.0-or-later
#include "XlsxWriter.h"

#include "AssortmentTotals.h"
#include "ExportError.h"
#include "ExportJob.h"
#include "RecordColumns.h"

#include <QFile>
#include <QIODevice>
#include <QMap>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <cmath>
#include <set>

namespace exporter {
namespace {

ExportError libraryError(lxw_error error)
{
    return ExportError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Arbeitsmappe"),
                       QString::fromUtf8(lxw_strerror(error)));
}

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw libraryError(error);
}

// Two decimals as the list stores them; sums without binary noise.
double two(double value)
{
    return std::round(value * 100) / 100;
}

struct Formats {
    lxw_format* bold;
    lxw_format* title;
    lxw_format* head;
    lxw_format* date;
    lxw_format* integer;
    lxw_format* decimal;
    lxw_format* totalInteger;
    lxw_format* totalDecimal;
    lxw_format* totalText;

    explicit Formats(lxw_workbook* book)
    {
        bold = workbook_add_format(book);
        format_set_bold(bold);
        title = workbook_add_format(book);
        format_set_bold(title);
        format_set_font_size(title, 14);
        head = workbook_add_format(book);
        format_set_bold(head);
        format_set_bottom(head, LXW_BORDER_THIN);
        format_set_bg_color(head, 0xE8EEF4);
        format_set_text_wrap(head);
        date = workbook_add_format(book);
        format_set_num_format(date, "dd.mm.yyyy");
        format_set_align(date, LXW_ALIGN_LEFT);
        integer = workbook_add_format(book);
        format_set_num_format(integer, "0");
        decimal = workbook_add_format(book);
        format_set_num_format(decimal, "0.00");
        totalInteger = workbook_add_format(book);
        format_set_num_format(totalInteger, "0");
        format_set_bold(totalInteger);
        format_set_top(totalInteger, LXW_BORDER_THIN);
        totalDecimal = workbook_add_format(book);
        format_set_num_format(totalDecimal, "0.00");
        format_set_bold(totalDecimal);
        format_set_top(totalDecimal, LXW_BORDER_THIN);
        totalText = workbook_add_format(book);
        format_set_bold(totalText);
        format_set_top(totalText, LXW_BORDER_THIN);
    }
};

void text(lxw_worksheet* sheet, int row, int column, const QString& value, lxw_format* format = nullptr)
{
    check(
        worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), value.toUtf8().constData(), format));
}

void number(lxw_worksheet* sheet, int row, int column, double value, lxw_format* format)
{
    check(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), value, format));
}

void formula(lxw_worksheet* sheet, int row, int column, const QString& formula, lxw_format* format,
             double value)
{
    check(worksheet_write_formula_num(sheet, lxw_row_t(row), lxw_col_t(column), formula.toUtf8().constData(),
                                      format, value));
}

// The title and the list header; returns the next free row.
int listHeader(lxw_worksheet* sheet, const Formats& f, const store::ListenRow& list, const QString& title)
{
    text(sheet, 0, 0, title, f.title);
    int row = 1;
    for (const auto& [label, value] : RecordColumns::headerLines(list)) {
        text(sheet, row, 0, label, f.bold);
        if (label == QLatin1String("Datum") && list.Datum.isValid()) {
            lxw_datetime when{list.Datum.year(), list.Datum.month(), list.Datum.day(), 0, 0, 0};
            check(worksheet_write_datetime(sheet, lxw_row_t(row), 2, &when, f.date));
        } else {
            text(sheet, row, 2, value);
        }
        ++row;
    }
    return row + 1;
}

// Printed on A4, as wide as the page, the table header on every page.
void printSetup(lxw_worksheet* sheet, int headerRow, bool landscape)
{
    worksheet_set_paper(sheet, 9);
    if (landscape)
        worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    check(worksheet_repeat_rows(sheet, lxw_row_t(headerRow), lxw_row_t(headerRow)));
}

// A sheet of records: header on top, the table, the totals under it.
class RecordSheet {
public:
    RecordSheet(lxw_workbook* book, const Formats& f, const char* name, const store::ListenRow& list,
                const QString& title)
        : m_f(f)
    {
        m_sheet = workbook_add_worksheet(book, name);
        if (!m_sheet)
            throw libraryError(LXW_ERROR_SHEETNAME_ALREADY_USED);
        const auto& columns = RecordColumns::columns();
        for (int c = 0; c < columns.size(); ++c) {
            const auto& column = columns.at(c);
            lxw_format* format = column.decimals < 0 ? nullptr : column.decimals == 0 ? f.integer : f.decimal;
            check(worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), column.width, format));
        }
        m_row = listHeader(m_sheet, f, list, title);
        for (int c = 0; c < columns.size(); ++c)
            text(m_sheet, m_row, c, columns.at(c).header, f.head);
        worksheet_freeze_panes(m_sheet, lxw_row_t(m_row + 1), 0);
        printSetup(m_sheet, m_row, true);
        m_first = ++m_row;
    }

    void add(const store::HolzRow& row)
    {
        const auto values = RecordColumns::values(row);
        for (int c = 0; c < values.size(); ++c) {
            const auto& value = values.at(c);
            if (const auto* n = std::get_if<RecordColumns::Number>(&value))
                number(m_sheet, m_row, c, n->value, n->decimals == 0 ? m_f.integer : m_f.decimal);
            else if (const auto* s = std::get_if<QString>(&value))
                text(m_sheet, m_row, c, *s);
        }
        if (!row.Folgestamm)
            m_pieces += row.Stueck;
        m_volume += row.Kubatur;
        ++m_row;
    }

    void finish()
    {
        const int last = m_row - 1;
        const int total = m_row;
        text(m_sheet, total, 0, QStringLiteral("Summe"), m_f.totalText);
        if (last < m_first) {
            number(m_sheet, total, RecordColumns::Stueck, 0, m_f.totalInteger);
            number(m_sheet, total, RecordColumns::Kubatur, 0, m_f.totalDecimal);
            return;
        }
        auto range = [&](int column) {
            const QString name = XlsxWriter::columnName(column);
            return QStringLiteral("%1%2:%1%3").arg(name).arg(m_first + 1).arg(last + 1);
        };
        // Follow-on pieces of a log add no pieces, also after the buyer's edits.
        formula(m_sheet, total, RecordColumns::Stueck,
                QStringLiteral("=SUMIFS(%1,%2,\"<>Folgestamm\")")
                    .arg(range(RecordColumns::Stueck), range(RecordColumns::Art)),
                m_f.totalInteger, m_pieces);
        formula(m_sheet, total, RecordColumns::Kubatur,
                QStringLiteral("=SUM(%1)").arg(range(RecordColumns::Kubatur)), m_f.totalDecimal,
                two(m_volume));
    }

private:
    const Formats& m_f;
    lxw_worksheet* m_sheet = nullptr;
    int m_row = 0;
    int m_first = 0;
    double m_pieces = 0;
    double m_volume = 0;
};

void summarySheet(lxw_worksheet* sheet, const Formats& f, const store::ListenRow& list,
                  const AssortmentTotals& totals)
{
    static const double widths[] = {18, 8, 11, 8, 9, 11}; // C holds the header's date too
    for (int c = 0; c < 6; ++c)
        check(worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr));
    int row = listHeader(sheet, f, list, QStringLiteral("Sortenzusammenstellung zu Holzliste ") + list.Liste);
    const QStringList head{QStringLiteral("Holzart"), QStringLiteral("Sorte"), QStringLiteral("Stärke"),
                           QStringLiteral("Güte"),    QStringLiteral("Stück"), QStringLiteral("Kubatur")};
    for (int c = 0; c < head.size(); ++c)
        text(sheet, row, c, head.at(c), f.head);
    worksheet_freeze_panes(sheet, lxw_row_t(row + 1), 0);
    printSetup(sheet, row, false);
    const int first = ++row;
    for (const auto& species : totals.species()) {
        const int from = row;
        for (const auto& group : species.groups) {
            text(sheet, row, 0, species.name);
            text(sheet, row, 1, group.sorte);
            text(sheet, row, 2, group.staerke);
            text(sheet, row, 3, group.guete);
            number(sheet, row, 4, group.pieces, f.integer);
            number(sheet, row, 5, two(group.volume), f.decimal);
            ++row;
        }
        // SUBTOTAL, so that the total below skips these rows.
        text(sheet, row, 0, QStringLiteral("Summe ") + species.name, f.totalText);
        for (int c = 1; c < 4; ++c)
            text(sheet, row, c, QString(), f.totalText);
        formula(sheet, row, 4, QStringLiteral("=SUBTOTAL(9,E%1:E%2)").arg(from + 1).arg(row), f.totalInteger,
                species.pieces);
        formula(sheet, row, 5, QStringLiteral("=SUBTOTAL(9,F%1:F%2)").arg(from + 1).arg(row), f.totalDecimal,
                two(species.volume));
        row += 2;
    }
    const int last = qMax(first, row - 2);
    text(sheet, row, 0, QStringLiteral("Gesamt"), f.totalText);
    for (int c = 1; c < 4; ++c)
        text(sheet, row, c, QString(), f.totalText);
    formula(sheet, row, 4, QStringLiteral("=SUBTOTAL(9,E%1:E%2)").arg(first + 1).arg(last + 1),
            f.totalInteger, totals.pieces());
    formula(sheet, row, 5, QStringLiteral("=SUBTOTAL(9,F%1:F%2)").arg(first + 1).arg(last + 1),
            f.totalDecimal, two(totals.volume()));
}

void copyInto(const QString& path, QIODevice& device)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExportError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Arbeitsmappe"),
                          file.errorString());
    while (!file.atEnd()) {
        const QByteArray block = file.read(1024 * 1024);
        if (block.isEmpty() && file.error() != QFileDevice::NoError)
            throw ExportError(ExportError::WriteFailed,
                              QStringLiteral("Fehler beim Schreiben der Arbeitsmappe"), file.errorString());
        if (device.write(block) != block.size())
            throw ExportError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Datei"),
                              device.errorString());
    }
}

} // namespace

void XlsxWriter::write(const ExportJob&, LineSink&) const
{
    throw ExportError(ExportError::NoFormat, QStringLiteral("Arbeitsmappen sind keine Zeilendatei"));
}

void XlsxWriter::writeTo(const ExportJob& job, QIODevice& device, bool) const
{
    // The library writes to a file of its own; the driver's device then
    // gets the finished workbook, so a failure leaves no half file behind.
    QTemporaryDir folder;
    if (!folder.isValid())
        throw ExportError(ExportError::PathError, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"),
                          folder.errorString());
    const QByteArray path = folder.filePath(QStringLiteral("liste.xlsx")).toUtf8();
    QByteArray tmp = folder.path().toUtf8();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmp.data();
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (!book)
        throw libraryError(LXW_ERROR_CREATING_XLSX_FILE);
    struct Closer {
        lxw_workbook* book;
        ~Closer()
        {
            if (book)
                workbook_close(book);
        }
    } closer{book};

    std::set<int> lots;
    if (job.sheetPerLot())
        job.walk([&](const store::HolzRow& row) { lots.insert(row.Los); });

    const Formats formats(book);
    const store::ListenRow& list = job.list();
    RecordSheet records(book, formats, "Datensätze", list, QStringLiteral("Holzliste ") + list.Liste);
    lxw_worksheet* summary = workbook_add_worksheet(book, "Sortenzusammenstellung");
    QMap<int, RecordSheet*> lotSheets;
    std::vector<std::unique_ptr<RecordSheet>> owned;
    for (int los : lots) {
        const QByteArray name = QStringLiteral("Los %1").arg(los).toUtf8();
        owned.push_back(
            std::make_unique<RecordSheet>(book, formats, name.constData(), list,
                                          QStringLiteral("Holzliste %1, Los %2").arg(list.Liste).arg(los)));
        lotSheets.insert(los, owned.back().get());
    }

    AssortmentTotals totals(job.regionSpecies());
    job.walk([&](const store::HolzRow& row) {
        records.add(row);
        totals.add(row);
        if (RecordSheet* sheet = lotSheets.value(row.Los))
            sheet->add(row);
    });
    records.finish();
    for (auto& sheet : owned)
        sheet->finish();
    summarySheet(summary, formats, list, totals);

    closer.book = nullptr;
    check(workbook_close(book));
    copyInto(QString::fromUtf8(path), device);
}

QString XlsxWriter::columnName(int column)
{
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

} // namespace exporter
