// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferReader.h"

#include "rules/Numbers.h"
#include "rules/Volume.h"

#include <algorithm>
#include <limits>

namespace importer {
namespace {

constexpr int NoLimit = std::numeric_limits<int>::max();

// Columns of a record line: the volume block starts at 38 and is followed
// by the height block (38 characters), then the location block whose last
// four characters are the use code, the remark (50), the price kind (2), a
// blank, the price (8) and the DekaData fields (45 characters in all).
constexpr int VolumeBlockAt = 38;
constexpr int HeightBlockLength = 38;
constexpr int LocationBlockLength = 16;
constexpr int RemarkLength = 50;
constexpr int ExtraFieldsLength = 45;
// How a height block without a height begins.
constexpr QLatin1StringView EmptyHeightStart("    0.00   0");

QString withoutBlanks(QStringView text)
{
    QString result;
    for (QChar c : text)
        if (!c.isSpace())
            result += c;
    return result;
}

// A price as the entry screen keeps it: with the German decimal comma.
QString priceText(QStringView field)
{
    QString text = withoutBlanks(field);
    if (text.isEmpty())
        return QStringLiteral("");
    if (!text.contains(QLatin1Char(',')))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

QString TransferReader::listName(QStringView nameLine)
{
    return ListBuilder::listName(nameLine.size() > 5 ? nameLine.sliced(5) : QStringView());
}

void TransferReader::read(const QStringList& lines, int typeLine, int nameLine, const Progress& progress)
{
    const qint64 total = lines.size();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (progress && (i & 1023) == 0)
            progress(i, total);
        if (i != typeLine && i != nameLine)
            readLine(lines[i], int(i + 1));
    }
    m_builder.finish();
    if (progress)
        progress(total, total);
}

void TransferReader::readLine(const QString& line, int lineNumber)
{
    ImportedList& list = m_builder.list();
    store::ListenRow& header = list.header;
    if (line.size() < 2)
        return;
    const QStringView id = QStringView(line).first(2);
    const QStringView value = line.size() > 5 ? QStringView(line).sliced(5) : QStringView();
    if (id[0] == QLatin1Char('1')) {
        if (id[1] == QLatin1Char('R') || id[1] == QLatin1Char('P') || id[1] == QLatin1Char('S') ||
            id[1] == QLatin1Char('M'))
            Transfersatz_Lesen(line, lineNumber);
    } else if (id == QLatin1String("LL")) {
        FieldReader fields(line, lineNumber, list.errors);
        m_builder.addStorage(fields);
    } else if (id == QLatin1String("0B")) {
        header.Zusatztext = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0C")) {
        FieldReader fields(line, lineNumber, list.errors);
        m_builder.setDate(fields, value);
    } else if (id == QLatin1String("0D")) {
        header.Name = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0E")) {
        header.Strasse = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0G")) {
        header.Ort = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0L")) {
        header.Forstamt = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0M")) {
        header.Revier = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0N")) {
        header.Abteilung = ListBuilder::headerValue(value);
    } else if (id == QLatin1String("0S")) {
        header.Lagerplatz = ListBuilder::headerValue(value.left(50));
    }
    // "AD", "UA", "BE", a second type or name line and anything unknown: skipped.
}

void TransferReader::Transfersatz_Lesen(QStringView line, int lineNumber)
{
    ImportedList& list = m_builder.list();
    FieldReader f(line, lineNumber, list.errors);
    const QStringView kind = line.left(2);
    const bool stacked = kind == QLatin1String("1S");
    const bool samples = kind == QLatin1String("1M");
    const int volumeBlockLength = stacked ? 18 : 15;
    f.require(VolumeBlockAt + volumeBlockLength - 1, QStringLiteral("der Datensatz"));

    store::HolzRow& row = m_builder.addRecord(f.whole(3, 3, QStringLiteral("Los"), 0, 255));
    const QStringView marker = f.mid(6, 1);
    row.Klammerstamm = marker == QLatin1String("L");
    row.Folgestamm = marker == QLatin1String("F");
    row.Nummer = f.whole(7, 6, QStringLiteral("Nummer"), 0, NoLimit);
    // A record line without a log number is an assortment, however its
    // kind reads: the files write "1R" for both.
    row.Einzelstamm = kind == QLatin1String("1R") && row.Nummer != 0;
    row.Rinde = f.mid(13, 1).toString();
    row.Holzart = m_builder.species(f.mid(16, 3));
    row.Sorte = ListBuilder::twoCharacterCode(f.mid(19, 3));
    row.Guete = f.mid(22, 3).trimmed().toString();
    row.Staerke = f.mid(25, 4).trimmed().toString();
    row.Stueck = f.decimal(29, 5, QStringLiteral("Stückzahl"));
    row.Laenge = f.decimal(34, 4, QStringLiteral("Länge"));
    if (stacked) {
        row.Stamm = ListBuilder::factorText(f, f.mid(44, 6));
        row.Kubatur = f.decimal(50, 6, QStringLiteral("Kubatur"));
        // A stack's height and width stand at the start of the height
        // block, six columns each; a block without them is a fixed text
        // of other columns.
        const int heightAt = VolumeBlockAt + volumeBlockLength;
        if (f.mid(heightAt, EmptyHeightStart.size()) != EmptyHeightStart) {
            row.Hoehe = f.decimal(heightAt, 6, QStringLiteral("Höhe"));
            row.Durchm = f.decimal(heightAt + 6, 6, QStringLiteral("Breite"));
        }
    } else {
        row.Durchm = f.decimal(38, 3, QStringLiteral("Durchmesser"));
        // The deduction's whole centimetres are right-aligned in two columns
        // (10 cm or more stay whole), its decimals follow.
        row.RindenAbzug = f.decimal(41, 5, QStringLiteral("Rindenabzug"));
        row.Kubatur = f.decimal(47, 6, QStringLiteral("Kubatur"));
    }

    const int locationAt = VolumeBlockAt + volumeBlockLength + HeightBlockLength;
    row.Nutzung = m_builder.nutzung(f.mid(locationAt + LocationBlockLength - 4, 4));
    const int remarkAt = locationAt + LocationBlockLength;
    row.Zusatztext = f.text(remarkAt, RemarkLength);
    const int priceAt = remarkAt + RemarkLength;
    if (m_format == SourceFormat::Habsys)
        readPrice(f, priceAt, row);
    const int extraAt = priceAt + 11;
    if (m_format == SourceFormat::DekaData)
        readExtraFields(f, extraAt, row);
    // A record without compartment carries a blank, as the program has
    // always stored it for transfer files.
    if (row.Abteilung.isEmpty())
        row.Abteilung = QStringLiteral(" ");

    const QStringView rest = f.from(extraAt + ExtraFieldsLength);
    if (samples) {
        row.Stamm = store::HolzRow::sampleMark();
        addSamples(f, rest, row);
    } else if (!rest.isEmpty()) {
        row.Stapel = rest.toString();
    }
}

void TransferReader::readPrice(FieldReader& f, int at, store::HolzRow& row)
{
    const QStringView kind = f.mid(at, 2).trimmed();
    const QStringView price = f.mid(at + 3, 8);
    if (kind == QLatin1String("0")) {
        // A price per record: the file has it per fm.
        row.Preisart = QStringLiteral("€");
        const double perUnit = f.decimalOf(price, QStringLiteral("Preis"));
        row.Preisfaktor =
            price.trimmed().isEmpty() ? QStringLiteral("") : rules::formatTwo(perUnit * row.Kubatur, false);
        return;
    }
    if (kind == QLatin1String("1"))
        row.Preisart = QStringLiteral("€/fm");
    else if (kind == QLatin1String("2"))
        row.Preisart = QStringLiteral("€/Rm");
    f.decimalOf(price, QStringLiteral("Preis")); // reports a price that is no number
    row.Preisfaktor = priceText(price);
}

void TransferReader::readExtraFields(FieldReader& f, int at, store::HolzRow& row)
{
    row.Abteilung = f.text(at, 8);
    row.RF = f.text(at + 8, 6);
    row.AArt = f.whole(at + 14, 2, QStringLiteral("AArt"), -9, 99, -1);
    row.Rotte = f.text(at + 16, 4);
    row.AbrNr = f.text(at + 20, 7);
    row.EST1 = f.whole(at + 27, 2, QStringLiteral("EST1"), -9, 99, -1);
    row.EST2 = f.whole(at + 29, 2, QStringLiteral("EST2"), -9, 99, -1);
    row.EST3 = f.whole(at + 31, 2, QStringLiteral("EST3"), -9, 99, -1);
    row.EST4 = f.text(at + 33, 4);
    row.EST5 = f.text(at + 37, 4);
    row.Polter = f.text(at + 41, 4);
}

void TransferReader::addSamples(FieldReader& f, QStringView diameters, const store::HolzRow& row)
{
    ImportedList& list = m_builder.list();
    int index = 0;
    for (const QStringView item : diameters.split(QLatin1Char(','))) {
        if (item.trimmed().isEmpty())
            continue;
        const int before = list.errors.count();
        const int diameter = f.wholeOf(item, QStringLiteral("Mantel-Durchmesser"), 0, 255);
        if (list.errors.count() != before)
            continue;
        QList<platform::Message> messages;
        double abzug = row.RindenAbzug;
        store::MantelRow sample;
        sample.Liste = row.Liste;
        sample.StapelNr = row.Nummer;
        sample.HolzId = m_builder.recordCount();
        sample.Durchm = diameter;
        sample.Kubatur = rules::Kubatur_Mantelstamm(float(row.Laenge), float(diameter), row.Holzart,
                                                    row.Rinde, abzug, m_builder.bark(), messages);
        sample.Indx = index++;
        list.samples.push_back(std::move(sample));
        for (const auto& message : messages) {
            const bool known =
                std::any_of(list.notices.cbegin(), list.notices.cend(),
                            [&](const platform::Message& m) { return m.text == message.text; });
            if (!known)
                list.notices << message;
        }
    }
}

} // namespace importer
