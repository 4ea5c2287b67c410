// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ListBuilder.h"

#include <QStringList>
#include <functional>

namespace importer {

// Reads an RH Transfer file as the Habsys, DekaData, Timbernet and
// Latschbacher exports write it: header lines with a five-character
// identifier, storage-place lines and one line per record. The record's
// fields after the volume block follow its length: 15 characters for logs,
// piece rows and stack samples ("1R", "1P", "1M"), 18 for stacked wood
// ("1S"), so every later field of a stacked-wood line sits three
// characters further right.
class TransferReader {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    TransferReader(ListBuilder& builder, SourceFormat format) : m_builder(builder), m_format(format) {}

    // The list name of the "0A" line: from its 6th character, blanks removed.
    static QString listName(QStringView nameLine);

    // Every line of the file except the type line and the name line.
    void read(const QStringList& lines, int typeLine, int nameLine, const Progress& progress = {});
    // One line that is neither the type line nor the name line; lineNumber counts from 1.
    void readLine(const QString& line, int lineNumber);
    // Transfersatz_Lesen: one record line into a record (and for "1M" its
    // stack samples).
    void Transfersatz_Lesen(QStringView line, int lineNumber);

private:
    void readPrice(FieldReader& f, int at, store::HolzRow& row);
    void readExtraFields(FieldReader& f, int at, store::HolzRow& row);
    void addSamples(FieldReader& f, QStringView diameters, const store::HolzRow& row);

    ListBuilder& m_builder;
    SourceFormat m_format;
};

} // namespace importer
