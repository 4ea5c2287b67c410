// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportLayout.h"

#include "DocumentFiles.h"
#include "HolzartCodes.h"
#include "PhotoImage.h"
#include "RecordCells.h"
#include "ReportError.h"
#include "ReportTexts.h"

#include "rules/Numbers.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMap>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace report {
namespace {

// All measures in points (1/72 inch); converted to device units on painting.
constexpr double PageWidth = 595.28;
constexpr double PageHeight = 841.89;
constexpr double MarginX = 42.5; // 15 mm
constexpr double MarginTop = 34;
constexpr double MarginBottom = 34;
constexpr double HeadTitleHeight = 16; // running head: list and owner
constexpr double HeadLineHeight = 10;  // one line of the running head's details
constexpr int HeadMaxLines = 3;
constexpr double HeadRuleGap = 10; // below the details, down to the head's rule
constexpr double FootHeight = 22;  // footer with its rule
constexpr double ContentWidth = PageWidth - 2 * MarginX;
constexpr double ContentBottom = PageHeight - MarginBottom - FootHeight;
constexpr double HeaderCaptionWidth = 62; // captions of the list header block

enum class Kind {
    TitleMain,
    TitleLine,
    HeaderLine,
    Gap,
    SectionTitle,
    SummaryHead,
    SummaryGroup,
    SummarySpecies,
    SummaryTotal,
    RecordHead,
    Record,
    Totals,
    LotHead,
    LotRow,
    PlaceHead,
    PlaceRow,
    PhotoPage,
};

double heightOf(Kind kind)
{
    switch (kind) {
    case Kind::TitleMain:
        return 24;
    case Kind::TitleLine:
        return 15;
    case Kind::HeaderLine:
        return 13;
    case Kind::Gap:
        return 10;
    case Kind::SectionTitle:
        return 22;
    case Kind::SummaryHead:
    case Kind::RecordHead:
    case Kind::LotHead:
        return 15;
    case Kind::SummaryGroup:
    case Kind::LotRow:
        return 12.5;
    case Kind::SummarySpecies:
        return 17;
    case Kind::SummaryTotal:
        return 20;
    case Kind::Record:
        return 11.6;
    case Kind::Totals:
        return 20;
    case Kind::PlaceHead:
        return 15;
    case Kind::PlaceRow:
        return 12.5;
    case Kind::PhotoPage:
        return ContentBottom; // fills its page
    }
    return 12;
}

// The column head that a continued table repeats at the top of a page.
std::optional<Kind> headFor(Kind kind)
{
    switch (kind) {
    case Kind::SummaryGroup:
    case Kind::SummarySpecies:
    case Kind::SummaryTotal:
        return Kind::SummaryHead;
    case Kind::Record:
        return Kind::RecordHead;
    case Kind::LotRow:
        return Kind::LotHead;
    case Kind::PlaceRow:
        return Kind::PlaceHead;
    default:
        return std::nullopt;
    }
}

struct Item {
    Kind kind;
    int index = 0; // row, line or species index
    int sub = -1;  // group index within a species
};

struct Column {
    double x;
    double width;
    bool right;
};

QList<Column> columns(const QList<double>& widths, const QList<bool>& right)
{
    double total = 0;
    for (double w : widths)
        total += w;
    const double scale = ContentWidth / total;
    QList<Column> result;
    double x = MarginX;
    for (int i = 0; i < widths.size(); ++i) {
        result << Column{x, widths.at(i) * scale, right.value(i)};
        x += widths.at(i) * scale;
    }
    return result;
}

} // namespace

struct ReportLayout::Plan {
    QList<QList<Item>> pages;
};

ReportLayout::ReportLayout(ReportDocument document) : m_document(std::move(document)) {}

ReportLayout::~ReportLayout() = default;

