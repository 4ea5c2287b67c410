// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandheldReader.h"

#include <limits>

namespace importer {
namespace {

constexpr int NoLimit = std::numeric_limits<int>::max();

bool isRecordKind(QChar kind)
{
    return kind == QLatin1Char('R') || kind == QLatin1Char('P') || kind == QLatin1Char('S') ||
           kind == QLatin1Char('K') || kind == QLatin1Char('L') || kind == QLatin1Char('M');
}

QString withoutX(QStringView field)
{
    QString text = field.toString();
    text.remove(QLatin1Char('X'));
    return text.trimmed();
}

} // namespace

QString HandheldReader::listName(QStringView nameLine)
{
    return ListBuilder::listName(nameLine.size() > 4 ? nameLine.sliced(4) : QStringView());
}

void HandheldReader::Handliste_Lesen(const QStringList& lines, int nameLine, const Progress& progress)
{
    const qint64 total = lines.size();
    for (qsizetype i = nameLine + 1; i < lines.size(); ++i) {
        if (progress && (i & 1023) == 0)
            progress(i, total);
        readLine(lines[i], int(i + 1));
    }
    m_builder.finish();
    if (progress)
        progress(total, total);
}

void HandheldReader::readLine(const QString& line, int lineNumber)
{
    ImportedList& list = m_builder.list();
    store::ListenRow& header = list.header;
    if (line.size() < 2 || line[0] != QLatin1Char('0')) {
        if (line.startsWith(QLatin1String("LL"))) {
            FieldReader fields(line, lineNumber, list.errors);
            m_builder.addStorage(fields);
        }
        return;
    }
    const QChar id = line[1];
    if (isRecordKind(id)) {
        Handsatz_Lesen(line, lineNumber);
        return;
    }
    const QStringView value = line.size() > 4 ? QStringView(line).sliced(4) : QStringView();
    switch (id.unicode()) {
    case u'k':
        header.Zusatztext = ListBuilder::headerValue(value);
        break;
    case u'd': {
        FieldReader fields(line, lineNumber, list.errors);
        m_builder.setDate(fields, value);
        break;
    }
    case u't':
        header.Name = ListBuilder::headerValue(value);
        break;
    case u'a':
        header.Strasse = ListBuilder::headerValue(value);
        break;
    case u'e':
        header.Ort = ListBuilder::headerValue(value);
        break;
    case u'b':
        header.Forstamt = ListBuilder::headerValue(value);
        break;
    case u'c':
        header.Revier = ListBuilder::headerValue(value);
        break;
    case u'N':
        header.Abteilung = ListBuilder::headerValue(value);
        break;
    case u'l':
        header.Lagerplatz = ListBuilder::headerValue(value.left(50));
        break;
    case u'E':
        m_endSeen = true;
        break;
    default: // "0!" (end of header) and anything unknown
        break;
    }
}

void HandheldReader::Handsatz_Lesen(QStringView line, int lineNumber)
{
    ImportedList& list = m_builder.list();
    FieldReader f(line, lineNumber, list.errors);
    const QChar kind = line.size() > 1 ? line[1] : QChar();

    store::HolzRow& row = m_builder.addRecord(f.whole(3, 2, QStringLiteral("Los"), 0, 255));
    const int number = f.whole(5, 6, QStringLiteral("Nummer"), 0, NoLimit);
    row.Stueck = 1;
    switch (kind.unicode()) {
    case u'K':
        row.Klammerstamm = true;
        row.Einzelstamm = true;
        row.Nummer = number;
        break;
    case u'L':
        row.Folgestamm = true;
        row.Einzelstamm = true;
        row.Nummer = number;
        break;
    case u'M':
        // Several logs of one measure: the number field holds their count.
        row.Einzelstamm = false;
        row.Nummer = 0;
        row.Stueck = number == 0 ? 1 : number;
        break;
    case u'P':
        row.Einzelstamm = false;
        row.Nummer = number;
        break;
    default: // 'S', 'R'
        row.Einzelstamm = number != 0;
        row.Nummer = number;
        break;
    }

    row.Holzart = m_builder.species(f.mid(11, 3));
    row.Sorte = f.mid(15, 2).toString();
    // Grades are kept as the code lists hold them ("B", not "B "), as the
    // transfer files and the entry screen give them.
    row.Guete = f.text(17, 2);

    int useCodeAt;
    if (kind == QLatin1Char('P')) {
        f.require(36, QStringLiteral("der Datensatz"));
        row.Stueck = f.decimal(19, 4, QStringLiteral("Stückzahl"));
        row.Staerke = f.text(28, 3);
        row.Kubatur = f.decimal(31, 6, QStringLiteral("Kubatur"));
        row.Rinde = QStringLiteral("o");
        row.Abteilung = withoutX(f.mid(44, 9));
        useCodeAt = 53;
    } else if (kind == QLatin1Char('S')) {
        f.require(40, QStringLiteral("der Datensatz"));
        row.Laenge = f.decimal(24, 3, QStringLiteral("Länge"));
        row.Stamm = ListBuilder::factorText(f, f.mid(28, 4));
        row.Staerke = f.text(32, 2);
        // The volume field is seven wide; the leading column only matters
        // from 10 000 on, which the device never writes but a wide value
        // must not lose its first digit.
        row.Kubatur = f.decimal(34, 7, QStringLiteral("Kubatur"));
        row.Rinde = QStringLiteral("o");
        row.Abteilung = withoutX(f.mid(48, 9));
        useCodeAt = 57;
    } else {
        f.require(41, QStringLiteral("der Datensatz"));
        row.Laenge = f.decimal(19, 4, QStringLiteral("Länge"));
        row.Durchm = f.decimal(23, 3, QStringLiteral("Durchmesser"));
        row.Rinde = f.mid(26, 1).toString();
        // Whole centimetres in one column, then the decimals (" 2.00", "0.50").
        row.RindenAbzug = f.decimal(28, 4, QStringLiteral("Rindenabzug"));
        row.Staerke = f.text(33, 2);
        row.Kubatur = f.decimal(35, 7, QStringLiteral("Kubatur"));
        row.Abteilung = withoutX(f.mid(49, 9));
        useCodeAt = 58;
    }
    row.Nutzung = m_builder.nutzung(f.mid(useCodeAt, 4));
    row.Zusatztext = f.text(useCodeAt + 4, 40);
}

} // namespace importer
