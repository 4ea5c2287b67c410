// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/DataFolderSetup.h"
#include "import/HolzartLookup.h"
#include "import/UseCodeLookup.h"
#include "rules/BarkTable.h"
#include "store/Database.h"
#include "store/Settings.h"
#include "tests/store/TestDatabase.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Lines and lookups for the import tests. Record lines are spelled out
// field by field, each literal one column block of the file layout, so a
// reader that takes a field one column off reads a neighbour's characters.
namespace importtest {

inline QString left(const QString& value, int width)
{
    return value.leftJustified(width, QLatin1Char(' '), true);
}
inline QString right(const QString& value, int width)
{
    return value.rightJustified(width, QLatin1Char(' '), true);
}

// File bytes: lines in Windows-1252 (Latin-1 for the characters used here)
// joined by CR LF.
inline QByteArray file(const QStringList& lines, const char* ending = "\r\n")
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + ending;
    return bytes;
}

// Species of a test region: Fichte under Fi, Kiefer under Kie, Buche under
// Bu in column 1 and BU in column 2.
inline QList<store::HolzartRow> species()
{
    QList<store::HolzartRow> rows;
    auto add = [&](const char* name, const char* k1, const char* k2, int group, const char* nl) {
        store::HolzartRow row;
        row.Holzart = QString::fromLatin1(name);
        row.Kuerzel1 = QString::fromLatin1(k1);
        row.Kuerzel2 = QString::fromLatin1(k2);
        row.Kuerzel3 = QStringLiteral("");
        row.IndexRinde = group;
        row.IndexLand = 8;
        row.NL = QString::fromLatin1(nl);
        rows << row;
    };
    add("Fichte", "Fi", "", 1, "N");
    add("Kiefer", "Kie", "", 4, "N");
    add("Buche", "Bu", "BU", 6, "L");
    return rows;
}

inline QList<store::CodeRow> einschlagtypen()
{
    return {{QString(), QString(), 0},
            {QStringLiteral("Zufällige Nutzung"), QStringLiteral("Zu"), 1},
            {QStringLiteral("Sturmschaden"), QStringLiteral("SS"), 2},
            {QStringLiteral("Rotfäule"), QStringLiteral("RF"), 7}};
}

inline QList<store::CodeRow> nutzungsarten()
{
    return {{QString(), QString(), 0},
            {QStringLiteral("Sonstige"), QStringLiteral("So"), 1},
            {QStringLiteral("Jungdurchforstung"), QStringLiteral("JD"), 3},
            {QStringLiteral("Räumung"), QStringLiteral("RH"), 9}};
}

// Fichte deducts 1 cm below 27 cm and 2 cm from 27 cm on.
inline rules::BarkTable barkTable()
{
    rules::BarkTable table;
    for (const auto& row : species())
        table.addSpecies(row.Holzart, row.IndexRinde);
    table.setBands(1, {rules::BarkBand{1, 1}, rules::BarkBand{27, 2}, {}, {}, {}});
    return table;
}

// A data folder with the shipped master data, its databases and settings;
// the databases on the test server when there is one.
struct DataFolderFixture {
    TestDatabase dir;
    store::DataFolder folder = dir.dataFolder(dir.file(QStringLiteral("data")));
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
    std::unique_ptr<store::Settings> settings;

    DataFolderFixture()
    {
        importer::DataFolderSetup::ensure(folder);
        holz = store::Database::open(folder.holzDb(), store::DatabaseKind::Holz);
        master = store::Database::open(folder.masterDb(), store::DatabaseKind::MasterData);
        settings = std::make_unique<store::Settings>(dir.file(QStringLiteral("Stemmo.ini")));
    }
};

} // namespace importtest
