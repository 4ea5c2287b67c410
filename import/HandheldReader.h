// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ListBuilder.h"

#include <QStringList>
#include <functional>

namespace importer {

// Reads the list file of the handheld measuring device (the EG10 list
// file): after the name line "0A", header lines with lower-case letters and
// one line per record, whose second character tells the kind of record and
// which measure block follows.
class HandheldReader {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    explicit HandheldReader(ListBuilder& builder) : m_builder(builder) {}

    // The list name of the "0A" line: from its 5th character, blanks removed.
    static QString listName(QStringView nameLine);

    // Handliste_Lesen: the lines after the name line (index nameLine).
    void Handliste_Lesen(const QStringList& lines, int nameLine, const Progress& progress = {});
    // One line after the name line; lineNumber counts from 1.
    void readLine(const QString& line, int lineNumber);
    // Whether the closing line "0E" was read: a file without it was cut off.
    bool endLineSeen() const { return m_endSeen; }
    // Handsatz_Lesen: one record line ("0R", "0P", "0S", "0K", "0L", "0M").
    void Handsatz_Lesen(QStringView line, int lineNumber);

private:
    ListBuilder& m_builder;
    bool m_endSeen = false;
};

} // namespace importer
