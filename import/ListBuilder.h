#pragma once

#include "import/FieldReader.h"
#include "import/ImportedList.h"

#include <QString>
#include <QStringView>

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
    ListBuilder(ImportedList& list, HolzartLookup& species, const UseCodeLookup& useCodes,
                const rules::BarkTable& bark);

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
    // name and the defaults of the transfer fields; registers its lot.
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
};

} // namespace importer