namespace {

constexpr double HeadDetailPoints = 7.5;

// Text widths in the layout's points, measured for the device painted on.
class Metrics {
public:
    Metrics(const QFont& font, QPaintDevice* device, double unit) : m(font, device), u(unit) {}
    double width(const QString& text) const { return m.horizontalAdvance(text) / u; }
    QString elided(const QString& text, double width) const
    {
        return m.elidedText(text, Qt::ElideRight, width * u);
    }

private:
    QFontMetricsF m;
    double u;
};

class Painter {
public:
    Painter(QPainter& painter, const ReportDocument& doc, double unit)
        : p(painter), d(doc), u(unit), normal(QStringLiteral("DejaVu Sans")), bold(normal)
    {
        normal.setStyleHint(QFont::SansSerif);
        bold.setBold(true);
        const QList<double> recordWidths{92, 46, 30, 36, 44, 44, 36, 40, 36, 52, 36};
        QList<bool> right;
        for (int c = 0; c < recordWidths.size(); ++c)
            right << RecordCells::isNumeric(c);
        recordColumns = columns(recordWidths, right);
        summaryColumns =
            columns({150, 60, 55, 55, 60, 65, 75}, {false, false, false, false, true, true, true});
        lotColumns = columns({60, 90, 90, 110, 160}, {false, true, true, true, false});
        placeColumns = columns({40, 160, 130, 170}, {false, false, false, false});
        // Six photos to a page, lot by lot.
        for (qsizetype i = 0; i < d.places.photos.size(); ++i) {
            const int lot = d.places.photos.at(i).lot;
            if (photoPages.isEmpty() || d.places.photos.at(photoPages.last().last()).lot != lot ||
                photoPages.last().size() == PhotosPerPage)
                photoPages.append(QList<int>());
            photoPages.last() << int(i);
        }
        for (const auto& row : d.rows) {
            volume += row.Kubatur;
            if (!row.Folgestamm)
                pieces += rules::roundHalfEven(row.Stueck);
            auto& lot = lots[row.Los];
            ++lot.records;
            lot.volume += row.Kubatur;
            if (!row.Folgestamm)
                lot.pieces += rules::roundHalfEven(row.Stueck);
        }
        titleLines = d.headerText.split(ReportTexts::LF, Qt::SkipEmptyParts);
        headerBlock = ReportTexts::listHeaderBlock(d.list);
        headDetails = wrapHeadDetails();
        contentTop = MarginTop + HeadTitleHeight +
                     HeadLineHeight * double(std::max<qsizetype>(1, headDetails.size())) + HeadRuleGap;
    }

    QList<QList<Item>> paginate() const
    {
        QList<Item> flow;
        for (int i = 0; i < titleLines.size(); ++i)
            flow << Item{i == 0 ? Kind::TitleMain : Kind::TitleLine, i};
        if (!headerBlock.isEmpty()) {
            flow << Item{Kind::Gap};
            for (int i = 0; i < headerBlock.size(); ++i)
                flow << Item{Kind::HeaderLine, i};
        }
        if (d.summary) {
            flow << Item{Kind::SectionTitle, 0} << Item{Kind::SummaryHead};
            const auto& species = d.summary->species();
            for (int s = 0; s < species.size(); ++s) {
                for (int g = 0; g < species.at(s).groups.size(); ++g)
                    flow << Item{Kind::SummaryGroup, s, g};
                flow << Item{Kind::SummarySpecies, s};
            }
            flow << Item{Kind::SummaryTotal};
        }
        flow << Item{Kind::SectionTitle, 1} << Item{Kind::RecordHead};
        for (int r = 0; r < d.rows.size(); ++r)
            flow << Item{Kind::Record, r};
        flow << Item{Kind::Totals};
        if (d.lotTotals && !lots.isEmpty()) {
            flow << Item{Kind::SectionTitle, 2} << Item{Kind::LotHead};
            for (auto it = lots.begin(); it != lots.end(); ++it)
                flow << Item{Kind::LotRow, it.key()};
        }
        if (!d.places.places.isEmpty()) {
            flow << Item{Kind::SectionTitle, 3} << Item{Kind::PlaceHead};
            for (int i = 0; i < d.places.places.size(); ++i)
                flow << Item{Kind::PlaceRow, i};
        }
        if (d.photoPages)
            for (int i = 0; i < photoPages.size(); ++i)
                flow << Item{Kind::PhotoPage, i};

        QList<QList<Item>> pages(1);
        double y = contentTop;
        for (int i = 0; i < flow.size(); ++i) {
            const Item& item = flow.at(i);
            double needed = heightOf(item.kind);
            // A title or column head is never left alone at the foot of a page.
            if (item.kind == Kind::SectionTitle || item.kind == Kind::SummaryHead ||
                item.kind == Kind::RecordHead || item.kind == Kind::LotHead)
                needed += 2 * heightOf(Kind::Record);
            if (item.kind == Kind::PhotoPage)
                needed = ContentBottom; // always a page of its own
            if (y + needed > ContentBottom && !pages.last().isEmpty()) {
                pages.append(QList<Item>());
                y = contentTop;
                if (const auto head = headFor(item.kind)) {
                    pages.last() << Item{*head};
                    y += heightOf(*head);
                }
            }
            pages.last() << item;
            y += heightOf(item.kind);
        }
        return pages;
    }

