// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

namespace platform {
class LinkOpener;
class UserInterface;
} // namespace platform
namespace store {
class DataFolder;
class Database;
class MasterData;
class Settings;
} // namespace store
namespace entry {
class FrmHolz;
class FrmHolzWindow;
struct EntryOptions;
} // namespace entry
namespace lots {
class FrmLager;
class FrmLagerDialog;
class FrmLos;
class FrmLosDialog;
class LotRules;
} // namespace lots
namespace mantel {
class FrmMantel;
class FrmMantelDialog;
struct StackRecord;
} // namespace mantel
namespace exporter {
class ExportDriver;
}
namespace importer {
class ImportDriver;
}

namespace app {

class Options;
class OptionsDialog;
class ServerSetting;
class ReportLauncher;
class StartWindow;
class StartWindowWidget;

// The recording program put together: the databases of the data folder,
// the entry screen with its window, the start window, the options, the lot
// rules, the stack samples, export, import and the report launch. Every
// connection between them is made here and nowhere else.
class StemoraProgram : public QObject {
    Q_OBJECT
public:
    // Opens the databases of a prepared data folder (importer::DataFolderSetup)
    // and loads every window. Throws store::DbError when a database is not
    // ours or newer than this program; nothing is written then.
    StemoraProgram(const store::DataFolder& folder, store::Settings& settings, platform::UserInterface& ui,
                   QObject* parent = nullptr);
    ~StemoraProgram() override;

    // Shows the start window; its button shows the entry screen.
    void start();
    // The start button's work: the decimal separator it settled, then the
    // entry screen with the list that was open last.
    void showEntryScreen();
    // A second start of the program asked for this one.
    void bringToFront();

    entry::FrmHolz& frmHolz() { return *m_frmHolz; }
    entry::FrmHolzWindow& window() { return *m_window; }
    StartWindow& startWindow() { return *m_bild1; }
    StartWindowWidget& startWindowWidget() { return *m_bild1Window; }
    Options& options() { return *m_options; }
    OptionsDialog& optionsDialog() { return *m_optionsDialog; }
    lots::FrmLosDialog& lotRulesDialog() { return *m_frmLosDialog; }
    lots::FrmLagerDialog& storagePlacesDialog() { return *m_frmLagerDialog; }
    mantel::FrmMantelDialog& mantelDialog() { return *m_mantelDialog; }
    exporter::ExportDriver& exportDriver() { return *m_export; }
    ReportLauncher& reportLauncher() { return *m_launcher; }

signals:
    // The entry screen was closed with the user's consent: the program ends.
    void finished();

private:
    void wireOptions();
    void wireLots();
    void wireMantel();
    void wireDrivers();
    mantel::StackRecord stackRecord() const;
    entry::EntryOptions entryOptions() const;
    void regionChanged();
    void closeDialogs();

    platform::UserInterface& m_ui;
    store::Settings& m_settings;
    std::unique_ptr<store::Database> m_holz;
    std::unique_ptr<store::Database> m_master;
    std::unique_ptr<store::MasterData> m_masterData;
    std::unique_ptr<entry::FrmHolz> m_frmHolz;
    std::unique_ptr<Options> m_options;
    std::unique_ptr<ServerSetting> m_serverSetting;
    std::unique_ptr<lots::LotRules> m_lotRules;
    std::unique_ptr<lots::FrmLos> m_frmLos;
    std::unique_ptr<platform::LinkOpener> m_links;
    std::unique_ptr<lots::FrmLager> m_frmLager;
    std::unique_ptr<mantel::FrmMantel> m_frmMantel;
    std::unique_ptr<exporter::ExportDriver> m_export;
    std::unique_ptr<importer::ImportDriver> m_import;
    std::unique_ptr<ReportLauncher> m_launcher;
    std::unique_ptr<StartWindow> m_bild1;
    // Windows last: they refer to the models above.
    std::unique_ptr<entry::FrmHolzWindow> m_window;
    std::unique_ptr<StartWindowWidget> m_bild1Window;
    OptionsDialog* m_optionsDialog = nullptr;     // child of m_window
    lots::FrmLosDialog* m_frmLosDialog = nullptr; // child of m_window
    lots::FrmLagerDialog* m_frmLagerDialog = nullptr; // child of m_window
    mantel::FrmMantelDialog* m_mantelDialog = nullptr;
};

} // namespace app
