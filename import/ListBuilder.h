// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/FieldReader.h"
#include "import/ImportedList.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace rules {
class BarkTable;
}

namespace importer {

class HolzartLookup;
class UseCodeLookup;

// What the handheld reader and the transfer reader share while they fill a
// new list: the lookups of species and use codes, the list's date, its lot
// register, its storage rows and the numbering of its records.
class ListBuilder {
public:
    // Stores a finished record and returns its stored Id.
    using RecordSink = std::function<qint64(const store::HolzRow&)>;

    ListBuilder(ImportedList& list, HolzartLookup& species, const UseCodeLookup& useCodes,
                const rules::BarkTable& bark);

    // Every finished record goes to `sink` instead of staying in the list's
    // records (a streamed import). Without one, the list keeps them all.
    void setRecordSink(RecordSink sink) { m_sink = std::move(sink); }
    // Finishes the last record. Call once after the last line.
    void finish();
    // Records begun so far.
    qint64 recordCount() const { return m_count; }

    ImportedList& list() { return *m_list; }
    const rules::BarkTable& bark() const { return *m_bark; }

    QString species(QStringView code);
    QString nutzung(QStringView useCode) const;

    // A header value: the text without trailing blanks, null when empty.
    static QString headerValue(QStringView value);
    // The list's date from a header line's value; a value that is no date
    // is reported and leaves the date empty.
    void setDate(FieldReader& line, QStringView value);
    // A storage-place line ("LL"): lot in characters 3-5, position 6-43,
    // place 44-93, remark 94-143.
    void addStorage(FieldReader& line);
    // Appends a record of the list with the next entry number, its list
    // name and the defaults of the transfer fields; registers its lot. The
    // record before it is finished: counted, and handed to the sink.
    store::HolzRow& addRecord(int lot);

    // A stack factor as the entry screen holds it ("0,7", "1"); a factor
    // that is no number is reported and kept as written.
    static QString factorText(FieldReader& line, QStringView field);
    // Codes of one letter carry a trailing blank ("S ", "P "), as the
    // record kinds are recognised by them.
    static QString twoCharacterCode(QStringView field);
    // The list name of a name line: its value with every blank removed.
    static QString listName(QStringView value);

private:
    ImportedList* m_list;
    HolzartLookup* m_species;
    const UseCodeLookup* m_useCodes;
    const rules::BarkTable* m_bark;
    int m_previousLot = -1;
    RecordSink m_sink;
    qint64 m_count = 0;
    bool m_open = false;      // the last record is not finished yet
    size_t m_firstSample = 0; // the samples of the record being read start here

    void finishRecord();
};

} // namespace importer
