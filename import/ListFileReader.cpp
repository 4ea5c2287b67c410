// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListFileReader.h"

#include "HandheldReader.h"
#include "ListBuilder.h"
#include "ListFileStream.h"
#include "TransferReader.h"

#include <QBuffer>
#include <limits>

namespace importer {
namespace {

// A record line with blanks where its measures stand: no length, no
// diameter, no volume. Every record ever written has at least one of them.
bool isEmptyRecord(const store::HolzRow& row)
{
    return row.Laenge == 0 && row.Durchm == 0 && row.Kubatur == 0;
}

bool mostlyUnreadable(qint64 recordLines, qint64 unreadable)
{
    return recordLines >= ListFileReader::JudgedAfter && unreadable * 2 > recordLines;
}

} // namespace

QString ListFileReader::listName(ListFile::Kind kind, const QString& nameLine)
{
    return kind == ListFile::Kind::Handheld ? HandheldReader::listName(nameLine)
                                            : TransferReader::listName(nameLine);
}

ListFileReader::Result ListFileReader::read(ListFileStream& stream, const RecordSink& sink)
{
    Result result;
    const QString name = listName(stream.kind(), stream.nameLineText());
    if (name.isEmpty()) {
        result.refusal = QStringLiteral("Die Zeile „0A“ enthält keinen Listennamen.");
        return result;
    }
    ImportedList list;
    list.format = stream.format();
    list.header.Liste = name;
    list.header.Bearbeitet = QDate::currentDate();
    ListBuilder builder(list, m_species, m_useCodes, m_bark);
    builder.setRecordSink(sink);
    const bool handheld = stream.kind() == ListFile::Kind::Handheld;
    HandheldReader handheldReader(builder);
    TransferReader transferReader(builder, stream.format());

    qint64 recordLines = 0;
    qint64 unreadable = 0;
    int firstUnreadable = 0;
    auto refuseUnreadable = [&] {
        result.refusal = QStringLiteral("Von %1 Datensatzzeilen sind %2 nicht lesbar (zuerst Zeile %3); "
                                        "die Datei wurde nicht eingelesen.")
                             .arg(recordLines)
                             .arg(unreadable)
                             .arg(firstUnreadable);
    };
    auto report = [&] {
        if (!m_progress)
            return;
        // The records expected, from the share of the file read so far.
        const qint64 read = qMax<qint64>(1, stream.bytesRead());
        const qint64 expected = qMax(builder.recordCount(), builder.recordCount() * stream.size() / read);
        m_progress(builder.recordCount(), expected);
    };

    QString line;
    while (stream.next(line)) {
        const qint64 index = stream.lineCount() - 1;
        const qint64 recordsBefore = builder.recordCount();
        const int errorsBefore = list.errors.count();
        const int lineNumber = int(qMin<qint64>(index + 1, std::numeric_limits<int>::max()));
        if (handheld) {
            if (index > stream.nameLine())
                handheldReader.readLine(line, lineNumber);
        } else if (index != stream.typeLine() && index != stream.nameLine()) {
            transferReader.readLine(line, lineNumber);
        }
        if (builder.recordCount() != recordsBefore) {
            ++recordLines;
            if ((list.errors.count() != errorsBefore || isEmptyRecord(list.records.back())) &&
                ++unreadable == 1)
                firstUnreadable = lineNumber;
            // Judged as the reading goes, so a big file of junk stops early.
            if (recordLines % 1000 == 0 && mostlyUnreadable(recordLines, unreadable)) {
                refuseUnreadable();
                return result;
            }
        }
        if ((index & 4095) == 0)
            report();
    }
    if (!stream.refusal().isEmpty() || !stream.readError().isEmpty()) {
        result.refusal = stream.refusal();
        result.readError = stream.readError();
        return result;
    }
    builder.finish();
    if (mostlyUnreadable(recordLines, unreadable)) {
        refuseUnreadable();
        return result;
    }
    if (m_progress)
        m_progress(builder.recordCount(), builder.recordCount());

    const QString read = list.totals.records == 1
                             ? QStringLiteral("1 Datensatz wurde gelesen")
                             : QStringLiteral("%1 Datensätze wurden gelesen").arg(list.totals.records);
    if (handheld && !handheldReader.endLineSeen())
        list.incomplete = QStringLiteral("Die Datei endet ohne ihre Schlusszeile „0E“ und ist vielleicht "
                                         "unvollständig: %1.")
                              .arg(read);
    else if (!handheld && !stream.endedWithLineBreak())
        list.incomplete = QStringLiteral("Die letzte Zeile der Datei ist nicht abgeschlossen; die Datei ist "
                                         "vielleicht unvollständig: %1.")
                              .arg(read);
    result.list = std::move(list);
    return result;
}

ListFileReader::Result ListFileReader::Datei_Lesen(const QByteArray& bytes)
{
    QByteArray content(bytes);
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    ListFileStream stream(buffer);
    if (!stream.open()) {
        Result result;
        result.refusal = stream.refusal();
        return result;
    }
    return read(stream);
}

} // namespace importer
