// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "header/Control.h"

namespace entry {

using header::Control;

// Every control of the entry screen, named as on the screen. The view
// copies them after each changed() signal of FrmHolz.
//
// The texts of the record's own fields (txtLos, txtHolzart, txtLaenge,
// txtDurchmesser, txtGuete, txtSorte, txtStaerke, txtRinde, txtStueck,
// txtFaktor, txtKubatur) and the captions of cmdAbzRinde and cmdKubatur
// live in FrmHolz::record() where the measurement rules work on them; the
// model mirrors them into these controls before every changed(), so the
// view can read everything here.
struct EntryControls {
    QString caption = QStringLiteral("Holz"); // window caption
    Control frameListen;                      // "Holzlisten"
    Control frameEingabe;                     // "Holzeingabemaske"

    // Record fields
    Control txtLos, txtNummer, txtHolzart, txtLaenge, txtDurchmesser, txtGuete, txtSorte, txtStaerke,
        txtRinde, txtStueck, txtFaktor, txtKubatur;
    Control txtZusatz, txtAbteilung, txtPreis, txtPreisfaktor;
    Control cmbEinschlag, cmbNutzung, cmbpreis;
    Control chkFolge, chkKlammer, optEinzelstamm, optSortiment;

    // Input buffer, position and state display, open list
    Control txtEingabe, txtSatzNR, txtgespeichert, TxtListenNR, txtLosNeu;

    // Field buttons and quick buttons
    Control cmdLos, cmdNummer, cmdHolzart, cmdLaenge, cmdDurchm, cmdGuete, cmdKlasse, cmdStaerke, cmdAbzRinde,
        cmdStueck, cmdFaktor, cmdKubatur;
    Control cmdGuete1, cmdGuete2, cmdGuete3, cmdSorte1, cmdSorte2, cmdSorte3;

    // Keypad and commands
    Control cmd0, cmd1, cmd2, cmd3, cmd4, cmd5, cmd6, cmd7, cmd8, cmd9, cmdKomma, cmdBack, cmdX;
    Control cmdSpeichern, cmdEscape, cmdAendern;
    Control cmdErster, cmdZurueck, cmdVor, cmdLetzter;
    Control cmdNeu, cmdListeBearbeiten, cmdBearbeiten;

    // Selection lists
    Control lstHolzart, lstGuete, lstKlasse, lstStaerke, lstRinde, lstLos, lstLosNeu;

    // Menus: Holzdateneingabe
    Control mnuHolz, mnuListe, mnuKubatur, mnuHoechsteNummer, mnuDatensatz, mnuLoeschen, mnuAendern,
        mnuErster, mnuLetzter, mnuKlammerstamm, mnuNutzungsart, mnuEinschlagtyp, mnuMantel, mnuHilfe;
    // Tabelle
    // (mnuLoeschenT "Löschen": the selected rows, after the typed "JA"; also
    // the Delete key in the table.)
    Control mnuTabelle, mnuMehrfach, mnuAendernT, mnuGuete, mnuLos, mnuLaenge, mnuDurchm, mnuSorteAendern,
        mnuAbteilungAendern, mnuListeT, mnuLoeschenT, mnuHilfeT;
    // Listendaten
    Control mnuListendaten, mnuListeL, mnuNeu, mnuKopfdatenL, mnuLoescheng, mnuKonvertieren, mnuEinlesen,
        mnuSortiment, mnuStatistik, mnuHilfeListendaten;
    // Listendaten, exchange beyond the format of the options
    Control mnuEldat, mnuEldatEinlesen, mnuCsv, mnuExcel;
    // Optionen, Drucken, Programm
    Control mnuOptionen, mnuAuswahl, mnuAutoLos, mnuStammdaten, mnuDrucken, mnuProgram, mnuBeenden;
};

} // namespace entry
