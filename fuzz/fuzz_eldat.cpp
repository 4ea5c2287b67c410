// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target of the ELDATsmart reader: any bytes as a measurement journal,
// with the shipped code table and the fuzz master data.
#include "FuzzLookups.h"

#include "export/EldatCodes.h"
#include "import/EldatReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const exporter::EldatCodes codes = *exporter::EldatCodes::parse(exporter::EldatCodes::shipped());
    static const importer::EldatReader reader(codes, fuzzing::Lookups::get().species);
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const auto result = reader.read(bytes, QStringLiteral("Fuzz"));
    // Refused or read, never both.
    if (result.list.has_value() == !result.refusal.isEmpty())
        __builtin_trap();
    return 0;
}
