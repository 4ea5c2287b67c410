// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "AssortmentSummary.h"
#include "DocumentFiles.h"
#include "OfficeExport.h"
#include "ReportError.h"
#include "ReportTexts.h"
#include "Version.h"
#include "WordExport.h"
#include "WorkCopy.h"

#include "export/ExportError.h"
#include "export/ExportFormats.h"
#include "platform/UserInterface.h"
#include "rules/Numbers.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/JetCollation.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/ListRepository.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace report {
namespace {

const QString Title = QStringLiteral("Stemprint");

QString checkText(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

Form1::Form1(store::Settings& settings, platform::UserInterface& ui, store::DataFolder dataFolder,
             QString documentsFolder, std::function<void(const QString&)> openDocument, QObject* parent)
    : QObject(parent), m_settings(settings), m_ui(ui), m_dataFolder(std::move(dataFolder)),
      m_documentsFolder(std::move(documentsFolder)), m_openDocument(std::move(openDocument)),
      m_listDaten(false)
{
}

Form1::~Form1() = default;

bool Form1::dezimalpunkt() const
{
    // The lists are German documents: a decimal comma in every cell and
    // every document, whatever the machine's own number format.
    return false;
}

QString Form1::caption() const
{
    return QStringLiteral("Holzlisten Stemora  -  Version ") + versionText() + QStringLiteral(" vom ") +
           releaseText();
}

void Form1::showDbError(const QString& lead, const std::exception& error)
{
    QString text = lead;
    if (const auto* db = dynamic_cast<const store::DbError*>(&error))
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + db->userText();
    else if (const auto* report = dynamic_cast<const ReportError*>(&error))
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + report->message();
    else
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromUtf8(error.what());
    m_ui.message({text, Title, platform::Buttons::Ok, platform::Icon::Warning});
}

void Form1::saveSetting(const store::SettingKey& key, const QString& value)
{
    if (m_settings.set(key, value) || m_settingsWarned)
        return;
    // Once per run: the heading is stored on every key stroke.
    m_settingsWarned = true;
    m_ui.message(
        {QStringLiteral("Die Einstellung konnte nicht gespeichert werden.\n") + m_settings.lastError(), Title,
         platform::Buttons::Ok, platform::Icon::Warning});
}

void Form1::Form_Load()
{
    // The documents' folder; when it cannot be made, saving a document says so.
    DocumentFiles::ensureFolder(m_documentsFolder);

    m_uebernehmenEnabled = false;
    m_ueberschrift = m_settings.get(store::keys::Ueberschrift);
    // The stored default is a prompt, not a heading: an untouched field is
    // empty and the document is headed by the list's name.
    if (m_ueberschrift == QString::fromUtf8(store::keys::Ueberschrift.defaultValue))
        m_ueberschrift.clear();
    m_losweise = m_settings.isChecked(store::keys::Losweise);
    m_verdichtet = m_settings.isChecked(store::keys::Verdichtet);

    try {
        m_workDb = store::Database::open(m_dataFolder.workDb(), store::DatabaseKind::Work);
        m_work = std::make_unique<WorkCopy>(*m_workDb);
    } catch (const store::DbError& error) {
        m_work.reset();
        m_workDb.reset();
        showDbError(QStringLiteral("Die Arbeitsdatenbank kann nicht geöffnet werden."), error);
    }
    try {
        m_master = store::Database::open(m_dataFolder.masterDb(), store::DatabaseKind::MasterData,
                                         store::OpenMode::ReadOnly);
    } catch (const store::DbError& error) {
        // Without master data the outputs use the first letters of the species as codes.
        m_master.reset();
        showDbError(QStringLiteral("Die Stammdaten können nicht gelesen werden."), error);
    }
    emit stateChanged();
}

void Form1::Form_Activate()
{
    mnuDateioeffnen_Click();
}

QString Form1::databasePath() const
{
    // A workstation on the server database reads its lists there, until the
    // user picks a list file for this session.
    if (m_dataFolder.onServer() && !m_fileChosen)
        return m_dataFolder.holzDb();
    QString folder = m_settings.get(store::keys::DatenbankDir);
    if (folder.isEmpty())
        folder = m_dataFolder.path();
    return QDir(folder).filePath(m_settings.get(store::keys::Datenbank));
}

void Form1::mnuDateioeffnen_Click()
{
    const QString previous = m_currentRow >= 0 ? Text11() : QString();
    try {
        m_holz = store::Database::open(databasePath(), store::DatabaseKind::Holz, store::OpenMode::ReadOnly);
        if (m_holz->onServer())
            m_holz->setLocalFolder(m_dataFolder.path());
        m_grid.setLists(store::ListRepository(*m_holz).all(store::ListenOrder::ListeDesc));
        m_uebernehmenEnabled = true;
        const int again = m_grid.rowOf(previous);
        setCurrentRow(again >= 0 ? again : (m_grid.rowCount() > 0 ? 0 : -1));
    } catch (const store::DbError& error) {
        m_holz.reset();
        m_grid.setLists({});
        m_uebernehmenEnabled = false;
        setCurrentRow(-1);
        showDbError(QStringLiteral("Fehler Datenbank öffnen"), error);
    }
    emit stateChanged();
}

void Form1::mnuDBwelche_Click()
{
    platform::FileChoice choice;
    choice.title = QStringLiteral("Datenbank öffnen");
    choice.folder = m_settings.get(store::keys::DatenbankDir);
    if (choice.folder.isEmpty())
        choice.folder = m_dataFolder.path();
    choice.proposedName = m_settings.get(store::keys::Datenbank);
    choice.filter = QStringLiteral("Datenbank (Holz.db);;Alle Datenbanken (*.db)");
    choice.confirmOverwrite = false;
    const std::optional<QString> path = m_ui.chooseOpenFile(choice);
    if (!path || path->isEmpty()) {
        m_ui.inform(QStringLiteral("Keine Datenbank ausgewählt"), Title);
        return;
    }
    if (useDatabaseFile(*path))
        mnuDateioeffnen_Click();
}

bool Form1::useDatabaseFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        m_ui.message({QStringLiteral("Die Datenbank „%1“ gibt es nicht.").arg(QDir::toNativeSeparators(path)),
                      Title, platform::Buttons::Ok, platform::Icon::Warning});
        return false;
    }
    saveSetting(store::keys::DatenbankDir, QDir::cleanPath(file.absolutePath()));
    saveSetting(store::keys::Datenbank, file.fileName());
    m_fileChosen = true;
    return true;
}

