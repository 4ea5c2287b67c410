// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace entry {

// Every control of the entry screen, listed once: its name (the member of
// EntryControls, the object name of its widget, and the id below) and the
// caption it starts with. Code names a control by ControlId, so a misspelt
// name does not compile, and nothing else keeps a list of the controls.
#define STEMMO_ENTRY_CONTROLS(X)                                                                          \
    X(frameListen, "Holzlisten")                                                                          \
    X(frameEingabe, "Holzeingabemaske")                                                                   \
    /* Record fields */                                                                                   \
    X(txtLos, "") X(txtNummer, "") X(txtHolzart, "") X(txtLaenge, "") X(txtDurchmesser, "")               \
    X(txtGuete, "") X(txtSorte, "") X(txtStaerke, "") X(txtRinde, "") X(txtStueck, "") X(txtFaktor, "")   \
    X(txtKubatur, "") X(txtZusatz, "Zusatztext") X(txtAbteilung, "Abteilung")                             \
    X(txtPreis, "Preis in Euro") X(txtPreisfaktor, "Preisfaktor")                                         \
    X(cmbEinschlag, "") X(cmbNutzung, "") X(cmbpreis, "Preisart")                                         \
    X(chkFolge, "Folgestamm") X(chkKlammer, "Klammerstamm")                                               \
    X(optEinzelstamm, "Einzelstamm") X(optSortiment, "Sortiment")                                         \
    /* Input buffer, position and state display, open list */                                            \
    X(txtEingabe, "") X(txtSatzNR, "") X(txtgespeichert, "Gespeichert") X(TxtListenNR, "Aktive Liste")    \
    X(txtLosNeu, "Neues Los")                                                                             \
    /* Field buttons and quick buttons */                                                                 \
    X(cmdLos, "&Los") X(cmdNummer, "&Nummer") X(cmdHolzart, "&Holzart") X(cmdLaenge, "&Länge")            \
    X(cmdDurchm, "Du&rch") X(cmdGuete, "&Güte") X(cmdKlasse, "Sor&te") X(cmdStaerke, "Stär&ke")           \
    X(cmdAbzRinde, "") X(cmdStueck, "St&ück") X(cmdFaktor, "&Faktor") X(cmdKubatur, "")                   \
    X(cmdGuete1, "") X(cmdGuete2, "") X(cmdGuete3, "") X(cmdSorte1, "") X(cmdSorte2, "") X(cmdSorte3, "") \
    /* Keypad and commands */                                                                             \
    X(cmd0, "0") X(cmd1, "1") X(cmd2, "2") X(cmd3, "3") X(cmd4, "4") X(cmd5, "5") X(cmd6, "6")            \
    X(cmd7, "7") X(cmd8, "8") X(cmd9, "9") X(cmdKomma, ",") X(cmdBack, "<-") X(cmdX, "x")                 \
    X(cmdSpeichern, "Speichern") X(cmdEscape, "Esc") X(cmdAendern, "Ändern")                              \
    X(cmdErster, "|<") X(cmdZurueck, "<") X(cmdVor, ">") X(cmdLetzter, ">|")                              \
    X(cmdNeu, "Neue Liste") X(cmdListeBearbeiten, "Kopfdaten bearbeiten")                                 \
    X(cmdBearbeiten, "Holzdaten eingeben")                                                                \
    /* Selection lists */                                                                                 \
    X(lstHolzart, "") X(lstGuete, "") X(lstKlasse, "") X(lstStaerke, "") X(lstRinde, "") X(lstLos, "")    \
    X(lstLosNeu, "")                                                                                      \
    /* Menu Holzdateneingabe */                                                                           \
    X(mnuHolz, "Holzdateneingabe") X(mnuListe, "Liste") X(mnuKubatur, "Kubatur")                          \
    X(mnuHoechsteNummer, "Höchste Nummer") X(mnuDatensatz, "Datensatz") X(mnuLoeschen, "Löschen")         \
    X(mnuAendern, "Ändern") X(mnuErster, "Erster") X(mnuLetzter, "Letzter")                               \
    X(mnuKlammerstamm, "Klammerstamm") X(mnuNutzungsart, "Nutzungsart")                                   \
    X(mnuEinschlagtyp, "Einschlagtyp") X(mnuMantel, "Mantelmessung") X(mnuHilfe, "Hilfe")                 \
    /* Menu Tabelle (mnuLoeschenT: the selected rows, after the typed "JA"; also the Delete key) */       \
    X(mnuTabelle, "Tabelle") X(mnuMehrfach, "Mehrfachauswahl") X(mnuAendernT, "Ändern")                   \
    X(mnuGuete, "Güte") X(mnuLos, "Los") X(mnuLaenge, "Länge") X(mnuDurchm, "Durchmesser")                \
    X(mnuSorteAendern, "Sorte") X(mnuAbteilungAendern, "Abteilung") X(mnuListeT, "Liste")                 \
    X(mnuLoeschenT, "Löschen") X(mnuHilfeT, "Hilfe")                                                      \
    /* Menu Listendaten, with the exchange beyond the format of the options */                            \
    X(mnuListendaten, "Listendaten") X(mnuListeL, "Liste") X(mnuNeu, "Neu")                               \
    X(mnuKopfdatenL, "Kopfdaten") X(mnuLoescheng, "Löschen") X(mnuKonvertieren, "Konvertieren")           \
    X(mnuEinlesen, "Einlesen") X(mnuSortiment, "Sortiment") X(mnuStatistik, "Statistik")                  \
    X(mnuHilfeListendaten, "Hilfe") X(mnuEldat, "ELDATsmart exportieren")                                 \
    X(mnuEldatEinlesen, "ELDATsmart einlesen") X(mnuCsv, "Als CSV-Tabelle exportieren")                   \
    X(mnuExcel, "Als Excel-Arbeitsmappe exportieren")                                                     \
    /* Beside "Kubatur" (the lots' totals) and in "Listendaten → Liste": one control, two entries */    \
    X(mnuLagerorte, "Lagerorte und Fotos der Lose …")                                                     \
    /* Menus Optionen, Drucken, Programm */                                                               \
    X(mnuOptionen, "Optionen") X(mnuAuswahl, "Auswahl") X(mnuAutoLos, "AutoLos")                          \
    X(mnuStammdaten, "Stammdaten einlesen") X(mnuDrucken, "Drucken") X(mnuProgram, "&Programm")           \
    X(mnuBeenden, "Beenden")

enum class ControlId : std::uint8_t {
#define STEMMO_CONTROL_ID(name, caption) name,
    STEMMO_ENTRY_CONTROLS(STEMMO_CONTROL_ID)
#undef STEMMO_CONTROL_ID
};

#define STEMMO_CONTROL_COUNT(name, caption) +1
inline constexpr int ControlCount = 0 STEMMO_ENTRY_CONTROLS(STEMMO_CONTROL_COUNT);
#undef STEMMO_CONTROL_COUNT

// The object name of the control's widget, as the GUI tests find it.
QString controlName(ControlId id);
// The caption the control starts with; empty for controls without one.
QString initialCaption(ControlId id);

} // namespace entry
