#pragma once

#include "import/ImportedList.h"
#include "import/ListFile.h"

#include <QByteArray>
#include <functional>
#include <optional>

namespace rules {
class BarkTable;
}

namespace importer {

class HolzartLookup;
class UseCodeLookup;

// Datei_Lesen: turns the text of a list file into a new list, by the
// handheld reader or the transfer reader as the file's kind says. Nothing
// here touches a database; the lookups come from the master data of the
// current region.
class ListFileReader {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;

    struct Result {
        std::optional<ImportedList> list;
        QString refusal; // why the file is no list file, when list is empty
    };

    ListFileReader(HolzartLookup& species, const UseCodeLookup& useCodes, const rules::BarkTable& bark)
        : m_species(species), m_useCodes(useCodes), m_bark(bark)
    {
    }
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // The list name the file carries; empty when its name line holds none.
    static QString listName(const ListFile::Text& text);

    // Reads the records and header of a decoded file. Refused when the file
    // names no list.
    Result read(const ListFile::Text& text);
    // Decodes and reads file content.
    Result Datei_Lesen(const QByteArray& bytes);

private:
    HolzartLookup& m_species;
    const UseCodeLookup& m_useCodes;
    const rules::BarkTable& m_bark;
    Progress m_progress;
};

} // namespace importer
