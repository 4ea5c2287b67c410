// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordDocument.h"

#include "DocxPackage.h"
#include "PhotoImage.h"
#include "RecordCells.h"
#include "ReportTexts.h"

#include "rules/Numbers.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

namespace report {
namespace {

using Format = WordBody::Format;
using TabStop = WordBody::TabStop;

// Twips: 567 to the centimetre.
constexpr int cm(double centimetres)
{
    return int(centimetres * 567 + 0.5);
}

void pageHeader(WordBody& header, const WordDocument::Content& content)
{
    header.paragraph(content.heading, 14, true, Format{WordBody::Align::Center, {}, false, 0});
    Format line{WordBody::Align::Left, {TabStop{cm(5)}, TabStop{cm(10.5)}}, false, 0};
    header.paragraph({{QStringLiteral("Holzliste"), 14, true},
                      {QStringLiteral("\tDatum  ") + ReportTexts::germanDate(content.today), 10, true},
                      {QStringLiteral("\tListe   ") + content.list.Liste, 10, false}},
                     line);
    if (content.lot)
        header.paragraph(QStringLiteral("Los ") + QString::number(*content.lot), 10, false, line);
}

void listHeaderBlock(WordBody& body, const store::ListenRow& list, bool newPage)
{
    // Captions at the left, values at 2.3 cm. Further fields of a line
    // (Forstamt after Ort; Abteilung, UAbt and Bestand after Revier) follow
    // the value as text: at tab stops a longer value would push them into
    // the next stop's column.
    // A line too long for the page continues under the values, not under the captions.
    Format format{WordBody::Align::Left, {TabStop{cm(2.3)}}, newPage, 0, cm(2.3)};
    for (const auto& line : ReportTexts::listHeaderBlock(list)) {
        QString text;
        for (const auto& field : line) {
            if (text.isEmpty())
                text = field.caption + QStringLiteral(":\t") + field.value;
            else
                text += QStringLiteral("     ") + field.caption + QStringLiteral(": ") + field.value;
        }
        body.paragraph(text, 10, false, format);
        format.pageBreakBefore = false;
    }
    if (format.pageBreakBefore) // a list without header data: still start the page
        body.paragraph(QString(), 10, false, format);
    body.paragraph(QString(), 9);
}

void summary(WordBody& body, const AssortmentSummary& summary, std::optional<int> lot, bool dezimalpunkt)
{
    const Format columns{WordBody::Align::Left,
                         {TabStop{cm(2.5)}, TabStop{cm(5)}, TabStop{cm(9), true}, TabStop{cm(12), true},
                          TabStop{cm(15.5), true}},
                         false,
                         0};
    auto volume = [&](double v) { return rules::formatTwo(v, dezimalpunkt); };
    QString title = QStringLiteral("Sortenzusammenstellung zu Holzliste ") + summary.listName();
    if (lot)
        title += QStringLiteral("  Los ") + QString::number(*lot);
    body.paragraph(title, 12, true, Format{WordBody::Align::Left, {}, false, cm(0.6)});
    Format head = columns;
    head.spaceBeforeTwips = cm(0.2);
    body.paragraph(QStringLiteral(" Holzart\tSorte\tGüte\tStückzahl\tKubatur\tKubaturges."), 10, false, head);
    for (const auto& species : summary.species()) {
        for (const auto& group : species.groups)
            body.paragraph(species.code + QLatin1Char('\t') + group.sorte.trimmed() +
                               group.staerke.trimmed() + QLatin1Char('\t') + group.guete.trimmed() +
                               QLatin1Char('\t') + QString::number(group.pieces) + QLatin1Char('\t') +
                               volume(group.volume),
                           9, false, columns);
        body.paragraph(species.code + QStringLiteral("\t\t\t") + QString::number(species.pieces) +
                           QStringLiteral("\t\t") + volume(species.volume),
                       12, true, columns);
    }
    Format closing = columns;
    closing.spaceBeforeTwips = cm(0.3);
    body.paragraph(QStringLiteral("\t\t\t\tGesamt\t") + volume(summary.totalVolume()), 10, true, closing);
}

// A photo as the document carries it: upright as taken (EXIF orientation),
// at most 1600 pixels on its long side and JPEG, so that a list with dozens
// of phone photos stays a document one can mail. Null when the file is
// missing or unreadable.
QByteArray documentPicture(const QString& file, QSize* size)
{
    const QImage image = readPhoto(file, QSize(1600, 1600));
    if (image.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 85))
        return QByteArray();
    *size = image.size();
    return bytes;
}

// Each lot's photos from a new page, under "Fotos von Los N", each at most
// 15 x 10 cm with its caption; a missing file is named instead.
void photoPages(DocxPackage::Parts& parts, const QList<LotPlaces::Photo>& photos)
{
    std::optional<int> lot;
    for (const LotPlaces::Photo& photo : photos) {
        if (photo.lot != lot) {
            lot = photo.lot;
            parts.body.paragraph(QStringLiteral("Fotos von Los %1").arg(photo.lot), 12, true,
                                 Format{WordBody::Align::Left, {}, true, 0});
        }
        QSize size;
        const QByteArray picture = documentPicture(photo.file, &size);
        const Format caption{WordBody::Align::Center, {}, false, cm(0.1)};
        if (picture.isEmpty()) {
            parts.body.paragraph(QStringLiteral("Foto fehlt: ") + QDir::toNativeSeparators(photo.file), 9,
                                 false, Format{WordBody::Align::Center, {}, false, cm(0.4)});
            parts.body.paragraph(photo.caption, 9, false, caption);
            continue;
        }
        const double scale = qMin(double(cm(15)) / size.width(), double(cm(10)) / size.height());
        parts.pictures.append(picture);
        parts.body.paragraph(QString(), 6, false, Format{WordBody::Align::Left, {}, false, cm(0.3)});
        parts.body.picture(int(parts.pictures.size()), qRound(size.width() * scale),
                           qRound(size.height() * scale));
        parts.body.paragraph(photo.caption, 9, false, caption);
    }
}

} // namespace

