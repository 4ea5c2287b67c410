// Fuzz target of the handheld (EG10) list reader: the whole way of a file
// (decoding, kind, dispatch) and the handheld reader on every line of any
// input, so record lines are reached even when the input has no name line.
#include "FuzzLookups.h"

#include "import/HandheldReader.h"
#include "import/ListFileReader.h"
#include "import/TextLines.h"
#include "platform/Codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto& lookups = fuzzing::Lookups::get();
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const importer::UseCodeLookup codes(lookups.einschlag, lookups.nutzung);
    {
        importer::SpeciesLookup species(lookups.species);
        importer::ListFileReader(species, codes, lookups.bark).Datei_Lesen(bytes);
    }
    importer::SpeciesLookup species(lookups.species);
    importer::ImportedList list;
    importer::ListBuilder builder(list, species, codes, lookups.bark);
    importer::HandheldReader(builder).Handliste_Lesen(
        importer::splitLines(platform::codepage::decodeText(bytes)), -1);
    return 0;
}
