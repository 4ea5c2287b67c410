// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ListDatenModel.h"
#include "report/ListenGridModel.h"
#include "report/ReportLayout.h"
#include "store/DataFolder.h"
#include "store/ListenRow.h"

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
struct SettingKey;
struct HolzartRow;
} // namespace store

namespace report {

class WorkCopy;

// The report program's main window without widgets: the database choice,
// the grid of lists, the list taken over into the working copy, the record
// list, the menus and the outputs. The window forwards every user event to
// the method of the same name and renders from the state below.
//
// Life of the window: started (no list taken over, no outputs) -> database
// open (grid filled) -> list taken over (working copy holds it, outputs
// allowed). Outputs always show the list as it was taken over, header and
// records from the same moment.
class Form1 : public QObject {
    Q_OBJECT
public:
    // `documentsFolder`: where the documents go ("Holzlisten").
    // `openDocument`: shows a document or folder in the desktop's default application.
    Form1(store::Settings& settings, platform::UserInterface& ui, store::DataFolder dataFolder,
          QString documentsFolder, std::function<void(const QString&)> openDocument,
          QObject* parent = nullptr);
    ~Form1() override;

    // Events.
    void Form_Load();
    // The window became active for the first time, or a second start asked
    // for it: (re)opens the database so new lists show.
    void Form_Activate();
    void mnuDateioeffnen_Click();
    void mnuDBwelche_Click();
    // Makes `path` the database the grid shows, as "Datenbank auswählen"
    // does (the program was started with it, or asked to open it); false
    // with a message, and the choice unchanged, when it is no file.
    // mnuDateioeffnen_Click then opens it.
    bool useDatabaseFile(const QString& path);
    void cmdUebernehmen_Click();
    // The user selected a row of the grid: it becomes current and is taken over.
    void DataGrid1_RowColChange(int row);
    void cmdDrucken_Click();
    void mnureport_Click();
    void cmdWord_Click();
    void mnuWord_Click();
    // The list taken over as CSV tables or as a workbook (a sheet per lot
    // when "Losweise" is checked), to a file the user chooses.
    void mnuCsv_Click();
    void mnuExcel_Click();
    void mnuLosweise_Click();
    void mnuVerdichtet_Click();
    // "Fotos der Lose": the print (and the document) end with a page of
    // photos per lot. Off at every start, since the photos make a long print.
    void chkFotos_Click();
    void txtUeberschrift_Change(const QString& text);
    void mnuEnde_Click();

    // State.
    QString caption() const;
    const QString& txtUeberschrift() const { return m_ueberschrift; }
    // The heading of the word-processor document: what the user typed, else
    // the name of the list taken over.
    QString documentHeading() const;
    bool mnuLosweiseChecked() const { return m_losweise; }
    bool mnuVerdichtetChecked() const { return m_verdichtet; }
    bool chkFotosChecked() const { return m_fotos; }
    bool cmdUebernehmenEnabled() const { return m_uebernehmenEnabled; }
    bool cmdDruckenEnabled() const { return m_druckenEnabled; }
    bool cmdDBaktVisible() const { return m_dbaktVisible; }
    // The current grid row's list name, owner and place.
    QString Text11() const;
    QString Text12() const;
    QString Text13() const;
    int currentRow() const { return m_currentRow; }
    ListenGridModel& grid() { return m_grid; }
    ListDatenModel& listDaten() { return m_listDaten; }
    // The database the grid shows: DatenbankDir + "/" + Datenbank.
    QString databasePath() const;
    // The list in the working copy; empty before the first take-over.
    QString takenOverList() const { return m_takenOver ? m_takenOver->Liste : QString(); }

    // The printed list: header text, summary when "verdichtet", records.
    ReportDocument reportDocument() const;
    // The title text of the print: the header text, followed by the summary
    // text when "verdichtet" is checked.
    QString printTitle() const;

signals:
    // Captions, texts, enabled and checked states changed.
    void stateChanged();
    // Show the print preview of reportDocument(), titled `caption`.
    void previewRequested(const QString& caption);
    void closeRequested();

private:
    void takeOver();
    void officeExport(int format);
    void setCurrentRow(int row);
    void saveSetting(const store::SettingKey& key, const QString& value);
    void showDbError(const QString& lead, const std::exception& error);
    QList<store::HolzartRow> regionSpecies() const;
    bool dezimalpunkt() const;

    store::Settings& m_settings;
    platform::UserInterface& m_ui;
    store::DataFolder m_dataFolder;
    bool m_fileChosen = false; // a list file picked in this session
    QString m_documentsFolder;
    std::function<void(const QString&)> m_openDocument;

    std::unique_ptr<store::Database> m_holz;
    std::unique_ptr<store::Database> m_workDb;
    std::unique_ptr<store::Database> m_master;
    std::unique_ptr<WorkCopy> m_work;
    LotPlaces m_places; // of the list taken over

    ListenGridModel m_grid;
    ListDatenModel m_listDaten;
    int m_currentRow = -1;
    std::optional<store::ListenRow> m_takenOver;

    QString m_ueberschrift;
    bool m_losweise = true;
    bool m_verdichtet = true;
    bool m_fotos = false;
    bool m_uebernehmenEnabled = false;
    bool m_druckenEnabled = false;
    bool m_dbaktVisible = false;
    bool m_settingsWarned = false;
};

} // namespace report
