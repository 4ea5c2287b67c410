// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ListenRow.h"

#include <QList>
#include <QString>
#include <QStringList>

// The texts the report program builds from a list: fixed-width padding of
// the summary lines, the header text above a printed list, and the list
// header block of the documents.
namespace report::ReportTexts {

inline constexpr QChar CR = QChar(13);
inline constexpr QChar LF = QChar(10);

// Blanks appended to a field of this length; 12 and more get none.
int paddingFor(qsizetype length);
// The field followed by its padding.
QString padField(const QString& field);
// The fields, each padded, joined without separators.
QString padLine(const QStringList& fields);

// Liste, Name, Strasse and Ort of the list, each non-empty one followed by
// LF, and one more LF.
QString headerText(const store::ListenRow& list);

// One caption with its value in the list header block.
struct HeaderField {
    QString caption;
    QString value;
};
using HeaderLine = QList<HeaderField>;

// The list's header data as lines of captioned fields: Name; Straße; Ort
// with Forstamt; Revier with Abteilung, UAbt and Bestand; Lagerplatz;
// Datum; Stückzahl; Lose; Konvertiert; Bearbeitet. Empty fields are left out, and so
// are lines without fields. The remark and the stored volume are not part
// of it: the documents count the volume from the records themselves.
QList<HeaderLine> listHeaderBlock(const store::ListenRow& list);

// dd.MM.yyyy, empty for no date.
QString germanDate(const QDate& date);

} // namespace report::ReportTexts
