// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"
#include "store/MasterRows.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace exporter {
class EldatCodes;
}

namespace importer {

// Reads an ELDATsmart measurement journal into a new list: every
// measurement is a lot (its lot number and storage place from its wood ids,
// its position from the measuring party), single logs become single-log
// records, aggregates assortments, piles and aggregates in stacked cubic
// metres stacked wood. The list is named after the file, as a handheld
// list is named by its name line.
//
// The file comes from outside and is checked whole before anything is
// stored: its size, its nesting, the type of every value the list takes,
// the ranges of the numbers and every code against the document's code
// lists and the code table. Any fault refuses the file with a message that
// says where; nothing is stored then. What the document holds but a list
// cannot (photos, invoices, further addresses, measurements the list has no
// column for) is named in `losses`, not dropped silently.
class EldatReader {
public:
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;
    static constexpr int MaxDepth = 24;
    static constexpr qint64 MaxRecords = 1000000;

    struct Result {
        std::optional<ImportedList> list;
        QString refusal;    // why nothing can be imported, when list is empty
        QStringList losses; // what the list does not hold
    };

    EldatReader(const exporter::EldatCodes& codes, const QList<store::HolzartRow>& regionSpecies);

    // Whether the bytes look like a JSON document rather than a list file.
    static bool looksLike(const QByteArray& bytes);
    // The list name for a file: its name without folder and extension,
    // every blank removed.
    static QString listName(const QString& path);

    Result read(const QByteArray& bytes, const QString& listName) const;

private:
    const exporter::EldatCodes& m_codes;
    QList<store::HolzartRow> m_region;
    QSet<QString> m_regionNames;
};

} // namespace importer
