// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportDriver.h"

#include "EldatReader.h"
#include "HolzartLookup.h"
#include "ImportedListWriter.h"
#include "ListFile.h"
#include "ListFileReader.h"
#include "ListFileStream.h"
#include "MasterDataImport.h"
#include "UseCodeLookup.h"

#include "export/EldatCodes.h"
#include "export/ExportFormats.h"
#include "platform/UserInterface.h"
#include "rules/BarkTable.h"
#include "rules/ListName.h"
#include "store/ListRepository.h"
#include "store/DbError.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

#include <QFile>
#include <QFileInfo>
#include <limits>

namespace importer {
namespace {

using Outcome = ImportDriver::Result::Outcome;

// Error numbers of the file access, as the program has always reported them.
constexpr int OutOfMemory = 7;
constexpr int FileNotFound = 53;
constexpr int DeviceError = 57;
constexpr int PathAccessError = 75;

// Keeps the progress window from outliving an import that ends early.
class ProgressWindow {
public:
    explicit ProgressWindow(platform::UserInterface& ui) : m_ui(ui) {}
    ~ProgressWindow() { hide(); }
    void show(const QString& action, const QString& label)
    {
        m_ui.progressShow(action, label);
        m_shown = true;
    }
    void hide()
    {
        if (m_shown)
            m_ui.progressHide();
        m_shown = false;
    }

private:
    platform::UserInterface& m_ui;
    bool m_shown = false;
};

// Whether a list of this name is stored already; when it is, the box that
// says so (the header dialog shows the same).
bool Liste_Vorhanden(store::Database& db, const QString& name, platform::UserInterface& ui)
{
    if (!store::ListRepository(db).exists(name))
        return false;
    ui.message(rules::ListName::existsMessage(name));
    return true;
}

// The hourglass pointer, restored on every way out.
class BusyPointer {
public:
    explicit BusyPointer(platform::UserInterface& ui) : m_ui(ui) { m_ui.setBusy(true); }
    ~BusyPointer() { release(); }
    void release()
    {
        if (m_busy)
            m_ui.setBusy(false);
        m_busy = false;
    }

private:
    platform::UserInterface& m_ui;
    bool m_busy = true;
};

// Reading and storing report to the progress window in steps of about a
// hundredth, so a big file does not spend its time drawing.
ListFileReader::Progress progressTo(platform::UserInterface& ui, const QString& label)
{
    return [&ui, label, last = qint64(-1)](qint64 done, qint64 total) mutable {
        const qint64 step = qMax<qint64>(1, total / 100);
        if (done == total || last < 0 || done - last >= step) {
            ui.progressUpdate(label, done, total);
            last = done;
        }
    };
}

} // namespace

ImportDriver::ImportDriver(store::Database& holz, store::Database& master, store::Settings& settings,
                           platform::UserInterface& ui)
    : m_holz(holz), m_master(master), m_settings(settings), m_ui(ui)
{
}

std::optional<QString> ImportDriver::mnuEinlesen_Click(store::TimberStore& store, const QString& extension)
{
    Result result;
    try {
        result = Liste_Einlesen(extension);
    } catch (const std::bad_alloc&) {
        // Every known failure is reported by the import itself; these are
        // what is left, and nothing was stored when they came.
        fail(result, OutOfMemory, QStringLiteral("Nicht genügend Arbeitsspeicher für diese Datei."));
        return std::nullopt;
    } catch (const std::exception& error) {
        fail(result, DeviceError, QString::fromUtf8(error.what()));
        return std::nullopt;
    }
    if (!result.imported())
        return std::nullopt;
    store.Listen_Oeffnen();
    store.moveToList(result.listName);
    return result.listName;
}

std::optional<QString> ImportDriver::Dateiname_Lesen(const QStringList& extensions)
{
    platform::FileChoice choice;
    choice.title = QStringLiteral("Liste einlesen");
    choice.folder = m_settings.get(store::keys::VerzeichnisLesen);
    QStringList patterns;
    for (const QString& extension : extensions)
        patterns << (extension == QLatin1String("*") ? QStringLiteral("*")
                                                     : QStringLiteral("*.") + extension);
    choice.filter = QStringLiteral("Holzlisten (%1);;Alle Dateien (*)").arg(patterns.join(QLatin1Char(' ')));
    choice.confirmOverwrite = false;
    const auto path = m_ui.chooseOpenFile(choice);
    if (path && !path->isEmpty())
        m_settings.set(store::keys::VerzeichnisLesen, QFileInfo(*path).absolutePath());
    return path;
}

ImportDriver::Result ImportDriver::Liste_Einlesen(const QString& offered)
{
    // Which of the readable files it is follows from its contents, so every
    // kind is offered at once, whatever the export format is; a menu entry
    // for one kind offers only its files.
    const auto path = Dateiname_Lesen(offered.isEmpty() ? exporter::ExportFormats::readableExtensions()
                                                        : QStringList{offered});
    Result result;
    if (!path) {
        m_ui.message({QStringLiteral("Keine Liste eingelesen"), QString(), platform::Buttons::Ok,
                      platform::Icon::Information});
        return result;
    }
    if (path->isEmpty()) {
        m_ui.message({QStringLiteral("Keine Liste ausgewählt"), QString(), platform::Buttons::Ok,
                      platform::Icon::Information});
        return result;
    }
    result.path = *path;
    const auto answer =
        m_ui.message({QStringLiteral("Liste '") + *path + QStringLiteral("' einlesen ?"),
                      QStringLiteral("Daten einlesen"), platform::Buttons::YesNo, platform::Icon::Question});
    if (answer != platform::Answer::Yes)
        return result;
    return importFile(*path);
}

ImportDriver::Result ImportDriver::fail(Result result, int number, const QString& description)
{
    result.outcome = Outcome::Failed;
    result.message = QStringLiteral("Fehler beim Datei einlesen FehlerNr :") + QString::number(number) +
                     QLatin1Char('\n') + description;
    m_ui.message({result.message, QString(), platform::Buttons::Ok, platform::Icon::Critical});
    return result;
}

ImportDriver::Result ImportDriver::refuse(Result result, const QString& reason)
{
    result.outcome = Outcome::Refused;
    result.message = QStringLiteral("Datei ist keine gültige Holzliste\n") + reason;
    m_ui.message(
        {result.message, QStringLiteral("Information"), platform::Buttons::Ok, platform::Icon::Critical});
    return result;
}

ImportDriver::Result ImportDriver::importFile(const QString& path)
{
    Result result;
    result.path = path;

    const QFileInfo info(path);
    if (!info.exists())
        return fail(result, FileNotFound, QStringLiteral("Die Datei „%1“ wurde nicht gefunden.").arg(path));
    if (info.isDir())
        return fail(result, PathAccessError, QStringLiteral("„%1“ ist ein Ordner, keine Datei.").arg(path));
    {
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly) && EldatReader::looksLike(probe.read(256)))
            return importEldat(result);
    }
    if (info.size() > ListFile::MaxBytes)
        return refuse(
            result,
            QStringLiteral("Die Datei ist größer als %1 MB.").arg(ListFile::MaxBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            result, PathAccessError,
            QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: %2").arg(path, file.errorString()));
    auto readFailure = [&](const QString& reason) {
        return fail(result, DeviceError,
                    QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(path, reason));
    };

    // The file is read as a stream: examined first, then read line by line
    // while its records go straight into the database.
    ListFileStream stream(file);
    if (!stream.open())
        return stream.readError().isEmpty() ? refuse(result, stream.refusal())
                                            : readFailure(stream.readError());
    result.format = stream.format();
    result.listName = ListFileReader::listName(stream.kind(), stream.nameLineText());
    if (result.listName.isEmpty())
        return refuse(result, QStringLiteral("Die Zeile „0A“ enthält keinen Listennamen."));
    if (const QString problem = rules::ListName::problem(result.listName); !problem.isEmpty())
        return refuse(result, problem);

    try {
        // The export follows the format of the file just read.
        m_settings.set(store::keys::Konvertierung, QString::number(int(stream.format())));
        if (Liste_Vorhanden(m_holz, result.listName, m_ui)) {
            result.outcome = Outcome::Exists;
            return result;
        }

        ProgressWindow progress(m_ui);
        progress.show(QStringLiteral("Liste '") + result.listName + QStringLiteral("' einlesen"),
                      QStringLiteral("Datensätze lesen"));
        const int region = m_settings.number(store::keys::RegionIndex, 8);
        const store::MasterData master(m_master);
        const auto regionSpecies = master.species(region);
        HolzartLookup species(regionSpecies);
        const UseCodeLookup useCodes(master.einschlagtypen(), master.nutzungsarten());
        const rules::BarkTable bark = master.barkTable(region, regionSpecies);
        ListFileReader reader(species, useCodes, bark);
        reader.setProgress(progressTo(m_ui, QStringLiteral("Datensätze lesen")));

        ImportedListWriter writer(m_holz);
        if (!writer.begin(result.listName)) {
            // Another program stored a list of this name meanwhile.
            progress.hide();
            Liste_Vorhanden(m_holz, result.listName, m_ui);
            result.outcome = Outcome::Exists;
            return result;
        }
        ListFileReader::Result read =
            reader.read(stream, [&writer](const store::HolzRow& row) { return writer.add(row); });
        // Leaving without finish() rolls back every record stored so far.
        if (!read.readError.isEmpty())
            return readFailure(read.readError);
        if (!read.list)
            return refuse(result, read.refusal);
        ImportedList& list = *read.list;
        writer.finish(list);
        progress.hide();
        m_settings.set(store::keys::ListenNr, result.listName);

        result.outcome = Outcome::Imported;
        result.records = int(qMin<qint64>(list.totals.records, std::numeric_limits<int>::max()));
        result.storage = int(list.storage.size());
        result.samples = int(list.samples.size());
        result.missingSpecies = list.missingSpecies;
        result.errors = list.errors;
        result.incomplete = list.incomplete;
        report(list);
        return result;
    } catch (const store::DbError& error) {
        return fail(result, error.number(),
                    error.description() + QStringLiteral("\nDie Liste wurde nicht eingelesen."));
    }
}

ImportDriver::Result ImportDriver::importEldat(Result result)
{
    const QString& path = result.path;
    result.format = SourceFormat::Eldat;
    if (QFileInfo(path).size() > EldatReader::MaxBytes)
        return refuse(
            result,
            QStringLiteral("Die Datei ist größer als %1 MB.").arg(EldatReader::MaxBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            result, PathAccessError,
            QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(EldatReader::MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(
            result, DeviceError,
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2").arg(path, file.errorString()));
    file.close();

    result.listName = EldatReader::listName(path);
    if (const QString problem = rules::ListName::problem(result.listName);
        !result.listName.isEmpty() && !problem.isEmpty())
        return refuse(result, problem);
    try {
        std::optional<exporter::EldatCodes> codes;
        try {
            codes = exporter::EldatCodes::forFolder(m_master.localFolder());
        } catch (const std::runtime_error& error) {
            return refuse(result, QString::fromStdString(error.what()));
        }
        if (!result.listName.isEmpty() && Liste_Vorhanden(m_holz, result.listName, m_ui)) {
            result.outcome = Outcome::Exists;
            return result;
        }
        ProgressWindow progress(m_ui);
        progress.show(QStringLiteral("Liste '") + result.listName + QStringLiteral("' einlesen"),
                      QStringLiteral("Datensätze lesen"));
        const store::MasterData master(m_master);
        const EldatReader reader(*codes, master.species(m_settings.number(store::keys::RegionIndex, 8)));
        EldatReader::Result read = reader.read(bytes, result.listName);
        if (!read.list) {
            progress.hide();
            return refuse(result, read.refusal);
        }
        ImportedList& list = *read.list;
        if (!ImportedListWriter(m_holz).write(list,
                                              progressTo(m_ui, QStringLiteral("Datensätze speichern")))) {
            progress.hide();
            Liste_Vorhanden(m_holz, result.listName, m_ui);
            result.outcome = Outcome::Exists;
            return result;
        }
        progress.hide();
        // The export follows the format of the file just read.
        m_settings.set(store::keys::Konvertierung, QString::number(int(SourceFormat::Eldat)));
        m_settings.set(store::keys::ListenNr, result.listName);
        result.outcome = Outcome::Imported;
        result.records = int(list.records.size());
        result.storage = int(list.storage.size());
        result.missingSpecies = list.missingSpecies;
        result.losses = read.losses;
        report(list);
        if (!read.losses.isEmpty())
            m_ui.message(
                {QStringLiteral("Die Liste ist eingelesen. Diese Angaben des Dokuments kann eine Liste nicht "
                                "aufnehmen, sie sind nicht übernommen:\n- ") +
                     read.losses.join(QStringLiteral("\n- ")),
                 QStringLiteral("Liste einlesen"), platform::Buttons::Ok, platform::Icon::Warning});
        return result;
    } catch (const store::DbError& error) {
        return fail(result, error.number(),
                    error.description() + QStringLiteral("\nDie Liste wurde nicht eingelesen."));
    }
}

void ImportDriver::report(const ImportedList& list)
{
    if (!list.incomplete.isEmpty())
        m_ui.message({list.incomplete, QStringLiteral("Liste einlesen"), platform::Buttons::Ok,
                      platform::Icon::Warning});
    for (const auto& notice : list.notices)
        m_ui.message(notice);
    if (!list.missingSpecies.isEmpty())
        m_ui.message({QStringLiteral("Folgende Holzarten sind in dieser Region nicht eingetragen\r\n") +
                          list.missingSpecies.join(QStringLiteral(", ")) +
                          QStringLiteral("\r\nDiese werden mit den jeweiligen Kürzeln übernommen"),
                      QString(), platform::Buttons::Ok, platform::Icon::Information});
    if (const auto& last = list.errors.last()) {
        QString text = QStringLiteral("Fehl.Nr : ") + QString::number(last->number) +
                       QStringLiteral("\nBeschr. : ") + last->description;
        if (list.errors.count() > 1)
            text += QStringLiteral("\n(%1 Werte der Datei waren nicht lesbar und sind leer geblieben.)")
                        .arg(list.errors.count());
        m_ui.message({text, QString(), platform::Buttons::Ok, platform::Icon::Warning});
    }
}

bool ImportDriver::mnuStammdaten_Click()
{
    return Stammdaten_Einlesen();
}

bool ImportDriver::Stammdaten_Einlesen()
{
    BusyPointer busy(m_ui);
    const auto path = Dateiname_Lesen({QStringLiteral("dat")});
    if (!path || path->isEmpty())
        return false;
    const auto result = MasterDataImport(m_master).readFile(*path);
    busy.release();
    if (!result.ok) {
        if (result.message)
            m_ui.message(*result.message);
        return false;
    }
    return true;
}

} // namespace importer