QString WordDocument::volumeLine(double volume, bool dezimalpunkt)
{
    return QStringLiteral("\t\tKubatur   : ") + rules::formatTwo(volume, dezimalpunkt) +
           QStringLiteral(" fm");
}

QString WordDocument::piecesLine(qint64 pieces)
{
    return QStringLiteral("\t\tStückzahl : ") + QString::number(pieces);
}

QByteArray WordDocument::build(const Content& content)
{
    DocxPackage::Parts parts;
    parts.title = QStringLiteral("Holzliste ") + content.list.Liste;
    if (content.lot)
        parts.title += QStringLiteral(" Los ") + QString::number(*content.lot);
    pageHeader(parts.header, content);
    parts.footer.pageNumbers(9);

    double volume = 0;
    qint64 pieces = 0;
    for (const auto& row : content.rows) {
        volume += row.Kubatur;
        if (!row.Folgestamm)
            pieces += rules::roundHalfEven(row.Stueck);
    }

    WordBody::Table table;
    table.widthsTwips = {1000, 1100, 550, 750, 850, 1000, 800, 800, 650, 1000, 750};
    for (int c = 0; c < RecordCells::titles().size(); ++c)
        table.rightAligned << RecordCells::isNumeric(c);
    table.head = RecordCells::titles();
    table.points = 9;
    table.rowHeightTwips = 205; // 52 rows and the fullest header block fit one page

    WordBody& body = parts.body;
    for (qsizetype start = 0; start < content.rows.size() || start == 0; start += RecordsPerPage) {
        listHeaderBlock(body, content.list, start > 0);
        table.rows.clear();
        for (qsizetype i = start; i < qMin(start + RecordsPerPage, content.rows.size()); ++i) {
            const auto& row = content.rows.at(i);
            table.rows << RecordCells::cells(
                row, content.codes.recordCode(row.Holzart, row.Folgestamm, row.Klammerstamm),
                content.dezimalpunkt);
        }
        // The closing row keeps the records off the totals and the next block.
        table.rows << QStringList(RecordCells::titles().size(), QString());
        body.table(table);
        if (content.rows.isEmpty())
            break;
    }

    const Format totals{WordBody::Align::Left, {}, false, cm(0.4)};
    body.paragraph(volumeLine(volume, content.dezimalpunkt), 10, true, totals);
    body.paragraph(piecesLine(pieces), 10, true);
    if (content.summary)
        summary(body, *content.summary, content.lot, content.dezimalpunkt);
    if (!content.places.isEmpty()) {
        body.paragraph(QStringLiteral("Lagerorte der Lose"), 11, true,
                       {WordBody::Align::Left, {}, false, cm(0.6)});
        WordBody::Table places;
        places.widthsTwips = {700, 3200, 2600, 3400};
        places.rightAligned = {false, false, false, false};
        places.head = QStringList{QStringLiteral("Los"), QStringLiteral("Lagerort"),
                                  QStringLiteral("GPS-Position"), QStringLiteral("Zusatz")};
        for (const LotPlaces::Place& place : content.places.places)
            places.rows << QStringList{QString::number(place.lot), place.ort, place.gps, place.zusatz};
        body.table(places);
    }
    if (content.photoPages)
        photoPages(parts, content.places.photos);
    return DocxPackage::build(parts);
}

} // namespace report
