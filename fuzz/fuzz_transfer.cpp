// Fuzz target of the RH Transfer reader: the whole way of a file and the
// transfer reader on every line of any input, in the variant the first
// byte picks (prices, DekaData fields and stack samples differ by variant).
#include "FuzzLookups.h"

#include "import/ListFileReader.h"
#include "import/TextLines.h"
#include "import/TransferReader.h"
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
    static const importer::SourceFormat variants[] = {importer::SourceFormat::Habsys,
                                                      importer::SourceFormat::Latschbacher,
                                                      importer::SourceFormat::DekaData,
                                                      importer::SourceFormat::Timbernet};
    const auto format = variants[size > 0 ? data[0] % 4 : 0];
    importer::SpeciesLookup species(lookups.species);
    importer::ImportedList list;
    importer::ListBuilder builder(list, species, codes, lookups.bark);
    importer::TransferReader(builder, format)
        .read(importer::splitLines(platform::codepage::decodeText(bytes)), -1, -1);
    return 0;
}
