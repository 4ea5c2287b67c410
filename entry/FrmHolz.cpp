// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmHolz.h"

#include "entry/AssortmentGenerator.h"
#include "entry/EntryKeys.h"
#include "entry/EntryScreen.h"
#include "entry/FunctionKeyPresets.h"
#include "entry/KeyCodes.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTotals.h"
#include "entry/ListsBrowser.h"
#include "entry/MultiRecordChange.h"
#include "entry/RecordEntry.h"
#include "entry/RecordNavigation.h"
#include "entry/RecordPrice.h"
#include "entry/RecordStorage.h"
#include "entry/ScreenLifecycle.h"
#include "entry/StackSampleRule.h"
#include "entry/StatisticsModel.h"
#include "header/FrmListendaten.h"
#include "platform/UserInterface.h"
#include "rules/Numbers.h"
#include "store/DbError.h"
#include "store/Transaction.h"

#include <QLocale>

namespace entry {

// Emits changed() once when the outermost handler returns, after the
// record's texts were copied into the controls.
class FrmHolz::Publish {
public:
    explicit Publish(FrmHolz& form) : m_form(form) { ++m_form.m_depth; }
    ~Publish()
    {
        if (--m_form.m_depth == 0)
            m_form.publish();
    }
    Publish(const Publish&) = delete;
    Publish& operator=(const Publish&) = delete;

private:
    FrmHolz& m_form;
};

template <class F> auto FrmHolz::handle(F&& handler) -> decltype(handler())
{
    Publish publish(*this);
    try {
        return handler();
    } catch (const store::DbError& error) {
        // Every write runs in its own transaction, so a failure here has
        // stored nothing; the user learns why.
        m_s->showError(error);
        return decltype(handler())();
    }
}

FrmHolz::FrmHolz(store::Database& holz, store::Database& master, store::Settings& settings,
                 platform::UserInterface& ui, QObject* parent)
    : QObject(parent), m_s(std::make_unique<EntryScreen>(holz, settings, ui, m_hooks))
{
    EntryScreen& s = *m_s;
    // Each part gets the parts it calls, which are built before it: calls go
    // one way (docs/architecture.md). The few calls back up are callbacks.
    m_listen = std::make_unique<ListListenModel>(s.store.Listen);
    m_daten = std::make_unique<ListDatenModel>(s.store.Holz);
    m_statistik = std::make_unique<StatisticsModel>();
    m_header = std::make_unique<header::FrmListendaten>(s.store, ui);
    m_price = std::make_unique<RecordPrice>(
        s, [this] { m_storage->cmdSpeichern_Click(); }, [this] { m_storage->Daten_Lesen(); });
    s.onRecomputed([this] { m_price->Preis_berrechnen(); });
    m_storage = std::make_unique<RecordStorage>(s, *m_daten, *m_listen, *m_price,
                                                [this] { m_entry->Neuer_Datensatz(); });
    m_entry = std::make_unique<RecordEntry>(s, *m_price, *m_storage);
    m_lists = std::make_unique<EntryLists>(s, master, *m_entry, *m_price);
    m_navigation = std::make_unique<RecordNavigation>(s, *m_daten, *m_listen, *m_storage);
    m_browser = std::make_unique<ListsBrowser>(s, *m_daten, *m_entry, *m_listen, *m_statistik, *m_storage);
    m_presets = std::make_unique<FunctionKeyPresets>(s, *m_entry, *m_lists);
    m_table = std::make_unique<MultiRecordChange>(s, *m_daten, *m_listen, *m_storage);
    m_keys = std::make_unique<EntryKeys>(s, *m_entry, *m_lists, *m_navigation, *m_presets, *m_price, *m_storage);
    m_life = std::make_unique<ScreenLifecycle>(s, *m_browser, *m_listen, *m_lists, *m_storage);

    connect(m_header.get(), &header::FrmListendaten::listSaved, this, &FrmHolz::onHeaderSaved);
    connect(m_header.get(), &header::FrmListendaten::listStored, this, &FrmHolz::onHeaderStored);
    connect(m_header.get(), &header::FrmListendaten::listRenamed, this, &FrmHolz::onListRenamed);
    connect(m_header.get(), &header::FrmListendaten::dismissed, this,
            [this] { handle([this] { m_s->Eingabe_Daten(); }); });

    setDezimalpunkt(rules::detectDezimalpunkt(QLocale::system()));
    // Other windows enable the menu items they handle.
    for (ControlId menu : {ControlId::mnuKonvertieren, ControlId::mnuEinlesen, ControlId::mnuEldat,
                           ControlId::mnuEldatEinlesen, ControlId::mnuCsv, ControlId::mnuExcel,
                           ControlId::mnuStammdaten, ControlId::mnuAuswahl, ControlId::mnuAutoLos,
                           ControlId::mnuMantel, ControlId::mnuDrucken, ControlId::mnuLagerorte})
        s.menuItem(menu).enabled = false;
    m_s->syncControls();
    m_published = s.controls();
}

FrmHolz::~FrmHolz() = default;

void FrmHolz::publish()
{
    m_s->syncControls();
    ControlSet changedControls = ControlSet::differing(m_published, m_s->controls());
    changedControls |= std::exchange(m_touched, ControlSet());
    m_published = m_s->controls();
    emit changed(changedControls);
    if (const std::optional<ControlId> focus = m_s->takeFocusRequest())
        emit focusRequested(*focus);
}

// ---- State --------------------------------------------------------------

const EntryControls& FrmHolz::controls() const
{
    return m_s->controls();
}

const rules::RecordFields& FrmHolz::record() const
{
    return m_s->record();
}

const rules::RecordState& FrmHolz::calc() const
{
    return m_s->calc();
}

const ScreenState& FrmHolz::state() const
{
    return m_s->state();
}

double FrmHolz::listVolume() const
{
    return m_s->listVolume();
}

qint32 FrmHolz::listPieces() const
{
    return m_s->listPieces();
}

const QString& FrmHolz::openListName() const
{
    return m_s->listName();
}

const EntryOptions& FrmHolz::options() const
{
    return m_s->options();
}

int FrmHolz::HoechsteNummer() const
{
    return m_s->store.HoechsteNummer;
}

ListListenModel& FrmHolz::listListen()
{
    return *m_listen;
}

ListDatenModel& FrmHolz::listDaten()
{
    return *m_daten;
}

header::FrmListendaten& FrmHolz::frmListendaten()
{
    return *m_header;
}

store::TimberStore& FrmHolz::store()
{
    return m_s->store;
}

bool FrmHolz::listSelected() const
{
    return m_listen->selectedRow() >= 0;
}

bool FrmHolz::listOpen() const
{
    return m_s->listOpen();
}

// ---- Set-up ---------------------------------------------------------------

void FrmHolz::setDezimalpunkt(bool dezimalpunkt)
{
    m_s->setDezimalpunkt(dezimalpunkt);
    m_listen->setDezimalpunkt(dezimalpunkt);
    m_daten->setDezimalpunkt(dezimalpunkt);
}

EntryHooks& FrmHolz::hooks()
{
    return m_hooks;
}

Control* FrmHolz::menuControl(MenuCommand command)
{
    switch (command) {
    case MenuCommand::Konvertieren:
        return &m_s->menuItem(ControlId::mnuKonvertieren);
    case MenuCommand::Einlesen:
        return &m_s->menuItem(ControlId::mnuEinlesen);
    case MenuCommand::Eldat:
        return &m_s->menuItem(ControlId::mnuEldat);
    case MenuCommand::EldatEinlesen:
        return &m_s->menuItem(ControlId::mnuEldatEinlesen);
    case MenuCommand::Csv:
        return &m_s->menuItem(ControlId::mnuCsv);
    case MenuCommand::Excel:
        return &m_s->menuItem(ControlId::mnuExcel);
    case MenuCommand::Stammdaten:
        return &m_s->menuItem(ControlId::mnuStammdaten);
    case MenuCommand::Auswahl:
        return &m_s->menuItem(ControlId::mnuAuswahl);
    case MenuCommand::AutoLos:
        return &m_s->menuItem(ControlId::mnuAutoLos);
    case MenuCommand::Mantel:
        return &m_s->menuItem(ControlId::mnuMantel);
    case MenuCommand::Drucken:
        return &m_s->menuItem(ControlId::mnuDrucken);
    case MenuCommand::Lagerorte:
        return &m_s->menuItem(ControlId::mnuLagerorte);
    default:
        return nullptr; // the table's entries are the screen's own
    }
}

void FrmHolz::setMenuHandler(MenuCommand command, std::function<void()> handler)
{
    if (tableChange(command))
        return;
    handle([&] {
        const bool enabled = bool(handler);
        if (enabled)
            m_menuHandlers.insert(int(command), std::move(handler));
        else
            m_menuHandlers.remove(int(command));
        if (Control* menu = menuControl(command))
            menu->enabled = enabled;
    });
}

void FrmHolz::Form_Load()
{
    handle([this] { m_life->Form_Load(); });
}

void FrmHolz::Form_Activate()
{
    handle([this] { m_life->Form_Activate(); });
}

void FrmHolz::reloadOptions()
{
    handle([this] { m_life->reloadOptions(); });
}

void FrmHolz::setOptions(const EntryOptions& options)
{
    handle([&] { m_life->setOptions(options); });
}

void FrmHolz::setNutzungVisible(bool visible)
{
    handle([&] {
        EntryOptions options = m_s->options();
        options.chkNutzung = visible;
        m_s->setOptions(options);
        m_s->showUseTypeBoxes(visible, m_s->controls().cmbEinschlag.visible);
    });
}

void FrmHolz::setEinschlagtypVisible(bool visible)
{
    handle([&] {
        EntryOptions options = m_s->options();
        options.chkEinschlagtyp = visible;
        m_s->setOptions(options);
        m_s->showUseTypeBoxes(m_s->controls().cmbNutzung.visible, visible);
    });
}

void FrmHolz::reloadMasterData()
{
    handle([this] { m_life->reloadMasterData(); });
}

void FrmHolz::refreshLists()
{
    handle([this] { m_life->refreshLists(); });
}

// ---- Keys -------------------------------------------------------------------

bool FrmHolz::keyDown(int keyCode, Qt::KeyboardModifiers modifiers, const QString& text)
{
    return handle([&] { return m_keys->keyDown(keyCode, modifiers, text); });
}

void FrmHolz::keyUp(int keyCode, Qt::KeyboardModifiers modifiers)
{
    handle([&] { m_keys->keyUp(keyCode, modifiers); });
}

// ---- Keypad, fields ---------------------------------------------------------

void FrmHolz::keypad(const QString& key)
{
    handle([&] { m_entry->keypad(key); });
}

void FrmHolz::cmdKomma_Click()
{
    handle([this] { m_entry->cmdKomma_Click(); });
}

void FrmHolz::txtEingabe_Change(const QString& text)
{
    handle([&] {
        m_touched.set(ControlId::txtEingabe);
        m_entry->txtEingabe_Change(text);
    });
}

void FrmHolz::cmdLaenge_Click()
{
    handle([this] { m_entry->cmdLaenge_Click(); });
}

void FrmHolz::cmdDurchm_Click()
{
    handle([this] { m_entry->cmdDurchm_Click(); });
}

void FrmHolz::cmdStueck_Click()
{
    handle([this] { m_entry->cmdStueck_Click(); });
}

void FrmHolz::cmdFaktor_Click()
{
    handle([this] { m_entry->cmdFaktor_Click(); });
}

void FrmHolz::cmdKubatur_Click()
{
    handle([this] { m_entry->cmdKubatur_Click(); });
}

void FrmHolz::cmdNummer_Click()
{
    handle([this] { m_entry->cmdNummer_Click(); });
}

void FrmHolz::cmdStaerke_Click()
{
    handle([this] { m_entry->cmdStaerke_Click(); });
}

void FrmHolz::txtStaerke_Click()
{
    handle([this] { m_entry->txtStaerke_Click(); });
}

void FrmHolz::txtRinde_Click()
{
    handle([this] { m_entry->txtRinde_Click(); });
}

void FrmHolz::txtAbteilung_Click()
{
    handle([this] { m_entry->txtAbteilung_Click(); });
}

void FrmHolz::txtZusatz_Click()
{
    handle([this] { m_entry->txtZusatz_Click(); });
}

void FrmHolz::txtPreisfaktor_Click()
{
    handle([this] { m_entry->txtPreisfaktor_Click(); });
}

void FrmHolz::Label2_Click()
{
    handle([this] { m_s->focus(ControlId::cmbpreis); });
}

void FrmHolz::Label3_Click()
{
    handle([this] { m_entry->Label3_Click(); });
}

void FrmHolz::txtPreis_Click()
{
    handle([this] { m_entry->txtPreis_Click(); });
}

void FrmHolz::Preis_berrechnen()
{
    handle([this] { m_price->Preis_berrechnen(); });
}

void FrmHolz::priceEntryLeft()
{
    handle([this] { m_price->Preis_Verlassen(); });
}

void FrmHolz::leavePriceEntry()
{
    m_price->Preis_Verlassen();
}

void FrmHolz::textEdited(ControlId control, const QString& text)
{
    handle([&] {
        EntryScreen& s = *m_s;
        m_touched.set(control);
        switch (control) {
        case ControlId::txtHolzart:
            m_entry->newRecordIfSaved();
            s.chooseCode(EntryScreen::Code::Holzart, text);
            s.forgetShownMessages();
            break;
        case ControlId::txtPreis:
            m_price->priceEdited(text);
            break;
        case ControlId::txtPreisfaktor:
            m_price->unitPriceEdited(text);
            break;
        case ControlId::txtZusatz:
            s.enterField(EntryField::Zusatz, text);
            break;
        case ControlId::txtAbteilung:
            s.enterField(EntryField::Abteilung, text);
            break;
        case ControlId::txtLosNeu:
            m_lists->txtLosNeu_Change(text);
            break;
        default:
            break; // the other controls are not typed into
        }
    });
}

// ---- Lists --------------------------------------------------------------------

void FrmHolz::cmdHolzart_Click()
{
    handle([this] { m_lists->cmdHolzart_Click(); });
}

void FrmHolz::cmdGuete_Click()
{
    handle([this] { m_lists->cmdGuete_Click(); });
}

void FrmHolz::cmdKlasse_Click()
{
    handle([this] { m_lists->cmdKlasse_Click(); });
}

void FrmHolz::cmdLos_Click()
{
    handle([this] { m_lists->cmdLos_Click(); });
}

void FrmHolz::cmdAbzRinde_Click()
{
    handle([this] { m_lists->cmdAbzRinde_Click(); });
}

void FrmHolz::listSelect(ControlId list, int index)
{
    handle([&] {
        m_touched.set(list);
        m_lists->select(list, index);
    });
}

void FrmHolz::listChoose(ControlId list, int index)
{
    handle([&] {
        m_touched.set(list);
        m_lists->choose(list, index);
    });
}

void FrmHolz::txtLosNeu_Enter(const QString& text)
{
    handle([&] { m_lists->txtLosNeu_Enter(text); });
}

void FrmHolz::Los_Pruefen(int lot)
{
    handle([&] { m_lists->Los_Pruefen(lot); });
}

void FrmHolz::cmdGuete_Click(int button)
{
    handle([&] { m_lists->cmdGuete_Quick(button); });
}

void FrmHolz::cmdSorte_Click(int button)
{
    handle([&] { m_lists->cmdSorte_Quick(button); });
}

void FrmHolz::chooseGrade(const QString& grade)
{
    handle([&] { m_lists->takeGrade(grade); });
}

void FrmHolz::chooseSorte(const QString& sorte)
{
    handle([&] { m_lists->takeSorte(sorte); });
}

ControlId FrmHolz::comboControl(Combo combo)
{
    switch (combo) {
    case Combo::Einschlag:
        return ControlId::cmbEinschlag;
    case Combo::Nutzung:
        return ControlId::cmbNutzung;
    case Combo::Preis:
        break;
    }
    return ControlId::cmbpreis;
}

void FrmHolz::comboDropDown(Combo combo, bool open)
{
    handle([&] {
        m_touched.set(comboControl(combo));
        m_lists->comboDropDown(combo, open);
    });
}

void FrmHolz::comboChoose(Combo combo, int index)
{
    handle([&] {
        m_touched.set(comboControl(combo));
        m_lists->comboChoose(combo, index);
    });
}

// ---- Record kind ----------------------------------------------------------------

void FrmHolz::optEinzelstamm_Click()
{
    handle([this] {
        m_touched |= {ControlId::optEinzelstamm, ControlId::optSortiment};
        m_entry->optEinzelstamm_Click();
    });
}

void FrmHolz::optSortiment_Click()
{
    handle([this] {
        m_touched |= {ControlId::optEinzelstamm, ControlId::optSortiment};
        m_entry->optSortiment_Click();
    });
}

void FrmHolz::cmdX_Click()
{
    handle([this] { m_entry->cmdX_Click(); });
}

void FrmHolz::chkFolge_Click(bool checked)
{
    handle([&] {
        m_touched.set(ControlId::chkFolge);
        m_entry->chkFolge_Click(checked);
    });
}

void FrmHolz::chkKlammer_Click(bool checked)
{
    handle([&] {
        m_touched.set(ControlId::chkKlammer);
        m_entry->chkKlammer_Click(checked);
    });
}

void FrmHolz::mnuKlammerstamm_Click()
{
    handle([this] { m_entry->mnuKlammerstamm_Click(); });
}

// ---- Record -----------------------------------------------------------------------

void FrmHolz::Sorte()
{
    handle([this] { m_entry->Sorte(); });
}

void FrmHolz::Neuer_Datensatz()
{
    handle([this] { m_entry->Neuer_Datensatz(); });
}

void FrmHolz::cmdEscape_Click()
{
    handle([this] {
        m_lists->forgetDropDown();
        m_entry->cmdEscape_Click();
    });
}

void FrmHolz::Datensatz_Berechnen()
{
    handle([this] { m_s->Datensatz_Berechnen(); });
}

bool FrmHolz::cmdSpeichern_Click()
{
    return handle([this] { return m_storage->cmdSpeichern_Click(); });
}

bool FrmHolz::Daten_Kontrolle()
{
    return handle([this] { return m_storage->Daten_Kontrolle(); });
}

bool FrmHolz::Daten_Speichern()
{
    return handle([this] { return m_storage->Daten_Speichern(); });
}

void FrmHolz::Daten_Lesen()
{
    handle([this] { m_storage->Daten_Lesen(); });
}

// ---- Navigation ---------------------------------------------------------------------

void FrmHolz::cmdZurueck_Click()
{
    handle([this] {
        leavePriceEntry();
        m_navigation->cmdZurueck_Click();
    });
}

void FrmHolz::cmdVor_Click()
{
    handle([this] {
        leavePriceEntry();
        m_navigation->cmdVor_Click();
    });
}

void FrmHolz::cmdErster_Click()
{
    handle([this] {
        leavePriceEntry();
        m_navigation->cmdErster_Click();
    });
}

void FrmHolz::cmdLetzter_Click()
{
    handle([this] {
        leavePriceEntry();
        m_navigation->cmdLetzter_Click();
    });
}

void FrmHolz::cmdAendern_Click()
{
    handle([this] { m_navigation->cmdAendern_Click(); });
}

void FrmHolz::mnuLoeschen_Click()
{
    handle([this] { m_navigation->mnuLoeschen_Click(); });
}

void FrmHolz::mnuHoechsteNummer_Click()
{
    handle([this] { m_navigation->mnuHoechsteNummer_Click(); });
}

// ---- List of lists ----------------------------------------------------------------

void FrmHolz::Liste_Daten()
{
    handle([this] { m_browser->Liste_Daten(); });
}

bool FrmHolz::Liste_Ausgewaehlt()
{
    return handle([this] { return m_browser->Liste_Ausgewaehlt(); });
}

bool FrmHolz::selectList(const QString& name)
{
    return handle([&] {
        const int row = m_listen->findList(name);
        m_listen->setSelectedRow(row);
        return row >= 0;
    });
}

void FrmHolz::ListListen_Click(int row)
{
    handle([&] {
        leavePriceEntry();
        m_browser->ListListen_Click(row);
    });
}

void FrmHolz::ListListen_ColumnClick(int column)
{
    handle([&] { m_browser->columnClick(column); });
}

void FrmHolz::cmdBearbeiten_Click()
{
    handle([this] { m_browser->cmdBearbeiten_Click(); });
}

void FrmHolz::cmdNeu_Click()
{
    handle([this] { m_header->Form_Activate(false, m_listen->selectedName()); });
}

void FrmHolz::cmdListeBearbeiten_Click()
{
    handle([this] {
        if (m_browser->Liste_Ausgewaehlt() && m_browser->positionOnSelected())
            m_header->Form_Activate(true, m_listen->selectedName());
    });
}

void FrmHolz::mnuLoescheng_Click()
{
    handle([this] { m_browser->mnuLoescheng_Click(); });
}

void FrmHolz::Liste_Kubatur_Berechnen(bool still)
{
    handle([&] { m_browser->Liste_Kubatur_Berechnen(still); });
}

void FrmHolz::mnuKubatur_Click()
{
    handle([this] { m_browser->mnuKubatur_Click(); });
}

void FrmHolz::mnuMantel_Click()
{
    bool allowed = false;
    handle([&] {
        if (!m_s->listOpen()) {
            m_s->noListMessage();
            return;
        }
        const QString refusal = StackSampleRule::refusal(m_s->record(), stackRecordValues().holzId != 0);
        if (!refusal.isEmpty()) {
            m_s->ui.message({refusal, QStringLiteral("Mantelmessung"), platform::Buttons::Ok,
                             platform::Icon::Information});
            return;
        }
        allowed = true;
    });
    if (allowed)
        menuCommand(MenuCommand::Mantel);
}

void FrmHolz::mnuStatistik_Click()
{
    handle([this] { m_browser->mnuStatistik_Click(); });
}

void FrmHolz::onHeaderSaved(const QString& name)
{
    handle([&] { m_browser->headerSaved(name); });
}

void FrmHolz::onHeaderStored(const QString& name)
{
    handle([&] { m_browser->headerStored(name); });
}

void FrmHolz::onListRenamed(const QString& oldName, const QString& newName)
{
    handle([&] { m_browser->listRenamed(oldName, newName); });
}

// ---- Table ---------------------------------------------------------------------------

void FrmHolz::ListDaten_Click(int row)
{
    handle([&] {
        EntryScreen& s = *m_s;
        // Reading a row replaces the fields; input being typed or changed
        // stays until it is saved or discarded, as with the arrow buttons.
        if (s.controls().mnuMehrfach.checked)
            return;
        leavePriceEntry();
        if (!s.controls().cmdVor.enabled)
            return;
        if (!s.store.Holz.isOpen() || row < 0 || row >= s.store.Holz.recordCount())
            return;
        s.store.Holz.move(row);
        m_storage->Daten_Lesen();
    });
}

void FrmHolz::ListDaten_SelectionChanged(const QList<int>& rows)
{
    // Only the model's state: the view shows the selection itself.
    m_daten->selectionReported(rows);
}

void FrmHolz::ListDaten_KeyDown(int keyCode)
{
    if (keyCode == keys::Delete)
        Tabelle_Mehrfach_Aendern(TableChange::Loeschen);
}

void FrmHolz::Tabelle_Mehrfach_Aendern(TableChange feld)
{
    handle([&] {
        leavePriceEntry();
        m_table->Tabelle_Mehrfach_Aendern(feld);
    });
}

// ---- Assortment generation ----------------------------------------------------------

void FrmHolz::mnuSortiment_Click()
{
    handle([this] {
        EntryScreen& s = *m_s;
        leavePriceEntry();
        if (!m_browser->Liste_Ausgewaehlt())
            return;
        // The list is opened again afterwards, which would drop a record
        // being typed or changed.
        if (s.listOpen() && (!s.state().gespeichert || s.state().aendern)) {
            s.ui.message({QStringLiteral("Der Datensatz auf dem Bildschirm ist noch nicht gespeichert.\n"
                                         "Erst speichern oder mit Esc verwerfen."),
                          QStringLiteral("Information"), platform::Buttons::Ok, platform::Icon::Information});
            s.Eingabe_Daten();
            return;
        }
        if (!m_browser->positionOnSelected())
            return;
        const bool done = AssortmentGenerator(s.store, s.ui).Sortiment_Erzeugen().has_value();
        if (done || !s.store.Holz.isOpen())
            m_life->refreshLists();
        s.Eingabe_Daten();
    });
}

// ---- Stack samples -------------------------------------------------------------------

const rules::BarkTable& FrmHolz::barkTable() const
{
    return m_s->barkTable();
}

StatisticsModel& FrmHolz::statistics()
{
    return *m_statistik;
}

StackRecordValues FrmHolz::stackRecordValues() const
{
    const EntryScreen& s = *m_s;
    StackRecordValues values;
    values.liste = s.listName();
    values.txtLaenge = s.record().txtLaenge;
    values.txtRinde = s.record().txtRinde;
    values.txtHolzart = s.record().txtHolzart;
    values.txtNummer = s.controls().txtNummer.text;
    values.txtStueck = s.record().txtStueck;
    values.cmdAbzRinde = s.record().cmdAbzRinde;
    values.txtDurchmesser = s.record().txtDurchmesser;
    values.txtSorte = s.record().txtSorte;
    // A record being typed is not stored yet; a stored one shown or being
    // changed is the current row.
    const bool stored = s.state().gespeichert || s.state().aendern;
    values.holzId = s.listOpen() && stored ? s.store.Holz.currentId() : 0;
    return values;
}

void FrmHolz::applyStackSample(const QString& txtKubatur, double oldKubatur, double newKubatur,
                               bool rowUpdated)
{
    handle([&] {
        EntryScreen& s = *m_s;
        s.setSampleVolume(txtKubatur, float(newKubatur));
        if (!rowUpdated || !s.listOpen())
            return;
        // The sample window stored the record's volume; the list's stored
        // total follows by the difference, from the total as stored now (another
        // program may have saved into the list), so the list of lists shows it at once.
        if (s.positionOnOpenList()) {
            store::ListenRow list;
            {
                store::Transaction transaction(s.store.database());
                list = s.store.Listen.currentFresh();
                ListTotals::moveTotals(list, newKubatur - oldKubatur, 0, true);
                s.store.Listen.update(list);
                transaction.commit();
            }
            s.setListTotals(list.Kubatur, s.listPieces());
            m_listen->listChanged(s.openListId());
        } else {
            s.moveListVolume(newKubatur - oldKubatur);
        }
        s.store.Holz.refresh();
        if (s.store.Holz.hasCurrent())
            m_daten->rowChanged(s.store.Holz.absolutePosition() - 1);
    });
}

// ---- Menus -----------------------------------------------------------------------------

void FrmHolz::mnuNutzungsart_Click()
{
    handle([this] {
        m_s->showUseTypeBoxes(!m_s->controls().cmbNutzung.visible, m_s->controls().cmbEinschlag.visible);
    });
}

void FrmHolz::mnuEinschlagtyp_Click()
{
    handle([this] {
        m_s->showUseTypeBoxes(m_s->controls().cmbNutzung.visible, !m_s->controls().cmbEinschlag.visible);
    });
}

void FrmHolz::mnuHilfe_Click()
{
    handle([this] { m_s->ui.openHelp(QStringLiteral("Holzdateneingeben")); });
}

void FrmHolz::mnuHilfeListendaten_Click()
{
    handle([this] { m_s->ui.openHelp(QStringLiteral("Kopfdaten")); });
}

void FrmHolz::mnuHilfeT_Click()
{
    handle([this] { m_s->ui.openHelp(QStringLiteral("Tabelle")); });
}

void FrmHolz::mnuMehrfach_Click()
{
    handle([this] {
        m_touched.set(ControlId::mnuMehrfach);
        m_s->setMultipleSelection(!m_s->controls().mnuMehrfach.checked);
    });
}

std::optional<TableChange> FrmHolz::tableChange(MenuCommand command)
{
    switch (command) {
    case MenuCommand::AendernGuete:
        return TableChange::Guete;
    case MenuCommand::AendernLos:
        return TableChange::Los;
    case MenuCommand::AendernLaenge:
        return TableChange::Laenge;
    case MenuCommand::AendernDurchm:
        return TableChange::Durchm;
    case MenuCommand::AendernSorte:
        return TableChange::Sorte;
    case MenuCommand::AendernAbteilung:
        return TableChange::Abteilung;
    case MenuCommand::ListeT:
        return TableChange::Liste;
    default:
        return std::nullopt;
    }
}

void FrmHolz::menuCommand(MenuCommand command)
{
    if (const std::optional<TableChange> change = tableChange(command)) {
        Tabelle_Mehrfach_Aendern(*change);
        return;
    }
    handle([&] {
        const auto it = m_menuHandlers.constFind(int(command));
        if (it == m_menuHandlers.constEnd())
            return;
        const std::function<void()> handler = *it;
        m_browser->positionOnSelected();
        handler();
        switch (command) {
        case MenuCommand::Konvertieren:
        case MenuCommand::Einlesen:
        case MenuCommand::Eldat:
        case MenuCommand::EldatEinlesen:
        case MenuCommand::Csv:
        case MenuCommand::Excel:
            refreshLists();
            break;
        case MenuCommand::Stammdaten:
        case MenuCommand::Auswahl:
            reloadOptions();
            reloadMasterData();
            break;
        default:
            break;
        }
        m_s->Eingabe_Daten();
    });
}

// ---- Closing -----------------------------------------------------------------------------

bool FrmHolz::mnuBeenden_Click()
{
    return handle([this] { return m_life->mnuBeenden_Click(); });
}

bool FrmHolz::Form_Unload()
{
    return handle([this] {
        leavePriceEntry();
        return m_life->Form_Unload();
    });
}

} // namespace entry
