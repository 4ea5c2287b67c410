// SPDX-License-Identifier: GPL-3.0-or-later
#include "StemoraProgram.h"

#include "app/Options.h"
#include "app/OptionsDialog.h"
#include "app/ReportLauncher.h"
#include "app/ServerSetting.h"
#include "app/StartWindow.h"
#include "app/StartWindowWidget.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/ListListenModel.h"
#include "export/ExportDriver.h"
#include "export/ExportFormats.h"
#include "import/ImportDriver.h"
#include "lots/AutoLosHook.h"
#include "lots/FrmLagerDialog.h"
#include "lots/FrmLos.h"
#include "lots/FrmLosDialog.h"
#include "lots/LotRules.h"
#include "mantel/FrmMantel.h"
#include "mantel/FrmMantelDialog.h"
#include "platform/DesktopLinks.h"
#include "platform/ProcessLauncher.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

namespace app {

StemoraProgram::StemoraProgram(const store::DataFolder& folder, store::Settings& settings,
                               platform::UserInterface& ui, QObject* parent)
    : QObject(parent), m_ui(ui), m_settings(settings)
{
    using store::DatabaseKind;
    using store::OpenMode;
    m_holz = store::Database::open(folder.holzDb(), DatabaseKind::Holz, OpenMode::ReadWriteExisting);
    m_master =
        store::Database::open(folder.masterDb(), DatabaseKind::MasterData, OpenMode::ReadWriteExisting);
    // On a server the photos and the code table stay in this PC's data folder.
    m_holz->setLocalFolder(folder.path());
    m_master->setLocalFolder(folder.path());
    m_masterData = std::make_unique<store::MasterData>(*m_master);

    m_frmHolz = std::make_unique<entry::FrmHolz>(*m_holz, *m_master, settings, ui);
    m_options = std::make_unique<Options>(settings, *m_masterData, ui);
    m_lotRules = std::make_unique<lots::LotRules>(settings);
    m_frmLos = std::make_unique<lots::FrmLos>(settings, ui);
    m_links = std::make_unique<platform::DesktopLinks>();
    m_frmLager = std::make_unique<lots::FrmLager>(*m_holz, ui, *m_links);
    m_frmMantel = std::make_unique<mantel::FrmMantel>(m_frmHolz->store(), m_frmHolz->barkTable(), ui);
    m_export = std::make_unique<exporter::ExportDriver>(*m_master, settings, ui);
    m_import = std::make_unique<importer::ImportDriver>(*m_holz, *m_master, settings, ui);

    m_launcher = std::make_unique<ReportLauncher>(ui, platform::ProcessLauncher::programFolder());
    m_bild1 = std::make_unique<StartWindow>(ui);

    // The entry screen loads first; the options window loads with it and
    // from then on hands its current values to the screen.
    m_frmHolz->Form_Load();
    connect(m_options.get(), &Options::changed, this, [this] { m_frmHolz->setOptions(entryOptions()); });
    connect(m_options.get(), &Options::regionChanged, this, &StemoraProgram::regionChanged);
    m_options->Form_Load();
    regionChanged();

    m_window = std::make_unique<entry::FrmHolzWindow>(*m_frmHolz, &settings);
    m_serverSetting = std::make_unique<ServerSetting>(settings, ui);
    m_optionsDialog = new OptionsDialog(*m_options, m_window.get(), m_serverSetting.get());
    m_frmLosDialog = new lots::FrmLosDialog(*m_frmLos, m_window.get());
    m_frmLagerDialog = new lots::FrmLagerDialog(*m_frmLager, m_window.get());
    m_mantelDialog = new mantel::FrmMantelDialog(*m_frmMantel, m_window.get());
    wireOptions();
    wireLots();
    wireMantel();
    wireDrivers();

    m_bild1Window = std::make_unique<StartWindowWidget>(*m_bild1);
    m_bild1Window->resize(520, 440);
    connect(m_bild1.get(), &StartWindow::startRequested, this, &StemoraProgram::showEntryScreen);
    connect(m_window.get(), &entry::FrmHolzWindow::closed, this, [this] {
        closeDialogs();
        emit finished();
    });
}

StemoraProgram::~StemoraProgram() = default;

void StemoraProgram::start()
{
    m_bild1Window->show();
    m_bild1Window->raise();
    m_bild1Window->activateWindow();
}

void StemoraProgram::showEntryScreen()
{
    const bool dezimalpunkt = m_bild1->dezimalpunkt();
    m_frmHolz->setDezimalpunkt(dezimalpunkt);
    m_frmMantel->setDezimalpunkt(dezimalpunkt);
    m_window->setDezimalpunkt(dezimalpunkt);
    m_bild1Window->hide();
    m_window->fitToScreen();
    m_window->showAndActivate();
}

void StemoraProgram::bringToFront()
{
    if (m_window->isVisible()) {
        m_window->bringToFront();
    } else {
        m_bild1Window->show();
        m_bild1Window->raise();
        m_bild1Window->activateWindow();
    }
}

entry::EntryOptions StemoraProgram::entryOptions() const
{
    entry::EntryOptions o;
    o.chkGuete = m_options->isChecked(Options::chkGuete);
    o.chkSorte = m_options->isChecked(Options::chkSorte);
    o.chkNutzung = m_options->isChecked(Options::chkNutzung);
    o.chkEinschlagtyp = m_options->isChecked(Options::chkEinschlagtyp);
    o.UebernStaerke = m_options->isChecked(Options::chkUebernStaerke);
    o.Sortimentsliste = m_options->isChecked(Options::chkSortimentsliste);
    o.AutoLos = m_options->autoLosMax();
    o.RegionIndex = m_options->regionIndex();
    return o;
}

void StemoraProgram::regionChanged()
{
    // The entry screen reads the region's species and bark table first;
    // the lot rules offer the same species in the same order, the stack
    // samples use the same bark table.
    m_frmHolz->setOptions(entryOptions());
    m_frmLos->setSpecies(m_frmHolz->controls().lstHolzart.items);
}

void StemoraProgram::wireOptions()
{
    m_frmHolz->setMenuHandler(entry::MenuCommand::Auswahl, [this] { m_optionsDialog->open(); });
}

void StemoraProgram::wireLots()
{
    lots::installAutoLos(*m_frmHolz, *m_lotRules);
    m_frmHolz->setMenuHandler(entry::MenuCommand::AutoLos,
                              [this] { m_frmLosDialog->open(m_options->autoLosMax()); });
    // The storage places of the selected list's lots.
    m_frmHolz->setMenuHandler(entry::MenuCommand::Lagerorte, [this] {
        if (!m_frmHolz->listSelected()) {
            m_ui.inform(QStringLiteral("Bitte zuerst eine Liste auswählen."), QStringLiteral("Lagerorte"));
            return;
        }
        m_frmLagerDialog->open(m_frmHolz->listListen().selectedName());
    });
}

mantel::StackRecord StemoraProgram::stackRecord() const
{
    const entry::StackRecordValues v = m_frmHolz->stackRecordValues();
    return {v.liste,     v.txtLaenge,   v.txtRinde,       v.txtHolzart, v.txtNummer,
            v.txtStueck, v.cmdAbzRinde, v.txtDurchmesser, v.txtSorte,   v.holzId};
}

void StemoraProgram::wireMantel()
{
    m_frmHolz->setMenuHandler(entry::MenuCommand::Mantel, [this] {
        m_frmMantel->open(stackRecord());
        m_mantelDialog->show();
        m_mantelDialog->raise();
        m_mantelDialog->activateWindow();
    });
    // The open window always works on the record the screen shows (a
    // sample computes with its length, bark and species and is stored under
    // its number); a hidden one forgets the old record.
    m_frmHolz->hooks().Daten_Lesen_Mantel = [this] {
        if (!m_mantelDialog->isVisible())
            m_frmMantel->clear();
    };
    connect(m_frmHolz.get(), &entry::FrmHolz::changed, this, [this] {
        if (!m_mantelDialog->isVisible())
            return;
        const mantel::StackRecord shown = stackRecord();
        const mantel::StackRecord& open = m_frmMantel->record();
        if (shown.liste != open.liste || shown.holzId != open.holzId || shown.txtNummer != open.txtNummer ||
            shown.txtLaenge != open.txtLaenge || shown.txtStueck != open.txtStueck ||
            shown.txtRinde != open.txtRinde || shown.txtHolzart != open.txtHolzart ||
            shown.cmdAbzRinde != open.cmdAbzRinde || shown.txtDurchmesser != open.txtDurchmesser ||
            shown.txtSorte != open.txtSorte)
            m_frmMantel->open(shown);
    });
    connect(m_frmMantel.get(), &mantel::FrmMantel::sampleStored, this, [this](const mantel::StoredSample& s) {
        m_frmHolz->applyStackSample(s.txtKubatur, s.oldKubatur, s.kubatur, s.rowUpdated);
    });
}

void StemoraProgram::wireDrivers()
{
    using entry::MenuCommand;
    m_frmHolz->setMenuHandler(MenuCommand::Konvertieren, [this] {
        m_export->mnuKonvertieren_Click(m_frmHolz->store(), m_frmHolz->listSelected());
    });
    // The export writes the format the options window shows, stored or not.
    m_export->setFormatSource([this] { return m_options->konvertierung(); });
    m_frmHolz->setMenuHandler(MenuCommand::Einlesen, [this] {
        // Reading a list switches the export to the file's format; the
        // options window shows it from then on.
        if (m_import->mnuEinlesen_Click(m_frmHolz->store()))
            m_options->optKonvertierung_Click(m_settings.number(store::keys::Konvertierung, 1));
    });
    m_frmHolz->setMenuHandler(MenuCommand::EldatEinlesen, [this] {
        if (m_import->mnuEinlesen_Click(
                m_frmHolz->store(),
                exporter::ExportFormats::byNumber(exporter::ExportFormats::Eldat)->extension))
            m_options->optKonvertierung_Click(m_settings.number(store::keys::Konvertierung, 1));
    });
    for (const auto& [command, format] : {std::pair{MenuCommand::Eldat, exporter::ExportFormats::Eldat},
                                          std::pair{MenuCommand::Csv, exporter::ExportFormats::Csv},
                                          std::pair{MenuCommand::Excel, exporter::ExportFormats::Xlsx}})
        m_frmHolz->setMenuHandler(command, [this, format = format] {
            m_export->exportAs(m_frmHolz->store(), m_frmHolz->listSelected(), format);
        });
    m_frmHolz->setMenuHandler(MenuCommand::Stammdaten, [this] {
        if (!m_import->mnuStammdaten_Click())
            return;
        // New master data may bring new regions: the user picks one at once.
        m_frmHolz->reloadMasterData();
        regionChanged();
        m_optionsDialog->openRegionChoice();
    });
    m_frmHolz->setMenuHandler(MenuCommand::Drucken, [this] { m_launcher->mnuDrucken_Click(); });
}

void StemoraProgram::closeDialogs()
{
    // Leaving the options window stores them; the program must not end
    // with them unstored.
    if (m_optionsDialog->isVisible())
        m_optionsDialog->close();
    if (m_frmLosDialog->isVisible())
        m_frmLosDialog->close();
    m_mantelDialog->hide();
}

} // namespace app
