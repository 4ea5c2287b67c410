// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Settings.h"

// Every setting the programs read or write, declared once with its default.
namespace store::keys {

inline constexpr const char* App = "Software\\Stemmo";
inline constexpr const char* Properties = "Properties";
inline constexpr const char* ReportApp = "Stemprint";
inline constexpr const char* ReportSection = "Einstellungen";

// Shared settings of both programs.
inline constexpr SettingKey Sortierung{App, Properties, "Sortierung", "1"};
inline constexpr SettingKey ListenNr{App, Properties, "ListenNr", ""};
inline constexpr SettingKey Forstamt{App, Properties, "Forstamt", "1"};
inline constexpr SettingKey Revier{App, Properties, "Revier", "1"};
inline constexpr SettingKey Verzeichnis{App, Properties, "Verzeichnis", "1"};
inline constexpr SettingKey VerzeichnisLesen{App, Properties, "VerzeichnisLesen", "C:\\"};
inline constexpr SettingKey Konvertierung{App, Properties, "Konvertierung", "1"};
inline constexpr SettingKey KonvAuto{App, Properties, "KonvAuto", "1"};
inline constexpr SettingKey Region{App, Properties, "Region", "1"};
inline constexpr SettingKey RegionIndex{App, Properties, "RegionIndex", "8"};
inline constexpr SettingKey Guete{App, Properties, "Guete", "1"};
inline constexpr SettingKey Sorte{App, Properties, "Sorte", "1"};
inline constexpr SettingKey Nutzungsart{App, Properties, "Nutzungsart", "1"};
inline constexpr SettingKey Einschlagtyp{App, Properties, "Einschlagtyp", "1"};
inline constexpr SettingKey UebernStaerke{App, Properties, "UebernStaerke", "1"};
inline constexpr SettingKey Sortimentsliste{App, Properties, "Sortimentsliste", "1"};
inline constexpr SettingKey AutoLos{App, Properties, "AutoLos", "0"};
inline constexpr SettingKey Guete1{App, Properties, "Guete1", "B"};
inline constexpr SettingKey Guete2{App, Properties, "Guete2", "C"};
inline constexpr SettingKey Guete3{App, Properties, "Guete3", "D"};
inline constexpr SettingKey Sorte1{App, Properties, "Sorte1", "IL"};
inline constexpr SettingKey Sorte2{App, Properties, "Sorte2", "L"};
inline constexpr SettingKey Sorte3{App, Properties, "Sorte3", "S"};
// The server database this user works on (no password: that stays in the
// client library's password or service file); empty: the data folder's files.
inline constexpr SettingKey Datenbankserver{App, Properties, "Datenbankserver", ""};
// Column widths the user dragged in the entry screen's tables, in pixels
// separated by commas; 0 leaves a column at the width its texts need.
inline constexpr const char* Columns = "Spalten";
inline constexpr SettingKey SpaltenListListen{App, Columns, "ListListen", ""};
inline constexpr SettingKey SpaltenListDaten{App, Columns, "ListDaten", ""};
// Function-key presets: key names "112" (F1) to "124" (F13).
inline constexpr const char* FunctionKeyDefault = "H ;B;Fichte";

// The report program's own settings.
inline constexpr SettingKey Ueberschrift{ReportApp, ReportSection, "Ueberschrift",
                                         "Überschrift für Word Ausdruck"};
inline constexpr SettingKey Losweise{ReportApp, ReportSection, "Losweise", "1"};
inline constexpr SettingKey Verdichtet{ReportApp, ReportSection, "Verdichtet", "1"};
// Empty default: the report program uses its data folder.
inline constexpr SettingKey DatenbankDir{ReportApp, ReportSection, "DatenbankDir", ""};
inline constexpr SettingKey Datenbank{ReportApp, ReportSection, "Datenbank", "Holz.db"};

// Lot rules: application "Software\Stemmo\<key>", section "Los".
inline constexpr const char* LotSection = "Los";
inline constexpr const char* LotValueNames[10] = {"Holzart",    "Guete",     "Sorte",     "Staerke",
                                                  "LaengeVon",  "LaengeBis", "DurchmVon", "DurchmBis",
                                                  "KubaturVon", "KubaturBis"};
// "101" for rule set 1, lot 1.
QString lotKey(int ruleSet, int lot);
// "Software\Stemmo\101".
QString lotApplication(const QString& lotKey);
// The setting name of a function key (112 for F1 ... 124 for F13).
QString functionKeyName(int keyCode);

} // namespace store::keys
