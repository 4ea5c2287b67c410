// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordBody.h"

namespace report {
namespace {

QByteArray runProperties(double points, bool bold)
{
    const QByteArray halfPoints = QByteArray::number(qRound(points * 2));
    QByteArray props = "<w:rPr>";
    if (bold)
        props += "<w:b/>";
    props += "<w:sz w:val=\"" + halfPoints + "\"/><w:szCs w:val=\"" + halfPoints + "\"/></w:rPr>";
    return props;
}

const char* alignValue(WordBody::Align align)
{
    switch (align) {
    case WordBody::Align::Center:
        return "center";
    case WordBody::Align::Right:
        return "right";
    case WordBody::Align::Left:
        break;
    }
    return "left";
}

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

QByteArray WordBody::escape(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (!allowedInXml(c))
            continue;
        switch (c) {
        case '&':
            clean += QLatin1String("&amp;");
            break;
        case '<':
            clean += QLatin1String("&lt;");
            break;
        case '>':
            clean += QLatin1String("&gt;");
            break;
        case '"':
            clean += QLatin1String("&quot;");
            break;
        case '\'':
            clean += QLatin1String("&apos;");
            break;
        default:
            clean += QString::fromUcs4(&c, 1);
        }
    }
    return clean.toUtf8();
}

void WordBody::appendFormat(const Format& format)
{
    m_xml += "<w:pPr>";
    if (format.pageBreakBefore)
        m_xml += "<w:pageBreakBefore/>";
    if (!format.tabs.isEmpty()) {
        m_xml += "<w:tabs>";
        for (const TabStop& tab : format.tabs)
            m_xml += QByteArray("<w:tab w:val=\"") + (tab.right ? "right" : "left") + "\" w:pos=\"" +
                     QByteArray::number(tab.twips) + "\"/>";
        m_xml += "</w:tabs>";
    }
    m_xml += "<w:spacing w:before=\"" + QByteArray::number(format.spaceBeforeTwips) +
             "\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>";
    if (format.hangingTwips > 0)
        m_xml += "<w:ind w:left=\"" + QByteArray::number(format.hangingTwips) + "\" w:hanging=\"" +
                 QByteArray::number(format.hangingTwips) + "\"/>";
    m_xml += QByteArray("<w:jc w:val=\"") + alignValue(format.align) + "\"/></w:pPr>";
}

void WordBody::appendRuns(const QList<Run>& runs)
{
    for (const Run& run : runs) {
        m_xml += "<w:r>" + runProperties(run.points, run.bold);
        QString pending;
        auto flush = [&] {
            if (!pending.isEmpty())
                m_xml += "<w:t xml:space=\"preserve\">" + escape(pending) + "</w:t>";
            pending.clear();
        };
        for (const QChar c : run.text) {
            if (c == QLatin1Char('\t')) {
                flush();
                m_xml += "<w:tab/>";
            } else if (c == QLatin1Char('\n')) {
                flush();
                m_xml += "<w:br/>";
            } else {
                pending += c;
            }
        }
        flush();
        m_xml += "</w:r>";
    }
}

void WordBody::paragraph(const QList<Run>& runs, const Format& format)
{
    m_xml += "<w:p>";
    appendFormat(format);
    appendRuns(runs);
    m_xml += "</w:p>";
}

void WordBody::paragraph(const QString& text, double points, bool bold, const Format& format)
{
    paragraph({Run{text, points, bold}}, format);
}

void WordBody::paragraph(const QString& text, double points, bool bold)
{
    paragraph(text, points, bold, Format());
}

void WordBody::table(const Table& table)
{
    int width = 0;
    for (int w : table.widthsTwips)
        width += w;
    m_xml += "<w:tbl><w:tblPr><w:tblW w:w=\"" + QByteArray::number(width) +
             "\" w:type=\"dxa\"/><w:tblBorders><w:top w:val=\"nil\"/><w:left w:val=\"nil\"/>"
             "<w:bottom w:val=\"nil\"/><w:right w:val=\"nil\"/><w:insideH w:val=\"nil\"/>"
             "<w:insideV w:val=\"nil\"/></w:tblBorders><w:tblLayout w:type=\"fixed\"/>"
             "<w:tblCellMar><w:left w:w=\"57\" w:type=\"dxa\"/><w:right w:w=\"57\" w:type=\"dxa\"/>"
             "</w:tblCellMar></w:tblPr><w:tblGrid>";
    for (int w : table.widthsTwips)
        m_xml += "<w:gridCol w:w=\"" + QByteArray::number(w) + "\"/>";
    m_xml += "</w:tblGrid>";

    // Rows never split across pages; the head row repeats on every page.
    auto rowProps = [&](bool head) {
        QByteArray props = "<w:trPr><w:cantSplit/>";
        if (table.rowHeightTwips > 0)
            props +=
                "<w:trHeight w:val=\"" + QByteArray::number(table.rowHeightTwips) + "\" w:hRule=\"exact\"/>";
        if (head)
            props += "<w:tblHeader/>";
        return props + "</w:trPr>";
    };
    const QByteArray plain = runProperties(table.points, false);
    const QByteArray bold = runProperties(table.points, true);
    const QByteArray spacing = "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/>";
    auto row = [&](const QStringList& cells, bool head) {
        m_xml += "<w:tr>" + rowProps(head);
        for (int c = 0; c < table.widthsTwips.size(); ++c) {
            const bool right = c < table.rightAligned.size() && table.rightAligned.at(c);
            m_xml += "<w:tc><w:tcPr><w:tcW w:w=\"" + QByteArray::number(table.widthsTwips.at(c)) +
                     "\" w:type=\"dxa\"/></w:tcPr><w:p><w:pPr>" + spacing + "<w:jc w:val=\"" +
                     (right ? "right" : "left") + "\"/></w:pPr>";
            const QString text = c < cells.size() ? cells.at(c) : QString();
            if (!text.isEmpty())
                m_xml += "<w:r>" + (head ? bold : plain) + "<w:t xml:space=\"preserve\">" + escape(text) +
                         "</w:t></w:r>";
            m_xml += "</w:p></w:tc>";
        }
        m_xml += "</w:tr>";
    };
    if (!table.head.isEmpty())
        row(table.head, true);
    for (const QStringList& cells : table.rows)
        row(cells, false);
    m_xml += "</w:tbl>";
}

void WordBody::pageNumbers(double points, Align align)
{
    const QByteArray props = runProperties(points, false);
    auto field = [&](const char* instruction) {
        return "<w:r>" + props + "<w:fldChar w:fldCharType=\"begin\"/></w:r><w:r>" + props +
               "<w:instrText xml:space=\"preserve\"> " + instruction + " </w:instrText></w:r><w:r>" + props +
               "<w:fldChar w:fldCharType=\"separate\"/></w:r><w:r>" + props + "<w:t>1</w:t></w:r><w:r>" +
               props + "<w:fldChar w:fldCharType=\"end\"/></w:r>";
    };
    m_xml += "<w:p>";
    appendFormat(Format{align, {}, false, 0});
    m_xml += "<w:r>" + props + "<w:t xml:space=\"preserve\">Seite </w:t></w:r>" + field("PAGE") + "<w:r>" +
             props + "<w:t xml:space=\"preserve\"> von </w:t></w:r>" + field("NUMPAGES") + "</w:p>";
}

void WordBody::picture(int number, int widthTwips, int heightTwips)
{
    // Drawing sizes are in EMU, 635 to the twip.
    const QByteArray cx = QByteArray::number(qint64(widthTwips) * 635);
    const QByteArray cy = QByteArray::number(qint64(heightTwips) * 635);
    const QByteArray n = QByteArray::number(number);
    m_xml += "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" "
             "distL=\"0\" distR=\"0\"><wp:extent cx=\"" + cx + "\" cy=\"" + cy +
             "\"/><wp:docPr id=\"" + n + "\" name=\"Foto " + n +
             "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/></wp:cNvGraphicFramePr>"
             "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
             "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"" + n + "\" name=\"Foto " + n +
             "\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"rIdPicture" + n +
             "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
             "<a:ext cx=\"" + cx + "\" cy=\"" + cy +
             "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData>"
             "</a:graphic></wp:inline></w:drawing></w:r></w:p>";
}

} // namespace report
