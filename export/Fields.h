// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportError.h"
#include "store/HolzRow.h"
#include "store/ListenRow.h"

#include <QByteArray>
#include <QString>

// The shared field encoders of every exchange-file writer.
//
// All exchange files are fixed-column text: every value is turned into
// text, then padded with blanks to its field's width. A value wider than
// its field ends the export with an overflow error (ExportError::Overflow),
// because a receiving system reading fixed columns would read the next
// field wrongly. The few parts that the formats write only "if they fit"
// go through FixedLine::optional().
//
// Numbers always carry a decimal point, whatever the machine's locale.
namespace exporter {
class FixedLine;
}

namespace exporter::fields {

// `value` followed by blanks up to `width`; a null text counts as one blank.
QString Links_Buendig(int width, const QString& value);
// Blanks up to `width` followed by `value`; a null text counts as one blank.
QString Rechts_Buendig(int width, const QString& value);

// Maps the umlauts among a line's Windows-1252 bytes to their code page 437
// bytes (ö ä ü Ö Ü Ä), as the handheld devices expect; "ß" and every other
// byte stay.
void Umlaute_Wandeln(char* cp1252Bytes, qsizetype size);

// --- numbers ---------------------------------------------------------------

// `decimals` places with a point; halves away from zero, decided on the
// shortest decimal text of the value (so 4.35 stored as 4.34999... gives 4.4).
QString fixed(double value, int decimals);
// The decimal comma of the German number format the program is made for,
// used where a receiving system expects the user's own format (the price).
QString fixedGerman(double value, int decimals);
// Two decimals below 1000, one from 1000 on; never a grouping character.
QString volume(double value);
// The shortest text that reads back as the value ("25", "1.5").
QString plain(double value);
// A number typed into a text column (Stamm, Preisfaktor): ',' or '.' as the
// decimal separator. Throws ExportError::TypeMismatch.
double number(const QString& field, const QString& text);

// --- record fields -----------------------------------------------------------

bool isPieceRow(const store::HolzRow& row); // Sorte "P "
// Several logs of one measure: an assortment (not a single log, not a piece
// row, not stacked wood) of more than one piece.
bool isMultiPieceAssortment(const store::HolzRow& row);

// 7 characters: for a single log a marker ("L" bracketed, "F" follow-on,
// else blank) and the number right-justified in 6; "0" in 7 otherwise.
QString Stammnummer(const store::HolzRow& row);
// "1" for a single log, else the piece count.
QString Stueckfeld(const store::HolzRow& row);
// Sorte left-justified in 3.
QString Sortenfeld(const store::HolzRow& row);
// The strength class without blanks and points; empty for stacked wood
// when `proForst` (that format has no class for stacks).
QString Staerkefeld(const store::HolzRow& row, bool proForst = false);

// The conversion factor of stacked wood (Stamm as a number).
double factor(const store::HolzRow& row);
// The stack volume before the conversion factor.
double volumeBeforeFactor(const store::HolzRow& row);
// Kubatur × 100 / Stueck, one decimal.
QString volumePerHundredPieces(const store::HolzRow& row);
// "<Rinde> <RindenAbzug with two decimals>c", the bark text of the handheld
// formats ("a 2.00c", "a 0.50c"), in fixed columns: one for the bark mode,
// four for the deduction. A deduction of 10 cm or more does not fit them
// and is left blank there.
void barkPart(FixedLine& line, const store::HolzRow& row);
// The whole centimetres of RindenAbzug right-justified in 2, its decimals in
// the places of `decimals` (".0", ".00"), then "c" for bark mode "a", else a
// blank: the bark field of the transfer and timber files.
QString barkField(const store::HolzRow& row, const QString& decimals);

// The list's date as written into every file: dd.MM.yyyy; empty without date.
QString listDate(const store::ListenRow& list);

// Whether a record's Nutzung names a use at all: not empty, no point.
bool hasUseCode(const QString& nutzung);
// The use code of the transfer files: the use type (second character of
// Nutzung) then the felling type (first character), two letters each, "**"
// for none; empty when Nutzung is empty or holds a point.
QString transferUseCode(const QString& nutzung);
// 16 characters: list's Abteilung, UAbt and Bestand (4 each) and the use
// code (4) when the list has an Abteilung or the record a use code, else
// blanks. "*" are kept; the writers decide.
QString locationBlock(const store::ListenRow& list, const store::HolzRow& row);
// Every "*" turned into a blank.
QString starsToBlanks(QString text);

} // namespace exporter::fields
