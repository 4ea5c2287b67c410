// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/HolzartLookup.h"
#include "import/ListBuilder.h"
#include "import/ListFileReader.h"
#include "import/TextLines.h"
#include "import/UseCodeLookup.h"
#include "platform/Codepage.h"
#include "rules/BarkTable.h"
#include "store/MasterRows.h"

#include <QByteArray>

// Master data for the list-file fuzz targets, so they run without a
// database: a few species with their codes and bark groups, the felling
// and use types, and bark bands. Built once per process.
namespace fuzzing {

struct Lookups {
    QList<store::HolzartRow> species;
    QList<store::CodeRow> einschlag;
    QList<store::CodeRow> nutzung;
    rules::BarkTable bark;

    Lookups()
    {
        const char* rows[][3] = {{"Fichte", "Fi", "1"}, {"Kiefer", "Kie", "4"}, {"Buche", "Bu", "6"}};
        for (const auto& r : rows) {
            store::HolzartRow row;
            row.Holzart = QString::fromLatin1(r[0]);
            row.Kuerzel1 = QString::fromLatin1(r[1]);
            row.Kuerzel2 = row.Kuerzel1.toUpper();
            row.IndexRinde = QByteArray(r[2]).toInt();
            species << row;
            bark.addSpecies(row.Holzart, row.IndexRinde);
        }
        bark.setBands(1, {rules::BarkBand{1, 1}, rules::BarkBand{27, 2}, rules::BarkBand{51, 3}, {}, {}});
        einschlag = {{QString(), QString(), 0},
                     {QStringLiteral("Zufall"), QStringLiteral("Zu"), 1},
                     {QStringLiteral("Sturm"), QStringLiteral("SS"), 2}};
        nutzung = {{QString(), QString(), 0},
                   {QStringLiteral("Sonstige"), QStringLiteral("So"), 1},
                   {QStringLiteral("Jungdurchforstung"), QStringLiteral("JD"), 3}};
    }

    static const Lookups& get()
    {
        static const Lookups lookups;
        return lookups;
    }
};

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A new list and its builder, for driving one reader over every line of an
// input, whatever kind of file it is.
struct Builder {
    importer::UseCodeLookup codes{Lookups::get().einschlag, Lookups::get().nutzung};
    importer::HolzartLookup species{Lookups::get().species};
    importer::ImportedList list;
    importer::ListBuilder builder{list, species, codes, Lookups::get().bark};

    static QStringList linesOf(const QByteArray& bytes)
    {
        return importer::splitLines(platform::codepage::decodeText(bytes));
    }
};

// The whole way of a file: decoding, kind, dispatch to its reader.
inline void readListFile(const QByteArray& bytes)
{
    const auto& lookups = Lookups::get();
    importer::HolzartLookup species(lookups.species);
    const importer::UseCodeLookup codes(lookups.einschlag, lookups.nutzung);
    importer::ListFileReader(species, codes, lookups.bark).Datei_Lesen(bytes);
}

} // namespace fuzzing