    void page(const QList<Item>& items, int number, int count)
    {
        runningHead();
        footer(number, count);
        double y = contentTop;
        int recordIndex = 0;
        for (const Item& item : items) {
            paintItem(item, y, recordIndex);
            if (item.kind == Kind::Record)
                ++recordIndex;
            y += heightOf(item.kind);
        }
    }

private:
    QRectF rect(double x, double y, double w, double h) const { return QRectF(x * u, y * u, w * u, h * u); }

    void setFont(const QFont& base, double points, const QColor& color = Qt::black)
    {
        QFont font = base;
        font.setPointSizeF(points);
        p.setFont(font);
        p.setPen(color);
    }

    void text(double x, double y, double w, double h, const QString& s, int flags = Qt::AlignLeft)
    {
        p.drawText(rect(x, y, w, h), flags | Qt::AlignVCenter | Qt::TextSingleLine, s);
    }

    void rule(double y, double width = 0.6, const QColor& color = Qt::black)
    {
        p.setPen(QPen(color, width * u));
        p.drawLine(QPointF(MarginX * u, y * u), QPointF((PageWidth - MarginX) * u, y * u));
    }

    void cells(const QList<Column>& cols, double y, double h, const QStringList& texts)
    {
        for (int c = 0; c < cols.size() && c < texts.size(); ++c) {
            const Column& col = cols.at(c);
            // Text after a right-aligned number keeps a visible gap to it.
            const double lead = !col.right && c > 0 && cols.at(c - 1).right ? 10 : 2;
            text(col.x + lead, y, col.width - lead - 2, h, texts.at(c),
                 col.right ? Qt::AlignRight : Qt::AlignLeft);
        }
    }

    void runningHead()
    {
        const double y = MarginTop;
        setFont(bold, 11);
        text(MarginX, y, ContentWidth * 0.6, 16, QStringLiteral("Holzliste ") + d.list.Liste);
        setFont(normal, 9);
        text(MarginX + ContentWidth * 0.4, y, ContentWidth * 0.6, 16, d.list.Name, Qt::AlignRight);
        setFont(normal, HeadDetailPoints, QColor(60, 60, 60));
        double lineY = y + HeadTitleHeight;
        for (const QString& line : headDetails) {
            text(MarginX, lineY, ContentWidth, HeadLineHeight + 2, line);
            lineY += HeadLineHeight;
        }
        rule(contentTop - 6, 0.8);
    }