void Form1::setCurrentRow(int row)
{
    m_currentRow = row >= 0 && row < m_grid.rowCount() ? row : -1;
}

QString Form1::Text11() const
{
    return m_currentRow >= 0 ? m_grid.lists().at(m_currentRow).Liste : QString();
}

QString Form1::Text12() const
{
    return m_currentRow >= 0 ? m_grid.lists().at(m_currentRow).Name : QString();
}

QString Form1::Text13() const
{
    return m_currentRow >= 0 ? m_grid.lists().at(m_currentRow).Ort : QString();
}

void Form1::cmdUebernehmen_Click()
{
    if (!m_uebernehmenEnabled)
        return;
    takeOver();
}

void Form1::DataGrid1_RowColChange(int row)
{
    if (row == m_currentRow && m_takenOver && store::jet::equal(m_takenOver->Liste, Text11()))
        return;
    setCurrentRow(row);
    if (m_uebernehmenEnabled && m_currentRow >= 0)
        takeOver();
    else
        emit stateChanged();
}

void Form1::takeOver()
{
    if (!m_holz || m_currentRow < 0) {
        m_ui.inform(QStringLiteral("Keine Liste ausgewählt"), Title);
        return;
    }
    if (!m_work) {
        m_ui.message(
            {QStringLiteral("Die Arbeitsdatenbank ist nicht geöffnet; die Liste kann nicht übernommen "
                            "werden."),
             Title, platform::Buttons::Ok, platform::Icon::Warning});
        return;
    }
    m_ui.setBusy(true);
    try {
        // The header as stored now, so that header and records are read together.
        const store::ListenRow& shown = m_grid.lists().at(m_currentRow);
        const store::ListenRow header = store::ListRepository(*m_holz).byId(shown.Id).value_or(shown);
        m_work->takeOver(*m_holz, header.Liste);
        m_takenOver = header;
        m_places = LotPlaces::read(*m_holz, header.Liste);
        m_listDaten.setRows(m_work->rows());
        m_druckenEnabled = true;
    } catch (const store::DbError& error) {
        // The working copy still holds the list taken over before, and the outputs show that one.
        showDbError(QString(), error);
    }
    m_ui.setBusy(false);
    emit stateChanged();
}

QList<store::HolzartRow> Form1::regionSpecies() const
{
    if (!m_master)
        return {};
    try {
        // Read on every output: the recording program may have switched the region.
        return store::MasterData(*m_master).species(m_settings.number(store::keys::RegionIndex, 8));
    } catch (const store::DbError&) {
        return {};
    }
}

ReportDocument Form1::reportDocument() const
{
    ReportDocument document;
    if (!m_takenOver)
        return document;
    document.list = *m_takenOver;
    document.headerText = ReportTexts::headerText(*m_takenOver);
    document.rows = m_listDaten.rows();
    if (m_verdichtet)
        document.summary = AssortmentSummary::build(m_takenOver->Liste, regionSpecies(), document.rows);
    document.lotTotals = m_losweise;
    document.places = m_places;
    document.photoPages = m_fotos;
    document.dezimalpunkt = dezimalpunkt();
    return document;
}

