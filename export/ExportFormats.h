// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace exporter {

class ExportWriter;

// How far a file of a format holds one kind of value.
enum class Carry {
    None,     // the file has no place for it
    Written,  // the file holds it; the list import does not read it back
    ReadBack, // the file holds it and the list import reads it back
};

// What the files of a format carry of a list: read by the export's loss
// report, by the round-trip tests and (as a table) by the README.
struct Carriage {
    static constexpr int Whole = -1;

    int remark;             // characters of a record's remark (Zusatztext); Whole: all
    int recordCompartment;  // characters of a record's Abteilung; 0: none
    Carry assortmentPieces; // the piece count of an assortment of several logs
    Carry stackSize;        // a stack's height and width
    Carry prices;           // price and price kind of a record
    Carry extraFields;      // RF, AArt, Rotte, AbrNr, EST1 to EST5, Polter
    Carry storage;          // the list's storage places
    Carry offices;          // the list's Forstamt and Revier
};

// One exchange format as the options offer it (setting Konvertierung 1..7).
struct ExportFormat {
    // Where a file of the format goes, relative to the name the user chose.
    enum class Target {
        ChosenFile, // the chosen name itself
        StemTxt,    // chosen name without extension, ".txt"
        StemDat,    // chosen name without extension, ".dat"
        Eg20Dat,    // "EG20.dat" in the chosen folder
        StemSorten, // chosen name without extension, "_Sorten" and the extension
    };
    struct Output {
        Target target;
        const ExportWriter* writer;
    };

    int number;            // the Konvertierung value
    QString name;          // command-line name
    QString option;        // option button of the options window
    QString extension;     // offered in the save dialog
    bool cp437Umlauts;     // umlauts for the handheld devices
    bool speciesWithNL;    // species code padded to 3 plus the conifer/broadleaf letter
    int proposedLength;    // characters of the list name proposed as file name; 0 = all
    bool startsEg20;       // the ABIES converter runs after the file was written
    QList<Output> outputs; // written in this order
    bool readable;         // the list import reads its files back
    Carriage carries;
};

// Every format, in one place: the seven exchange formats the options offer
// since always (1..7), the ELDATsmart document (8, offered too), and the
// office formats CSV (9) and workbook (10), which are chosen per export.
class ExportFormats {
public:
    static const QList<ExportFormat>& all();
    static const ExportFormat* byNumber(int number);
    // The Konvertierung text ("1".."8"); nullptr for anything else.
    static const ExportFormat* bySetting(const QString& value);
    static const ExportFormat* byName(const QString& name);
    // The extension the save dialog offers for a Konvertierung text; "*"
    // for a value outside 1..7.
    static QString extensionFor(const QString& value);
    static QStringList names();
    // Whether the options window offers the format as the export format.
    static bool offeredInOptions(const ExportFormat& format) { return format.number <= Eldat; }
    // The extensions of the files the list import reads, each once.
    static QStringList readableExtensions();
    // What each format carries, as a Markdown table (the README holds it).
    static QString carriageTable();

    static constexpr int Eldat = 8;
    static constexpr int Csv = 9;
    static constexpr int Xlsx = 10;
};

} // namespace exporter