    // The header data below the running head's title, field by field, on as
    // many lines as they need (up to three); a field is never cut in two,
    // only a single field longer than the whole line is shortened.
    QStringList wrapHeadDetails() const
    {
        QFont font = normal;
        font.setPointSizeF(HeadDetailPoints);
        const Metrics metrics(font, p.device(), u);
        const QString separator = QStringLiteral("  ·  ");
        QStringList lines;
        QString current;
        for (const auto& line : headerBlock) {
            for (const auto& field : line) {
                if (field.caption == QLatin1String("Name"))
                    continue;
                const QString part = field.caption + QLatin1Char(' ') + field.value;
                const QString joined = current.isEmpty() ? part : current + separator + part;
                if (current.isEmpty() || metrics.width(joined) <= ContentWidth) {
                    current = joined;
                    continue;
                }
                lines << current;
                current = part;
            }
        }
        if (!current.isEmpty())
            lines << current;
        for (QString& line : lines)
            line = metrics.elided(line, ContentWidth);
        if (lines.size() > HeadMaxLines) {
            lines.resize(HeadMaxLines);
            lines.last() = metrics.elided(lines.last() + separator + QStringLiteral("…"), ContentWidth);
        }
        return lines;
    }

    void footer(int number, int count)
    {
        const double y = PageHeight - MarginBottom - FootHeight;
        rule(y + 4, 0.4, QColor(120, 120, 120));
        setFont(normal, 8, QColor(60, 60, 60));
        text(MarginX, y + 6, ContentWidth / 3, FootHeight - 6,
             QStringLiteral("Gedruckt am ") + ReportTexts::germanDate(d.printed));
        setFont(normal, 8.5);
        text(MarginX, y + 6, ContentWidth, FootHeight - 6,
             QStringLiteral("Seite %1 von %2").arg(number).arg(count), Qt::AlignHCenter);
        setFont(normal, 8, QColor(60, 60, 60));
        text(MarginX + ContentWidth * 2 / 3, y + 6, ContentWidth / 3, FootHeight - 6,
             QStringLiteral("Stemprint"), Qt::AlignRight);
    }

    QString number(double value) const { return rules::formatTwoGrouped(value, d.dezimalpunkt); }

