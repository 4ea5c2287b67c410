// SPDX-License-Identifier: GPL-3.0-or-later
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
class ListFileStream;
class UseCodeLookup;

// Datei_Lesen: turns the lines of a list file into a new list, by the
// handheld reader or the transfer reader as the file's kind says. Nothing
// here touches a database; the lookups come from the master data of the
// current region.
//
// A file whose record lines are mostly unreadable (values that are no
// numbers, lines cut short, or blanks where every measure should stand) is
// no list, whatever its first lines say: it is refused rather than stored as
// a list of empty records.
class ListFileReader {
public:
    using Progress = std::function<void(qint64 done, qint64 total)>;
    // Stores a finished record and returns its stored Id.
    using RecordSink = std::function<qint64(const store::HolzRow&)>;

    // Record lines read before the share of unreadable ones is judged.
    static constexpr qint64 JudgedAfter = 100;

    struct Result {
        std::optional<ImportedList> list;
        QString refusal;   // why the file is no list file, when list is empty
        QString readError; // the file could not be read to its end
    };

    ListFileReader(HolzartLookup& species, const UseCodeLookup& useCodes, const rules::BarkTable& bark)
        : m_species(species), m_useCodes(useCodes), m_bark(bark)
    {
    }
    // Reports the records read and their expected number.
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // The list name a name line carries; empty when it holds none.
    static QString listName(ListFile::Kind kind, const QString& nameLine);

    // Reads every line of an opened stream. With a sink, each finished
    // record goes there and the list keeps none of them.
    Result read(ListFileStream& stream, const RecordSink& sink = {});
    // Decodes and reads file content held in memory.
    Result Datei_Lesen(const QByteArray& bytes);

private:
    HolzartLookup& m_species;
    const UseCodeLookup& m_useCodes;
    const rules::BarkTable& m_bark;
    Progress m_progress;
};

} // namespace importer
