// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schema.h"

#include <string>

namespace store::schema {

namespace {

// A stack's samples belong to its Holz row (HolzId), not to its number:
// every assortment of a list has the number 0. The triggers keep them with
// their record wherever it goes, whichever code deletes or moves it.
const char* const MantelByRecord = R"SQL(
CREATE INDEX MantelHolz ON Mantel (HolzId);
CREATE TRIGGER HolzMantelLoeschen AFTER DELETE ON Holz BEGIN
    DELETE FROM Mantel WHERE HolzId = OLD.Id;
END;
CREATE TRIGGER HolzMantelListe AFTER UPDATE OF Liste ON Holz BEGIN
    UPDATE Mantel SET Liste = NEW.Liste WHERE HolzId = NEW.Id;
END;
)SQL";

// The list tables before the samples' triggers.
const char* const HolzTables = R"SQL(
CREATE TABLE Listen (
    Liste TEXT NOT NULL COLLATE NOCASE,
    Name TEXT COLLATE NOCASE,
    Strasse TEXT COLLATE NOCASE,
    Ort TEXT COLLATE NOCASE,
    Forstamt TEXT COLLATE NOCASE,
    Revier TEXT COLLATE NOCASE,
    Abteilung TEXT COLLATE NOCASE,
    UAbt TEXT COLLATE NOCASE,
    Bestand TEXT COLLATE NOCASE,
    Lagerplatz TEXT COLLATE NOCASE,
    Datum TEXT,
    Zusatztext TEXT COLLATE NOCASE,
    Kubatur REAL NOT NULL DEFAULT 0,
    Stueckzahl INTEGER NOT NULL DEFAULT 0,
    NummerHigh INTEGER NOT NULL DEFAULT 0,
    Los TEXT,
    Konvertiert TEXT,
    Bearbeitet TEXT,
    Id INTEGER PRIMARY KEY
);
CREATE UNIQUE INDEX ListenListe ON Listen (Liste);

CREATE TABLE Holz (
    SatzNr INTEGER,
    Liste TEXT NOT NULL COLLATE NOCASE,
    Nummer INTEGER,
    Einzelstamm INTEGER,
    Los INTEGER,
    Holzart TEXT COLLATE NOCASE,
    Guete TEXT COLLATE NOCASE,
    Sorte TEXT COLLATE NOCASE,
    Staerke TEXT COLLATE NOCASE,
    Laenge REAL,
    Durchm REAL,
    Hoehe REAL,
    Stueck REAL,
    Stamm TEXT COLLATE NOCASE,
    Rinde TEXT,
    RindenAbzug INTEGER,
    Kubatur REAL,
    Folgestamm INTEGER NOT NULL DEFAULT 0,
    Klammerstamm INTEGER NOT NULL DEFAULT 0,
    Nutzung TEXT,
    Preisfaktor TEXT,
    Preisart TEXT,
    Zusatztext TEXT COLLATE NOCASE,
    Abteilung TEXT COLLATE NOCASE,
    RF TEXT,
    AArt INTEGER,
    Rotte TEXT,
    AbrNr TEXT,
    EST1 INTEGER,
    EST2 INTEGER,
    EST3 INTEGER,
    EST4 TEXT,
    EST5 TEXT,
    Polter TEXT,
    Stapel TEXT,
    Id INTEGER PRIMARY KEY
);
-- The default record order (lot, number, length, diameter) reads straight from
-- this index; every other order still finds the list's rows through it.
CREATE INDEX HolzListe ON Holz (Liste, Los, Nummer, Laenge, Durchm);
CREATE INDEX HolzNummer ON Holz (Liste, Nummer);
CREATE INDEX HolzSatzNr ON Holz (Liste, SatzNr);

CREATE TABLE Mantel (
    Liste TEXT NOT NULL COLLATE NOCASE,
    StapelNr INTEGER,
    Durchm INTEGER,
    Kubatur REAL,
    Indx INTEGER,
    Id INTEGER PRIMARY KEY,
    HolzId INTEGER
);
CREATE INDEX MantelListe ON Mantel (Liste, StapelNr);

CREATE TABLE Lager (
    Liste TEXT NOT NULL COLLATE NOCASE,
    Los REAL,
    LL TEXT,
    GPS TEXT,
    Lagerort TEXT,
    Zusatz1 TEXT,
    Id INTEGER PRIMARY KEY
);
CREATE INDEX LagerListe ON Lager (Liste);
)SQL";

// Photos of a lot belong to its storage-place row; the database keeps only
// the file's name, the file lies in the data folder under the list and lot
// (store::LotPhotoFiles). Deleting the row, by whichever code, takes its
// photo rows along.
const char* const LagerFotos = R"SQL(
CREATE TABLE LagerFoto (
    LagerId INTEGER NOT NULL,
    Datei TEXT NOT NULL,
    Aufnahme TEXT,
    GPS TEXT,
    Id INTEGER PRIMARY KEY
);
CREATE INDEX LagerFotoLager ON LagerFoto (LagerId);
CREATE TRIGGER LagerFotoLoeschen AFTER DELETE ON Lager BEGIN
    DELETE FROM LagerFoto WHERE LagerId = OLD.Id;