    void paintItem(const Item& item, double y, int recordIndex)
    {
        const double h = heightOf(item.kind);
        switch (item.kind) {
        case Kind::TitleMain:
            setFont(bold, 15);
            text(MarginX, y, ContentWidth, h, titleLines.at(item.index));
            break;
        case Kind::TitleLine:
            setFont(normal, 11);
            text(MarginX, y, ContentWidth, h, titleLines.at(item.index));
            break;
        case Kind::HeaderLine: {
            // The first field's value stands in the value column; further
            // fields of the line follow it at their own widths, so no value
            // runs into the next field.
            QFont font = normal;
            font.setPointSizeF(9);
            const Metrics metrics(font, p.device(), u);
            const double right = MarginX + ContentWidth;
            double x = MarginX;
            bool first = true;
            for (const auto& field : headerBlock.at(item.index)) {
                const QString caption = field.caption + QLatin1Char(':');
                const double captionWidth = first ? HeaderCaptionWidth : metrics.width(caption) + 4;
                if (x + captionWidth >= right)
                    break;
                setFont(normal, 9, QColor(70, 70, 70));
                text(x, y, captionWidth, h, caption);
                x += captionWidth;
                const QString value = metrics.elided(field.value, right - x);
                setFont(normal, 9);
                text(x, y, right - x, h, value);
                x += metrics.width(value) + 18;
                first = false;
            }
            break;
        }
        case Kind::Gap:
            break;
        case Kind::SectionTitle: {
            static const char* titles[] = {"Sortenzusammenstellung", "Einzelaufstellung", "Summen je Los",
                                           "Lagerorte der Lose"};
            setFont(bold, 11);
            text(MarginX, y + 6, ContentWidth, h - 6, QString::fromUtf8(titles[item.index]));
            break;
        }
        case Kind::SummaryHead:
            head(summaryColumns, y, h,
                 {QStringLiteral("Holzart"), QStringLiteral("Sorte"), QStringLiteral("Stärke"),
                  QStringLiteral("Güte"), QStringLiteral("Stück"), QStringLiteral("Kubatur"),
                  QStringLiteral("Kubatur ges.")});
            break;
        case Kind::SummaryGroup: {
            const auto& species = d.summary->species().at(item.index);
            const auto& group = species.groups.at(item.sub);
            setFont(normal, 8.5);
            cells(summaryColumns, y, h,
                  {species.code, group.sorte.trimmed(), group.staerke.trimmed(), group.guete.trimmed(),
                   QString::number(group.pieces), number(group.volume)});
            break;
        }
        case Kind::SummarySpecies: {
            const auto& species = d.summary->species().at(item.index);
            p.fillRect(rect(MarginX, y + 1, ContentWidth, h - 4), QColor(235, 235, 235));
            setFont(bold, 8.5);
            cells(summaryColumns, y + 1, h - 4,
                  {species.name + QStringLiteral(" (") + species.code + QLatin1Char(')'), QString(),
                   QString(), QString(), QString::number(species.pieces), QString(), number(species.volume)});
            break;
        }
        case Kind::SummaryTotal:
            rule(y + 3, 0.6);
            setFont(bold, 9);
            cells(summaryColumns, y + 4, h - 4,
                  {QStringLiteral("Gesamt"), QString(), QString(), QString(), QString(), QString(),
                   number(d.summary->totalVolume()) + QStringLiteral(" fm")});
            break;
        case Kind::RecordHead:
            head(recordColumns, y, h, RecordCells::titles());
            break;
        case Kind::Record: {
            if (recordIndex % 2 == 1)
                p.fillRect(rect(MarginX, y, ContentWidth, h), QColor(242, 242, 242));
            const auto& row = d.rows.at(item.index);
            const QString species = HolzartCodes::marked(row.Holzart, row.Folgestamm, row.Klammerstamm);
            if (!recordFontSet) {
                setFont(normal, 8);
                recordFontSet = true;
            }
            cells(recordColumns, y, h, RecordCells::cells(row, species, d.dezimalpunkt));
            return;
        }
        case Kind::Totals:
            rule(y + 3, 0.6);
            setFont(bold, 9);
            text(MarginX + 2, y + 4, ContentWidth, h - 4,
                 QStringLiteral("Summe: %1 Datensätze   Stückzahl %2   Kubatur %3 fm")
                     .arg(d.rows.size())
                     .arg(pieces)
                     .arg(number(volume)));
            break;
        case Kind::LotHead:
            head(lotColumns, y, h,
                 {QStringLiteral("Los"), QStringLiteral("Datensätze"), QStringLiteral("Stück"),
                  QStringLiteral("Kubatur fm"), QString()});
            break;
        case Kind::LotRow: {
            const Lot& lot = lots.value(item.index);
            setFont(normal, 8.5);
            cells(lotColumns, y, h,
                  {QString::number(item.index), QString::number(lot.records), QString::number(lot.pieces),
                   number(lot.volume)});
            break;
        }
        case Kind::PlaceHead:
            head(placeColumns, y, h,
                 {QStringLiteral("Los"), QStringLiteral("Lagerort"), QStringLiteral("GPS-Position"),
                  QStringLiteral("Zusatz")});
            break;
        case Kind::PlaceRow: {
            const LotPlaces::Place& place = d.places.places.at(item.index);
            setFont(normal, 8.5);
            cells(placeColumns, y, h, {QString::number(place.lot), place.ort, place.gps, place.zusatz});
            break;
        }
        case Kind::PhotoPage:
            photoPage(photoPages.at(item.index), y);
            break;
        }
        recordFontSet = false;
    }

