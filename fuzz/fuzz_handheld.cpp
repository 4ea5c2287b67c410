// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target of the handheld (EG10) list reader: the whole way of a file
// (decoding, kind, dispatch) and the handheld reader on every line of any
// input, so record lines are reached even when the input has no name line.
#include "FuzzLookups.h"

#include "import/HandheldReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    fuzzing::readListFile(bytes);
    fuzzing::Builder fixture;
    importer::HandheldReader(fixture.builder).Handliste_Lesen(fuzzing::Builder::linesOf(bytes), -1);
    return 0;
}
