// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"
#include "rules/Numbers.h"
#include "store/HolzRow.h"
#include "store/LagerRow.h"
#include "store/ListenRow.h"
#include "store/MantelRow.h"

#include <QList>
#include <QStringList>
#include <optional>
#include <vector>

namespace importer {

// The exchange format a list file was written in. The numbers are those of
// the export format setting (Konvertierung), because reading a file switches
// the export to the format it came in.
enum class SourceFormat {
    Habsys = 1,
    Latschbacher = 2,
    DekaData = 5,
    EG10 = 6, // the handheld device's list file
    Timbernet = 7,
    Eldat = 8, // an ELDATsmart measurement journal
};

// A value of a file line that could not be read. The numbers are the ones
// the program has always reported for such values, so support staff can
// keep reading them: 13 a value that is not a number or date, 6 a number
// out of range, 62 a record line that ends before its fields.
struct ValueError {
    static constexpr int TypeMismatch = 13;
    static constexpr int Overflow = 6;
    static constexpr int LineTooShort = 62;

    int line = 0;
    int number = 0;
    QString description;
};

// Every value error of one file: how many there were, the last one (which
// the user is shown) and the first few (for the command line and tests).
class ValueErrors {
public:
    static constexpr int Kept = 20;

    void add(ValueError error)
    {
        ++m_count;
        if (m_first.size() < Kept)
            m_first << error;
        m_last = std::move(error);
    }
    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    const std::optional<ValueError>& last() const { return m_last; }
    const QList<ValueError>& first() const { return m_first; }

private:
    int m_count = 0;
    std::optional<ValueError> m_last;
    QList<ValueError> m_first;
};

// What the records of a list add up to, counted as they are read, so a
// list streamed into the database needs none of them kept: the volume of
// all records, the pieces of all records that are not follow-on logs (a
// stack counts as one) and the highest log number.
struct ImportTotals {
    qint64 records = 0;
    double volume = 0;
    qint64 pieces = 0;
    int highest = 0;

    void add(const store::HolzRow& row)
    {
        ++records;
        volume += row.Kubatur;
        if (row.isStackedWood())
            ++pieces;
        else if (!row.Folgestamm)
            pieces += rules::roundHalfEven(row.Stueck);
        highest = qMax(highest, row.Nummer);
    }
};

// A list read from a file, not yet stored: the header row, the records in
// file order, the storage rows and the stack samples, plus what the user
// must be told about the reading.
struct ImportedList {
    SourceFormat format = SourceFormat::EG10;
    store::ListenRow header;
    // The records in file order; while the import streams them into the
    // database, only the one being read.
    std::vector<store::HolzRow> records;
    ImportTotals totals;
    std::vector<store::LagerRow> storage;
    // Until its record is stored, a sample's HolzId is the position of the
    // record in the file, counted from 1; then the record's stored Id.
    std::vector<store::MantelRow> samples;
    // Species codes that the region does not know, each once, in the order met.
    QStringList missingSpecies;
    // Messages of the lookups (each distinct text once), shown after the import.
    QList<platform::Message> notices;
    ValueErrors errors;
    // Why the file may have been cut off, with the number of records read;
    // empty when it ends as its kind of file ends.
    QString incomplete;
};

} // namespace importer