QString Form1::printTitle() const
{
    if (!m_takenOver)
        return QString();
    QString title = ReportTexts::headerText(*m_takenOver);
    if (m_verdichtet)
        title += AssortmentSummary::build(m_takenOver->Liste, regionSpecies(), m_listDaten.rows())
                     .text(dezimalpunkt());
    return title;
}

void Form1::cmdDrucken_Click()
{
    if (!m_druckenEnabled || !m_takenOver)
        return;
    emit previewRequested(m_takenOver->Liste);
}

void Form1::mnureport_Click()
{
    if (m_druckenEnabled)
        cmdDrucken_Click();
}

void Form1::cmdWord_Click()
{
    if (!m_druckenEnabled || !m_takenOver || !m_work || !m_holz) {
        m_ui.inform(QStringLiteral("Keine Liste ausgewählt"), Title);
        return;
    }
    m_ui.setBusy(true);
    m_dbaktVisible = true;
    emit stateChanged();
    QStringList written;
    bool failed = false;
    try {
        WordExport::Options options;
        options.losweise = m_losweise;
        options.verdichtet = m_verdichtet;
        options.heading = documentHeading();
        options.folder = m_documentsFolder;
        options.dezimalpunkt = dezimalpunkt();
        options.photos = m_fotos;
        written = WordExport(*m_holz, *m_work, regionSpecies()).write(*m_takenOver, options);
    } catch (const std::exception& error) {
        failed = true;
        showDbError(QStringLiteral("Das Dokument konnte nicht erstellt werden."), error);
    }
    // Per lot the working copy was refilled; show what it holds now.
    try {
        m_listDaten.setRows(m_work->rows());
    } catch (const store::DbError&) {
    }
    m_dbaktVisible = false;
    m_ui.setBusy(false);
    emit stateChanged();
    if (failed)
        return;
    if (written.isEmpty()) {
        m_ui.inform(QStringLiteral("Die Liste enthält keine Datensätze; es wurde kein Dokument erstellt."),
                    Title);
        return;
    }
    if (m_openDocument)
        m_openDocument(written.size() == 1 ? written.first() : m_documentsFolder);
}

void Form1::mnuWord_Click()
{
    if (m_druckenEnabled)
        cmdWord_Click();
}

void Form1::mnuCsv_Click()
{
    officeExport(exporter::ExportFormats::Csv);
}

void Form1::mnuExcel_Click()
{
    officeExport(exporter::ExportFormats::Xlsx);
}

void Form1::officeExport(int number)
{
    if (!m_druckenEnabled || !m_takenOver) {
        m_ui.inform(QStringLiteral("Keine Liste ausgewählt"), Title);
        return;
    }
    const exporter::ExportFormat* format = exporter::ExportFormats::byNumber(number);
    platform::FileChoice choice;
    choice.title = number == exporter::ExportFormats::Csv ? QStringLiteral("Liste als CSV-Tabelle")
                                                          : QStringLiteral("Liste als Excel-Arbeitsmappe");
    choice.folder = m_documentsFolder;
    choice.proposedName = QString(m_takenOver->Liste).replace(QLatin1Char('/'), QLatin1Char('_')) +
                          QLatin1Char('.') + format->extension;
    choice.filter = QStringLiteral("%1 (*.%2)").arg(choice.title, format->extension);
    const auto path = m_ui.chooseSaveFile(choice);
    if (!path || path->isEmpty())
        return;
    m_ui.setBusy(true);
    try {
        OfficeExport(*m_takenOver, m_listDaten.rows(), regionSpecies()).write(number, *path, m_losweise);
        m_ui.setBusy(false);
        m_ui.inform(QStringLiteral("Liste %1 angelegt").arg(QFileInfo(*path).fileName()), Title);
    } catch (const exporter::ExportError& error) {
        m_ui.setBusy(false);
        m_ui.message({QStringLiteral("Die Datei wurde nicht geschrieben.\n") + error.description(), Title,
                      platform::Buttons::Ok, platform::Icon::Critical});
    }
}

void Form1::mnuLosweise_Click()
{
    m_losweise = !m_losweise;
    saveSetting(store::keys::Losweise, checkText(m_losweise));
    emit stateChanged();
}

void Form1::mnuVerdichtet_Click()
{
    m_verdichtet = !m_verdichtet;
    saveSetting(store::keys::Verdichtet, checkText(m_verdichtet));
    emit stateChanged();
}

void Form1::chkFotos_Click()
{
    m_fotos = !m_fotos;
    emit stateChanged();
}

QString Form1::documentHeading() const
{
    return WordExport::headingFor(m_ueberschrift, m_takenOver ? m_takenOver->Liste : QString());
}

void Form1::txtUeberschrift_Change(const QString& text)
{
    if (text == m_ueberschrift)
        return;
    m_ueberschrift = text;
    saveSetting(store::keys::Ueberschrift, text);
}

void Form1::mnuEnde_Click()
{
    emit closeRequested();
}

} // namespace report
