// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target of the RH Transfer reader: the whole way of a file and the
// transfer reader on every line of any input, in the variant the first
// byte picks (prices, DekaData fields and stack samples differ by variant).
#include "FuzzLookups.h"

#include "import/TransferReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    fuzzing::readListFile(bytes);
    static const importer::SourceFormat variants[] = {
        importer::SourceFormat::Habsys, importer::SourceFormat::Latschbacher,
        importer::SourceFormat::DekaData, importer::SourceFormat::Timbernet};
    fuzzing::Builder fixture;
    importer::TransferReader(fixture.builder, variants[size > 0 ? data[0] % 4 : 0])
        .read(fuzzing::Builder::linesOf(bytes), -1, -1);
    return 0;
}
