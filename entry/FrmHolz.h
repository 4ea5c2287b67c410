// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlSet.h"
#include "entry/EntryControls.h"
#include "entry/EntryHooks.h"
#include "entry/EntryLists.h"
#include "entry/EntryOptions.h"
#include "entry/ScreenState.h"
#include "entry/StackRecordValues.h"
#include "entry/TableChange.h"
#include "rules/BarkTable.h"
#include "rules/RecordFields.h"
#include "rules/Volume.h"

#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace platform {
class UserInterface;
}
namespace store {
class Database;
class Settings;
class TimberStore;
} // namespace store
namespace header {
class FrmListendaten;
}

namespace entry {

class EntryScreen;
class EntryKeys;
class RecordEntry;
class RecordStorage;
class RecordNavigation;
class ListsBrowser;
class ScreenLifecycle;
class ListListenModel;
class ListDatenModel;
class RecordPrice;
class FunctionKeyPresets;
class MultiRecordChange;
class StatisticsModel;

// The entry screen: keypad entry of logs, assortments and stacked wood into
// the open list, the record check and save, navigation, the list of lists
// and the table of the open list's records.
//
// How a view binds to it:
// - After every handler the model emits changed() once, naming the
//   controls that changed (perhaps none); the view copies those from
//   controls() under a QSignalBlocker. The control a user event came from is
//   always named, since its widget may have changed by itself.
//   focusRequested() names the control that should take the focus
//   (txtEingabe: cursor at the end; txtAbteilung: select all).
// - listListen() and listDaten() are item models for the two tables; they
//   report their own rows, and their selectedRow()/currentRow() signals say
//   which row to select.
// - User events go to the methods below, named after the controls' event
//   handlers. Keys go to keyDown()/keyUp() as virtual-key codes
//   (KeyCodes.h); typing into the free text fields (txtZusatz,
//   txtAbteilung, txtPreis, txtPreisfaktor) is reported with textEdited();
//   when the focus leaves the price fields (txtPreis, txtPreisfaktor,
//   cmbpreis) the view calls priceEntryLeft().
// - The record table: the view reports its selected rows with
//   ListDaten_SelectionChanged() (single or extended selection as
//   controls().mnuMehrfach.checked says) and selects the rows that
//   listDaten().selectedRowsChanged() names after a table change.
// - The program constructs the model after the data folder exists, sets
//   hooks and menu handlers, calls Form_Load() and, once the window shows,
//   Form_Activate(). On closing it asks Form_Unload() (window close) or
//   mnuBeenden_Click() (menu), which return whether it may end.
class FrmHolz : public QObject {
    Q_OBJECT
public:
    using Combo = EntryLists::Combo;

    FrmHolz(store::Database& holz, store::Database& master, store::Settings& settings,
            platform::UserInterface& ui, QObject* parent = nullptr);
    ~FrmHolz() override;

    // ---- State for the view -------------------------------------------
    const EntryControls& controls() const;
    const rules::RecordFields& record() const;
    // Feldmodus, Dezimalpunkt, Durchmesser, Laenge, KubaturWert.
    const rules::RecordState& calc() const;
    const ScreenState& state() const;
    // The open list's totals as last stored or counted (fm, pieces).
    double listVolume() const;
    qint32 listPieces() const;
    // The name of the list open for entry; empty while none is.
    const QString& openListName() const;
    const EntryOptions& options() const;
    int HoechsteNummer() const;
    ListListenModel& listListen();
    ListDatenModel& listDaten();
    header::FrmListendaten& frmListendaten();
    store::TimberStore& store();
    // Whether a list is selected in the list of lists / open for entry.
    bool listSelected() const;
    bool listOpen() const;