END;
)SQL";

} // namespace

int currentVersion(DatabaseKind kind)
{
    return kind == DatabaseKind::Holz ? 3 : 1;
}

quint32 applicationId(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Holz:
        return 0x5374487A; // "StHz"
    case DatabaseKind::MasterData:
        return 0x53744D52; // "StMR"
    case DatabaseKind::Work:
        return 0x5374566F; // "StVo"
    }
    return 0;
}

DbError newerSchemaError(DatabaseKind kind, const QString& where, int version)
{
    return DbError(DbError::NewerSchema,
                   QStringLiteral("Die %1 %2 stammt von einer neueren Version von Stemmo "
                                  "(Datenbankversion %3, dieses Programm kennt Version %4). "
                                  "Sie wurde nicht verändert.")
                       .arg(kindName(kind), where)
                       .arg(version)
                       .arg(currentVersion(kind)));
}

QString kindName(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Holz:
        return QStringLiteral("Holzlisten-Datenbank");
    case DatabaseKind::MasterData:
        return QStringLiteral("Stammdaten-Datenbank");
    case DatabaseKind::Work:
        return QStringLiteral("Arbeitsdatenbank");
    }
    return QString();
}

const char* createSql(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Holz: {
        static const std::string sql = std::string(HolzTables) + MantelByRecord + LagerFotos;
        return sql.c_str();
    }
    case DatabaseKind::MasterData:
        return R"SQL(
CREATE TABLE Laender (
    Landindex INTEGER,
    Land TEXT COLLATE NOCASE
);
CREATE TABLE Holzart (
    Holzart TEXT COLLATE NOCASE,
    Kuerzel1 TEXT COLLATE NOCASE,
    Kuerzel2 TEXT COLLATE NOCASE,
    Kuerzel3 TEXT COLLATE NOCASE,
    IndexRinde INTEGER,
    Reserve REAL DEFAULT 0,
    IndexLand INTEGER,
    IndexHolzart REAL,
    NL TEXT COLLATE NOCASE
);
CREATE INDEX HolzartLand ON Holzart (IndexLand, IndexHolzart);
CREATE TABLE Rindenabzug (
    Landindex INTEGER,
    RindenIndex INTEGER,
    D1 INTEGER, R1 REAL,
    D2 INTEGER, R2 REAL,
    D3 INTEGER, R3 REAL,
    D4 INTEGER, R4 REAL,
    D5 INTEGER, R5 REAL
);
CREATE TABLE Gueten (Guete TEXT COLLATE NOCASE);
CREATE TABLE Sorten (Sorte TEXT COLLATE NOCASE);
CREATE TABLE Nutzungsart (
    Nutzungsart TEXT COLLATE NOCASE,
    Kuerzel TEXT COLLATE NOCASE,
    Indx REAL
);
CREATE TABLE Einschlagtyp (
    Einschlagtyp TEXT COLLATE NOCASE,
    Kuerzel TEXT COLLATE NOCASE,
    Indx REAL
);
)SQL";
    case DatabaseKind::Work:
        return R"SQL(
CREATE TABLE Holz (
    Holzart TEXT COLLATE NOCASE,
    Nummer INTEGER,
    Los INTEGER,
    Stueck REAL,
    Laenge REAL,
    Durchm REAL,
    Sorte TEXT COLLATE NOCASE,
    Staerke TEXT COLLATE NOCASE,
    Guete TEXT COLLATE NOCASE,
    Kubatur REAL,
    Rinde INTEGER,
    Liste TEXT COLLATE NOCASE,
    optionLangholz INTEGER,
    Folgestamm INTEGER NOT NULL DEFAULT 0,
    Klammerstamm INTEGER NOT NULL DEFAULT 0
);
)SQL";
    }
    return "";
}

std::vector<Index> lookupIndexes(DatabaseKind kind)
{
    if (kind != DatabaseKind::Holz)
        return {};
    return {{"HolzNummer", "CREATE INDEX IF NOT EXISTS HolzNummer ON Holz (Liste, Nummer)"},
            {"HolzSatzNr", "CREATE INDEX IF NOT EXISTS HolzSatzNr ON Holz (Liste, SatzNr)"}};
}

std::vector<const char*> upgradeSteps(DatabaseKind kind)
{
    if (kind != DatabaseKind::Holz)
        return {};
    // 1 → 2: samples keyed by their record. Files of version 1 kept them by
    // list and stack number; each goes to the record of that number, a
    // stack measured by samples first, then an assortment, then the oldest.
    // Samples without such a record stay as they are.
    static const std::string toVersion2 = std::string(R"SQL(
ALTER TABLE Mantel ADD COLUMN HolzId INTEGER;
UPDATE Mantel SET HolzId = (
    SELECT h.Id FROM Holz h
    WHERE h.Liste = Mantel.Liste AND h.Nummer = Mantel.StapelNr
    ORDER BY h.Stamm = 'Mantl' DESC, h.Einzelstamm = 0 DESC, h.Id
    LIMIT 1);
)SQL") + MantelByRecord;
    // 2 → 3: photos of the lots.
    return {toVersion2.c_str(), LagerFotos};
}

} // namespace store::schema
