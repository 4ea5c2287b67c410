// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace report {

// A piece of WordprocessingML: the paragraphs and tables of a document's
// body, page header or page footer. Texts are escaped here; characters that
// XML cannot carry (control characters) are dropped, so no list name can
// make a document that a word processor refuses to open.
class WordBody {
public:
    enum class Align { Left, Center, Right };
    struct TabStop {
        int twips;
        bool right = false;
    };
    struct Run {
        QString text; // '\t' is a tab, '\n' a line break
        double points = 10;
        bool bold = false;
    };
    struct Format {
        Align align = Align::Left;
        QList<TabStop> tabs;
        bool pageBreakBefore = false;
        int spaceBeforeTwips = 0;
        // Lines after the first start this far in (a caption column).
        int hangingTwips = 0;
    };
    struct Table {
        QList<int> widthsTwips;
        QList<bool> rightAligned; // per column
        QStringList head;         // printed bold; empty for none
        QList<QStringList> rows;
        double points = 9;
        int rowHeightTwips = 0; // exact height; 0 lets the text decide
    };

    void paragraph(const QList<Run>& runs, const Format& format);
    void paragraph(const QString& text, double points, bool bold, const Format& format);
    // Left-aligned, no tab stops.
    void paragraph(const QString& text, double points, bool bold = false);
    // A borderless table without shading.
    void table(const Table& table);
    // A centred paragraph holding the package's picture `number` (1-based,
    // see DocxPackage::Parts::pictures), `widthTwips` x `heightTwips`.
    void picture(int number, int widthTwips, int heightTwips);
    // A paragraph "Seite <page> von <pages>" with the numbers as fields.
    void pageNumbers(double points, Align align = Align::Center);

    const QByteArray& xml() const { return m_xml; }
    bool isEmpty() const { return m_xml.isEmpty(); }

    // Text escaped for element content and attribute values.
    static QByteArray escape(const QString& text);

private:
    void appendRuns(const QList<Run>& runs);
    void appendFormat(const Format& format);
    QByteArray m_xml;
};

} // namespace report
