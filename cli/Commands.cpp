// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

namespace cli {

const QList<Command>& commands()
{
    static const QList<Command> list{
        {"init", "", "Datenordner mit leerer Listendatenbank und Stammdaten anlegen", &runInit},
        {"check", "", "Listen- und Stammdaten-Datenbank auf Beschädigung prüfen (schreibt nichts)", &runCheck},
        {"migrate", "--to ORT | --from ORT",
         "Listen, Lagerorte und Stammdaten des Datenordners in eine leere Server-Datenbank (oder einen "
         "anderen Datenordner) übertragen, oder von dort zurück in den Datenordner; prüft alles vor dem Speichern",
         &runMigrate},
        {"lists", "", "alle Holzlisten mit Kubatur, Stückzahl und Datum zeigen", &runLists},
        {"stammdaten", "DATEI", "Stammdatendatei einlesen", &runStammdaten},
        {"import", "DATEI",
         "Holzliste aus einer Handheld- (EG10), RH-Transfer- oder ELDATsmart-Datei einlesen (stellt das "
         "Ausgabeformat um)",
         &runImport},
        {"species", "", "Holzarten der eingestellten Region zeigen", &runSpecies},
        {"volume",
         "--length L --diameter D [--pieces N] [--species S] [--bark MODUS] [--abzug CM] "
         "[--sorte CODE] [--faktor F] [--hoehe H]",
         "Kubatur, Stärkeklasse und Rindenabzug berechnen", &runVolume},
        {"generate", "LISTE ANZAHL [--seed N]", "Testliste mit zufälligen Datensätzen anlegen", &runGenerate},
        {"export",
         "LISTE [--format habsys|latschbacher|proforst|abies|dekadata|eg10|timbernet|eldat|csv|xlsx] [--je-los] "
         "DATEI",
         "Liste in eine Austauschdatei, ein ELDATsmart-Dokument, CSV-Tabellen oder eine Excel-Arbeitsmappe "
         "schreiben (Format sonst aus der Einstellung; --je-los: ein Blatt je Los)",
         &runExport},
        {"lots",
         "[list | show SCHLÜSSEL | delete SCHLÜSSEL | set SCHLÜSSEL [--holzart T] [--guete T] [--sorte T] "
         "[--staerke T] [--laenge-von N] [--laenge-bis N] [--durchm-von N] [--durchm-bis N] [--kubatur-von N] "
         "[--kubatur-bis N] | match [--max N] --holzart H --sorte S --guete G --staerke K --laenge L --durchm D "
         "--kubatur V]",
         "Losregeln für AutoLos zeigen, speichern, löschen und prüfen", &runLots},
        {"options", "[NAME [WERT]]", "Optionen zeigen oder eine Option setzen (Sortierung, RegionIndex, AutoLos, ...)",
         &runOptions},
        {"summary", "LISTE", "Sortenzusammenstellung einer Liste zeigen", &runSummary},
        {"report", "LISTE --pdf DATEI [--verdichtet] [--losweise] [--fotos]",
         "Liste als PDF drucken (mit den Lagerorten der Lose; --fotos: eine Seite Fotos je Los)", &runInPageProgram},
        {"word", "LISTE [--losweise] [--verdichtet] [--fotos] [--out ORDNER] [--ueberschrift TEXT]",
         "Liste als Word-Dokument (.docx) schreiben (--fotos: die Fotos der Lose am Ende)", &runInPageProgram},
        {"new-list",
         "LISTE [--name T] [--strasse T] [--ort T] [--forstamt T] [--revier T] [--abteilung T] [--uabt T] "
         "[--bestand T] [--lagerplatz T] [--datum TT.MM.JJJJ] [--bemerkung T]",
         "neue Holzliste mit Kopfdaten anlegen", &runNewList},
        {"add",
         "LISTE --length L --diameter D [--species S] [--guete G] [--sorte CODE] [--staerke K] [--los N] "
         "[--nummer N] [--sortiment --pieces N] [--bark MODUS] [--abzug CM] [--folge|--klammer] [--faktor F] "
         "[--hoehe H] [--zusatz TEXT]",
         "einen Datensatz prüfen und speichern wie die Holzeingabemaske", &runAdd},
        {"records", "LISTE", "Datensätze einer Liste zeigen", &runRecords},
        {"totals", "LISTE", "Kubatur und Stückzahl einer Liste, auch losweise", &runTotals},
        {"statistik", "LISTE", "Stück und Kubatur je Holzart, Sorte mit Klasse und Güte (die Statistik der Maske)",
         &runStatistik},
        {"lager", "LISTE [set LOS [--ort TEXT] [--gps POSITION] [--zusatz TEXT] | photo add LOS DATEI]",
         "Lagerorte, GPS-Positionen und Fotos der Lose zeigen und setzen (Position in Dezimalgrad oder "
         "Grad/Minuten/Sekunden)",
         &runInPageProgram},
        {"rename", "ALT NEU", "Liste mit allen Datensätzen umbenennen", &runRename},
        {"delete-list", "LISTE", "Liste mit allen Datensätzen löschen", &runDeleteList},
        {"sortiment", "LISTE", "gleiche Sortimentsdatensätze einer Liste zu je einem Datensatz zusammenfassen",
         &runSortiment},
        {"version", "", "Versionsnummer und Ausgabedatum zeigen", &runVersion},
    };
    return list;
}

} // namespace cli