    // ---- Set-up ---------------------------------------------------------
    // Decided once from the system locale; tests pin it.
    void setDezimalpunkt(bool dezimalpunkt);
    EntryHooks& hooks();
    // Gives a menu entry its handler and enables it; an empty function
    // disables it again.
    void setMenuHandler(MenuCommand command, std::function<void()> handler);
    void Form_Load();
    // The screen became active: opens the selected list.
    void Form_Activate();
    // The options window stored new options: read them from the settings.
    void reloadOptions();
    // The options window's current values, which count at once whether
    // they are stored or not.
    void setOptions(const EntryOptions& options);
    // The options window's "always visible" boxes of the use-type and
    // felling-type drop-downs, at once.
    void setNutzungVisible(bool visible);
    void setEinschlagtypVisible(bool visible);
    // Code lists, species and bark table read again (region or master data changed).
    void reloadMasterData();
    // The list of lists read again and the selected list opened (after an
    // export, import or assortment generation).
    void refreshLists();

    // ---- Keys -------------------------------------------------------------
    // True when the key was used; the view then drops it.
    bool keyDown(int keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                 const QString& text = QString());
    void keyUp(int keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // ---- Keypad and input buffer ------------------------------------------
    // "0" … "9", "," or "." (decimal), "b" (back).
    void keypad(const QString& key);
    void cmdDigit_Click(int digit) { keypad(QString::number(digit)); }
    void cmdKomma_Click();
    void cmdBack_Click() { keypad(QStringLiteral("b")); }
    void txtEingabe_Change(const QString& text);

    // ---- Field buttons and fields -----------------------------------------
    void cmdLaenge_Click();
    void cmdDurchm_Click();
    void cmdStueck_Click();
    void cmdFaktor_Click();
    void cmdKubatur_Click();
    void cmdNummer_Click();
    void cmdStaerke_Click();
    void txtStaerke_Click();
    void txtRinde_Click();
    void txtAbteilung_Click();
    void txtZusatz_Click();
    void txtPreisfaktor_Click();
    // The labels beside the remark and price fields: Label1 "Zusatztext",
    // Label2 "Preisart", Label3 "Preis in Euro", Label4 "Preisfaktor".
    void Label1_Click() { txtZusatz_Click(); }
    void Label2_Click();
    void Label3_Click();
    void Label4_Click() { txtPreisfaktor_Click(); }
    // Field entry of the record's price (a lump sum for the unit "€").
    void txtPreis_Click();
    // The unit of the price (cmbpreis): -1 for none.
    void cmbpreis_Click(int index) { comboChoose(Combo::Preis, index); }
    // Recomputes txtPreis from unit, unit price and volume.
    void Preis_berrechnen();
    // The focus left the price fields: a changed price of a stored record
    // is offered for saving ("Daten speichern ?").
    void priceEntryLeft();
    // Text typed into a field by the user (or set by a script): txtZusatz,
    // txtAbteilung, txtPreis, txtPreisfaktor, txtLosNeu, txtHolzart.
    void textEdited(ControlId control, const QString& text);

    // ---- Selection lists, drop-downs, quick buttons -----------------------
    void cmdHolzart_Click();
    void cmdGuete_Click();
    void cmdKlasse_Click();
    void cmdLos_Click();
    void cmdAbzRinde_Click();
    // The view moved the selection of a list (lstHolzart, lstGuete,
    // lstKlasse, lstStaerke, lstRinde, lstLos, lstLosNeu).
    void listSelect(ControlId list, int index);
    // A double click on a list entry.
    void listChoose(ControlId list, int index);
    void txtLosNeu_Enter(const QString& text);
    void Los_Pruefen(int lot);
    void cmdGuete_Click(int button); // quick buttons 1 … 3
    void cmdSorte_Click(int button);
    // A grade or assortment code as a list choice or quick button gives it.
    void chooseGrade(const QString& grade);
    void chooseSorte(const QString& sorte);
    void comboDropDown(Combo combo, bool open);
    void comboChoose(Combo combo, int index);

    // ---- Record kind and follow-on logs ----------------------------------
    void optEinzelstamm_Click();
    void optSortiment_Click();
    void cmdX_Click();
    void chkFolge_Click(bool checked);
    void chkKlammer_Click(bool checked);
    void mnuKlammerstamm_Click();

    // ---- Record -------------------------------------------------------------
    void Sorte();
    void Neuer_Datensatz();
    void cmdEscape_Click();
    void Datensatz_Berechnen();
    bool cmdSpeichern_Click();
    bool Daten_Kontrolle();
    bool Daten_Speichern();
    void Daten_Lesen();

    // ---- Navigation, change, delete -------------------------------------
    void cmdZurueck_Click();
    void cmdVor_Click();
    void cmdErster_Click();
    void cmdLetzter_Click();
    void mnuErster_Click() { cmdErster_Click(); }
    void mnuLetzter_Click() { cmdLetzter_Click(); }
    void cmdAendern_Click();
    void mnuAendern_Click() { cmdAendern_Click(); }
    void mnuLoeschen_Click();
    void mnuHoechsteNummer_Click();

    // ---- List of lists --------------------------------------------------
    void Liste_Daten();
    bool Liste_Ausgewaehlt();
    // Selects the list of that name without opening it; false when there is none.
    bool selectList(const QString& name);
    void ListListen_Click(int row);
    void ListListen_ColumnClick(int column);
    void cmdBearbeiten_Click();
    void cmdNeu_Click();
    void mnuNeu_Click() { cmdNeu_Click(); }
    void cmdListeBearbeiten_Click();
    void mnuKopfdatenL_Click() { cmdListeBearbeiten_Click(); }
    void mnuLoescheng_Click();
    void Liste_Kubatur_Berechnen(bool still);
    void mnuKubatur_Click();
    void mnuStatistik_Click();
    // The statistics "Statistik" computed last (EntryHooks::Statistik_Anzeigen).
    StatisticsModel& statistics();

    // ---- Table of records -----------------------------------------------
    void ListDaten_Click(int row);
    // The rows selected in the table (0-based).
    void ListDaten_SelectionChanged(const QList<int>& rows);
    // A key pressed in the table: Delete (46) deletes the selected rows
    // after the typed "JA".
    void ListDaten_KeyDown(int keyCode);
    // The table menu's changes of the selected rows: a new grade, lot,
    // length, diameter, assortment or compartment, moving them to another
    // list, deleting them. See MultiRecordChange.
    void Tabelle_Mehrfach_Aendern(TableChange feld);
    void mnuGuete_Click() { Tabelle_Mehrfach_Aendern(TableChange::Guete); }
    void mnuLos_Click() { Tabelle_Mehrfach_Aendern(TableChange::Los); }
    void mnuLaenge_Click() { Tabelle_Mehrfach_Aendern(TableChange::Laenge); }
    void mnuDurchm_Click() { Tabelle_Mehrfach_Aendern(TableChange::Durchm); }
    void mnuSorteAendern_Click() { Tabelle_Mehrfach_Aendern(TableChange::Sorte); }
    void mnuAbteilungAendern_Click() { Tabelle_Mehrfach_Aendern(TableChange::Abteilung); }
    void mnuListeT_Click() { Tabelle_Mehrfach_Aendern(TableChange::Liste); }
    void mnuLoeschenT_Click() { Tabelle_Mehrfach_Aendern(TableChange::Loeschen); }

    // ---- Assortment generation ------------------------------------------
    // "Sortiment": merges the selected list's runs of equal assortment
    // records, then opens the list again.
    void mnuSortiment_Click();

    // ---- Stack samples (the Mantel window) -------------------------------
    // The region's bark table; the object lives as long as the screen and
    // follows region changes.
    const rules::BarkTable& barkTable() const;
    // The record on screen as the stack-sample window needs it.
    StackRecordValues stackRecordValues() const;
    // A sample was stored: shows the record's new volume and, when its
    // stored row was updated, keeps the list's total and the table right.
    void applyStackSample(const QString& txtKubatur, double oldKubatur, double newKubatur, bool rowUpdated);

    // ---- Menus ------------------------------------------------------------
    void mnuNutzungsart_Click();
    void mnuEinschlagtyp_Click();
    void mnuHilfe_Click();
    void mnuHilfeListendaten_Click();
    void mnuHilfeT_Click();
    // "Mehrfachauswahl": toggles the multi-row selection of the record
    // table; a row click reads no record while it is on.
    void mnuMehrfach_Click();
    // Runs the handler of a menu entry of another window or driver.
    void menuCommand(MenuCommand command);
    void mnuKonvertieren_Click() { menuCommand(MenuCommand::Konvertieren); }
    void mnuEinlesen_Click() { menuCommand(MenuCommand::Einlesen); }
    void mnuEldat_Click() { menuCommand(MenuCommand::Eldat); }
    void mnuEldatEinlesen_Click() { menuCommand(MenuCommand::EldatEinlesen); }
    void mnuCsv_Click() { menuCommand(MenuCommand::Csv); }
    void mnuExcel_Click() { menuCommand(MenuCommand::Excel); }
    void mnuStammdaten_Click() { menuCommand(MenuCommand::Stammdaten); }
    void mnuAuswahl_Click() { menuCommand(MenuCommand::Auswahl); }
    void mnuAutoLos_Click() { menuCommand(MenuCommand::AutoLos); }
    // Opens the stack samples of the record on screen, or says why this
    // record takes none (StackSampleRule) and opens nothing.
    void mnuMantel_Click();
    void mnuDrucken_Click() { menuCommand(MenuCommand::Drucken); }
    void mnuLagerorte_Click() { menuCommand(MenuCommand::Lagerorte); }

    // ---- Closing ------------------------------------------------------------
    // "Programm beenden ?" and the closing steps; true when the program may end.
    bool mnuBeenden_Click();
    // The closing steps without the question; false keeps the program open
    // (an unsaved record the user wants to keep could not be saved).
    bool Form_Unload();

signals:
    void changed(const entry::ControlSet& controls);
    void focusRequested(entry::ControlId control);

private:
    class Publish;
    template <class F> auto handle(F&& handler) -> decltype(handler());
    void publish();
    Control* menuControl(MenuCommand command);
    static ControlId comboControl(Combo combo);
    // Settles a pending price change before the screen moves to another record.
    void leavePriceEntry();
    // The field a table menu command changes; empty for the other commands.
    static std::optional<TableChange> tableChange(MenuCommand command);
    void onHeaderSaved(const QString& name);
    void onHeaderStored(const QString& name);
    void onListRenamed(const QString& oldName, const QString& newName);

    // Plugged in by other windows through hooks(); the parts only run them.
    // Declared before m_s, which keeps a reference to them.
    EntryHooks m_hooks;
    std::unique_ptr<EntryScreen> m_s;
    std::unique_ptr<RecordEntry> m_entry;
    std::unique_ptr<EntryLists> m_lists;
    std::unique_ptr<RecordStorage> m_storage;
    std::unique_ptr<RecordNavigation> m_navigation;
    std::unique_ptr<ListsBrowser> m_browser;
    std::unique_ptr<EntryKeys> m_keys;
    std::unique_ptr<ScreenLifecycle> m_life;
    std::unique_ptr<ListListenModel> m_listen;
    std::unique_ptr<ListDatenModel> m_daten;
    std::unique_ptr<header::FrmListendaten> m_header;
    std::unique_ptr<RecordPrice> m_price;
    std::unique_ptr<FunctionKeyPresets> m_presets;
    std::unique_ptr<MultiRecordChange> m_table;
    std::unique_ptr<StatisticsModel> m_statistik;
    QHash<int, std::function<void()>> m_menuHandlers;
    int m_depth = 0;
    EntryControls m_published; // the controls as the last changed() left them
    ControlSet m_touched;      // controls a user event of this handler came from
};

} // namespace entry
