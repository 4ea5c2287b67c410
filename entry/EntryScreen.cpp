// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryScreen.h"

#include "entry/ListDatenModel.h"
#include "entry/RecordPrice.h"
#include "platform/UserInterface.h"
#include "store/DbError.h"

namespace entry {
namespace {

void caption(Control& control, const char* text)
{
    control.caption = QString::fromUtf8(text);
}

void hidden(std::initializer_list<Control*> controls)
{
    for (Control* control : controls)
        control->visible = false;
}

} // namespace

EntryScreen::EntryScreen(store::Database& holz, store::Database& masterDb, store::Settings& settingsStore,
                         platform::UserInterface& userInterface)
    : store(holz, settingsStore), master(masterDb), settings(settingsStore), ui(userInterface)
{
    // The screen design's caption "&a" is no bark mode at all: a record saved
    // before the user picked one would compute without deduction while the
    // button reads "a", and carry "&a" into the exchange files.
    record.cmdAbzRinde = QStringLiteral("a");

    caption(c.frameListen, "Holzlisten");
    caption(c.frameEingabe, "Holzeingabemaske");
    caption(c.cmdLos, "&Los");
    caption(c.cmdNummer, "&Nummer");
    caption(c.cmdHolzart, "&Holzart");
    caption(c.cmdLaenge, "&Länge");
    caption(c.cmdDurchm, "Du&rch");
    caption(c.cmdGuete, "&Güte");
    caption(c.cmdKlasse, "Sor&te");
    caption(c.cmdStaerke, "Stär&ke");
    caption(c.cmdStueck, "St&ück");
    caption(c.cmdFaktor, "&Faktor");
    Control* digits[] = {&c.cmd0, &c.cmd1, &c.cmd2, &c.cmd3, &c.cmd4,
                         &c.cmd5, &c.cmd6, &c.cmd7, &c.cmd8, &c.cmd9};
    for (int i = 0; i < 10; ++i)
        digits[i]->caption = QString::number(i);
    caption(c.cmdKomma, ",");
    caption(c.cmdBack, "<-");
    caption(c.cmdX, "x");
    caption(c.cmdSpeichern, "Speichern");
    caption(c.cmdEscape, "Esc");
    caption(c.cmdAendern, "Ändern");
    c.cmdAendern.toolTip = QStringLiteral("Datensatz ändern");
    c.cmdErster.toolTip = QStringLiteral("ersten Datensatz anzeigen");
    c.cmdZurueck.toolTip = QStringLiteral("vorherigen Datensatz anzeigen");
    c.cmdVor.toolTip = QStringLiteral("nächsten Datensatz anzeigen");
    c.cmdLetzter.toolTip = QStringLiteral("letzten Datensatz anzeigen");
    caption(c.cmdErster, "|<");
    caption(c.cmdZurueck, "<");
    caption(c.cmdVor, ">");
    caption(c.cmdLetzter, ">|");
    caption(c.cmdNeu, "Neue Liste");
    caption(c.cmdListeBearbeiten, "Kopfdaten bearbeiten");
    caption(c.cmdBearbeiten, "Holzdaten eingeben");
    caption(c.chkFolge, "Folgestamm");
    caption(c.chkKlammer, "Klammerstamm");
    caption(c.optEinzelstamm, "Einzelstamm");
    caption(c.optSortiment, "Sortiment");
    caption(c.txtgespeichert, "Gespeichert");
    c.txtgespeichert.text = c.txtgespeichert.caption;
    caption(c.TxtListenNR, "Aktive Liste");
    caption(c.txtLosNeu, "Neues Los");
    caption(c.cmbpreis, "Preisart");
    caption(c.txtPreis, "Preis in Euro");
    caption(c.txtPreisfaktor, "Preisfaktor");
    caption(c.txtZusatz, "Zusatztext");
    caption(c.txtAbteilung, "Abteilung");

    caption(c.mnuHolz, "Holzdateneingabe");
    caption(c.mnuListe, "Liste");
    caption(c.mnuKubatur, "Kubatur");
    caption(c.mnuHoechsteNummer, "Höchste Nummer");
    caption(c.mnuDatensatz, "Datensatz");
    caption(c.mnuLoeschen, "Löschen");
    caption(c.mnuAendern, "Ändern");
    caption(c.mnuErster, "Erster");
    caption(c.mnuLetzter, "Letzter");
    caption(c.mnuKlammerstamm, "Klammerstamm");
    caption(c.mnuNutzungsart, "Nutzungsart");
    caption(c.mnuEinschlagtyp, "Einschlagtyp");
    caption(c.mnuMantel, "Mantelmessung");
    caption(c.mnuHilfe, "Hilfe");
    caption(c.mnuTabelle, "Tabelle");
    caption(c.mnuMehrfach, "Mehrfachauswahl");
    caption(c.mnuAendernT, "Ändern");
    caption(c.mnuGuete, "Güte");
    caption(c.mnuLos, "Los");
    caption(c.mnuLaenge, "Länge");
    caption(c.mnuDurchm, "Durchmesser");
    caption(c.mnuSorteAendern, "Sorte");
    caption(c.mnuAbteilungAendern, "Abteilung");
    caption(c.mnuListeT, "Liste");
    caption(c.mnuLoeschenT, "Löschen");
    caption(c.mnuHilfeT, "Hilfe");
    caption(c.mnuListendaten, "Listendaten");
    caption(c.mnuListeL, "Liste");
    caption(c.mnuNeu, "Neu");
    caption(c.mnuKopfdatenL, "Kopfdaten");
    caption(c.mnuLoescheng, "Löschen");
    caption(c.mnuKonvertieren, "Konvertieren");
    caption(c.mnuEinlesen, "Einlesen");
    caption(c.mnuEldat, "ELDATsmart exportieren");
    caption(c.mnuEldatEinlesen, "ELDATsmart einlesen");
    caption(c.mnuCsv, "Als CSV-Tabelle exportieren");
    caption(c.mnuExcel, "Als Excel-Arbeitsmappe exportieren");
    caption(c.mnuSortiment, "Sortiment");
    caption(c.mnuStatistik, "Statistik");
    caption(c.mnuHilfeListendaten, "Hilfe");
    caption(c.mnuOptionen, "Optionen");
    caption(c.mnuAuswahl, "Auswahl");
    caption(c.mnuAutoLos, "AutoLos");
    caption(c.mnuStammdaten, "Stammdaten einlesen");
    caption(c.mnuDrucken, "Drucken");
    caption(c.mnuProgram, "&Programm");
    caption(c.mnuBeenden, "Beenden");

    c.optEinzelstamm.checked = true;
    c.cmdKubatur.enabled = false;
    c.cmdKomma.enabled = false;
    hidden({&c.chkFolge, &c.chkKlammer, &c.cmdFaktor, &c.txtFaktor, &c.cmdX, &c.txtgespeichert, &c.lstHolzart,
            &c.lstGuete, &c.lstKlasse, &c.lstStaerke, &c.lstRinde, &c.lstLos, &c.lstLosNeu, &c.txtLosNeu});
    setNavigation(false);
}

void EntryScreen::Auswahl_geaendert()
{
    if (calc.Feldmodus)
        c.txtEingabe.text.clear();
    const QString code = record.sortCode();
    c.cmdKomma.enabled =
        code == QLatin1String("P ") || code == QLatin1String("S ") || code == QLatin1String("IS");
    for (Control* field :
         {&c.txtKubatur, &c.txtDurchmesser, &c.txtLaenge, &c.txtNummer, &c.txtStueck, &c.txtFaktor,
          &c.txtRinde, &c.txtStaerke, &c.txtZusatz, &c.txtPreis, &c.txtPreisfaktor, &c.txtAbteilung})
        field->highlighted = false;
}

void EntryScreen::Listen_Ausblenden()
{
    for (Control* list : {&c.lstHolzart, &c.lstLos, &c.lstLosNeu, &c.txtLosNeu, &c.lstStaerke, &c.lstGuete,
                          &c.lstKlasse, &c.lstRinde})
        list->visible = false;
}

void EntryScreen::setNavigation(bool enabled)
{
    for (Control* button : {&c.cmdVor, &c.cmdZurueck, &c.cmdErster, &c.cmdLetzter})
        button->enabled = enabled;
}

void EntryScreen::Satz_Position_Anzeigen()
{
    if (!store.Holz.hasCurrent())
        return;
    const QString position = QString::number(store.Holz.absolutePosition());
    const QString count = QString::number(store.Holz.recordCount());
    c.txtSatzNR.text = QStringLiteral("Nr. ") + position + QStringLiteral(" von ") + count;
    c.txtSatzNR.toolTip = QStringLiteral("Datensatz Nummer '") + position +
                          QStringLiteral("' von insgesammt '") + count + QStringLiteral("' Datensätzen");
}

void EntryScreen::Datensatz_Berechnen()
{
    QList<platform::Message> messages;
    rules::Datensatz_Berechnen(record, calc, barkTable, messages);
    for (const platform::Message& message : messages) {
        // Every key release recomputes; a missing bark table is worth one
        // message per record, not one per key.
        if (state.computeMessagesShown.contains(message.text))
            continue;
        state.computeMessagesShown.insert(message.text);
        ui.message(message);
        Eingabe_Daten();
    }
    if (price)
        price->Preis_berrechnen();
    c.lstKlasse.visible = false;
}

void EntryScreen::setKind(bool einzelstamm)
{
    record.optEinzelstamm = einzelstamm;
    c.optEinzelstamm.checked = einzelstamm;
    c.optSortiment.checked = !einzelstamm;
}

bool EntryScreen::positionOnOpenList()
{
    if (state.openListId == 0)
        return false;
    if (store.Listen.currentId() == state.openListId)
        return true;
    const int index = store.Listen.indexOfId(state.openListId);
    if (index < 0)
        return false;
    store.Listen.move(index);
    return true;
}

QString* EntryScreen::fieldText(const QString& feld)
{
    if (feld == QLatin1String("Laenge"))
        return &record.txtLaenge;
    if (feld == QLatin1String("Durchmesser"))
        return &record.txtDurchmesser;
    if (feld == QLatin1String("Stueck"))
        return &record.txtStueck;
    if (feld == QLatin1String("Faktor"))
        return &record.txtFaktor;
    if (feld == QLatin1String("Rinde"))
        return &record.txtRinde;
    if (feld == QLatin1String("Staerke"))
        return &record.txtStaerke;
    if (feld == QLatin1String("Kubatur"))
        return &record.txtKubatur;
    if (feld == QLatin1String("Nummer"))
        return &c.txtNummer.text;
    if (feld == QLatin1String("Preisfaktor"))
        return &c.txtPreisfaktor.text;
    if (feld == QLatin1String("Preis"))
        return &c.txtPreis.text;
    if (feld == QLatin1String("Abteilung"))
        return &c.txtAbteilung.text;
    if (feld == QLatin1String("Zusatz"))
        return &c.txtZusatz.text;
    return nullptr;
}

QString EntryScreen::fieldControlName(const QString& feld)
{
    if (feld == QLatin1String("Durchmesser"))
        return QStringLiteral("txtDurchmesser");
    return QStringLiteral("txt") + feld;
}

Control* EntryScreen::fieldControl(const QString& feld)
{
    static const QHash<QString, Control EntryControls::*> controls = {
        {QStringLiteral("Laenge"), &EntryControls::txtLaenge},
        {QStringLiteral("Durchmesser"), &EntryControls::txtDurchmesser},
        {QStringLiteral("Stueck"), &EntryControls::txtStueck},
        {QStringLiteral("Faktor"), &EntryControls::txtFaktor},
        {QStringLiteral("Rinde"), &EntryControls::txtRinde},
        {QStringLiteral("Staerke"), &EntryControls::txtStaerke},
        {QStringLiteral("Kubatur"), &EntryControls::txtKubatur},
        {QStringLiteral("Nummer"), &EntryControls::txtNummer},
        {QStringLiteral("Preisfaktor"), &EntryControls::txtPreisfaktor},
        {QStringLiteral("Preis"), &EntryControls::txtPreis},
        {QStringLiteral("Abteilung"), &EntryControls::txtAbteilung},
        {QStringLiteral("Zusatz"), &EntryControls::txtZusatz},
    };
    const auto it = controls.constFind(feld);
    return it == controls.constEnd() ? nullptr : &(c.*(*it));
}

void EntryScreen::showError(const store::DbError& error)
{
    ui.message({error.userText(), QString(), platform::Buttons::Ok, platform::Icon::Critical});
}

void EntryScreen::noListMessage()
{
    ui.message({QStringLiteral("Liste mit Stift auswählen (unter Liste)"), QStringLiteral("Information"),
                platform::Buttons::Ok, platform::Icon::Information});
}

void EntryScreen::syncControls()
{
    c.txtLos.text = record.txtLos;
    c.txtHolzart.text = record.txtHolzart;
    c.txtLaenge.text = record.txtLaenge;
    c.txtDurchmesser.text = record.txtDurchmesser;
    c.txtGuete.text = record.txtGuete;
    c.txtSorte.text = record.txtSorte;
    c.txtStaerke.text = record.txtStaerke;
    c.txtRinde.text = record.txtRinde;
    c.txtStueck.text = record.txtStueck;
    c.txtFaktor.text = record.txtFaktor;
    c.txtKubatur.text = record.txtKubatur;
    c.cmdAbzRinde.caption = record.cmdAbzRinde;
    c.cmdKubatur.caption = record.cmdKubatur;
}

} // namespace entry