    // Up to six photos of one lot in two columns, each under its date and
    // position; a photo whose file is missing leaves a framed note.
    void photoPage(const QList<int>& photos, double top)
    {
        const int lot = d.places.photos.at(photos.first()).lot;
        setFont(bold, 11);
        text(MarginX, top + 6, ContentWidth, 16, QStringLiteral("Fotos von Los %1").arg(lot));
        const double gap = 14;
        const double cellWidth = (ContentWidth - gap) / 2;
        const double gridTop = top + 30;
        const double cellHeight = (ContentBottom - gridTop) / 3;
        const double captionHeight = 14;
        for (int i = 0; i < photos.size(); ++i) {
            const LotPlaces::Photo& photo = d.places.photos.at(photos.at(i));
            const double x = MarginX + (i % 2) * (cellWidth + gap);
            const double y = gridTop + (i / 2) * cellHeight;
            const QRectF box = rect(x, y, cellWidth, cellHeight - captionHeight - 8);
            // Read at the size it is printed at (300 dpi), not at the camera's.
            const QImage image = readPhoto(photo.file, QSizeF(box.size() * (300.0 / 72.0 / u)).toSize());
            double bottom = box.bottom() / u; // the caption goes right under the picture
            if (image.isNull()) {
                p.setPen(QPen(QColor(150, 150, 150), 0.6 * u));
                p.drawRect(box);
                setFont(normal, 9, QColor(120, 120, 120));
                p.drawText(box, Qt::AlignCenter, QStringLiteral("Foto fehlt"));
            } else {
                const QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
                const QRectF target(box.x() + (box.width() - size.width()) / 2, box.y(), size.width(),
                                    size.height());
                p.drawImage(target, image);
                bottom = target.bottom() / u;
            }
            setFont(normal, 8.5, QColor(60, 60, 60));
            text(x, bottom + 3, cellWidth, captionHeight, photo.caption);
        }
    }

    void head(const QList<Column>& cols, double y, double h, const QStringList& titles)
    {
        setFont(bold, 8);
        cells(cols, y, h - 2, titles);
        rule(y + h - 1.5, 0.6);
        recordFontSet = false;
    }

    struct Lot {
        int records = 0;
        qint64 pieces = 0;
        double volume = 0;
    };

    QPainter& p;
    const ReportDocument& d;
    double u;
    QFont normal;
    QFont bold;
    static constexpr int PhotosPerPage = 6;
    QList<Column> recordColumns, summaryColumns, lotColumns, placeColumns;
    QList<QList<int>> photoPages; // indexes into d.places.photos
    QStringList titleLines;
    QList<ReportTexts::HeaderLine> headerBlock;
    QStringList headDetails;
    double contentTop = MarginTop + HeadTitleHeight + HeadLineHeight + HeadRuleGap;
    QMap<int, Lot> lots;
    double volume = 0;
    qint64 pieces = 0;
    bool recordFontSet = false;
};

} // namespace

int ReportLayout::paint(QPagedPaintDevice& device) const
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    // Page coordinates start at the paper's corner because the margins are 0.
    const double unit = device.logicalDpiX() / 72.0;
    Painter pages(painter, m_document, unit);
    const auto plan = pages.paginate();
    for (int i = 0; i < plan.size(); ++i) {
        if (i > 0)
            device.newPage();
        pages.page(plan.at(i), i + 1, int(plan.size()));
    }
    painter.end();
    return int(plan.size());
}

int ReportLayout::writePdf(QIODevice& device) const
{
    QPdfWriter writer(&device);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Stemprint"));
    writer.setTitle(QStringLiteral("Holzliste ") + m_document.list.Liste);
    const int pages = paint(writer);
    if (pages == 0)
        throw ReportError(QStringLiteral("Die Seiten konnten nicht erzeugt werden."));
    return pages;
}

int ReportLayout::writePdf(const QString& path) const
{
    // The pages go to memory first: a failing disk must not leave half a file behind.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const int pages = writePdf(buffer);
    buffer.close();
    DocumentFiles::save(path, buffer.data());
    return pages;
}

} // namespace report
