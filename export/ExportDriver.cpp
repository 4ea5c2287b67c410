// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportDriver.h"

#include "EldatCodes.h"
#include "ExportError.h"
#include "ExportJob.h"
#include "ExportWriter.h"
#include "LineSink.h"

#include "platform/ProcessLauncher.h"
#include "platform/UserInterface.h"
#include "rules/ListName.h"
#include "store/RecordRepository.h"
#include "store/DbError.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/TimberStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <functional>
#include <memory>
#include <vector>

namespace exporter {

using platform::Buttons;
using platform::Icon;

namespace {

const QString ProgressAction = QStringLiteral("Liste konvertieren");
const QString ProgressLabel = QStringLiteral("Datensätze konv.");

ExportDriver::Result failure(int number, const QString& description)
{
    ExportDriver::Result result;
    result.outcome = ExportDriver::Outcome::Failed;
    result.errorNumber = number;
    result.errorDescription = description;
    return result;
}

// The reason in words the user can act on; the system's own text follows
// in brackets for whoever helps them.
ExportError fileError(int number, const QString& what, const QFileDevice& file, const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    QString reason;
    if (number == ExportError::PathError && !folder.isDir())
        reason = QStringLiteral("den Ordner gibt es nicht");
    else if (number == ExportError::PathError)
        reason = QStringLiteral("die Datei kann dort nicht angelegt werden");
    else
        reason =
            QStringLiteral("die Datei konnte nicht vollständig geschrieben werden, der Datenträger ist voll "
                           "oder nicht mehr erreichbar; die vorige Datei dieses Namens ist unverändert");
    return ExportError(
        number, what,
        QStringLiteral("%1: %2 [%3]").arg(QDir::toNativeSeparators(path), reason, file.errorString()));
}

// Writes every output of the format into its own temporary file and moves
// them into place only when all are complete and `confirm` agrees. False,
// with nothing in place, when it does not.
bool writeFiles(const ExportFormat& format, const QStringList& paths, const ExportJob& job,
                const std::function<bool()>& confirm)
{
    std::vector<std::unique_ptr<QSaveFile>> files;
    try {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            auto file = std::make_unique<QSaveFile>(paths.at(i));
            // Unbuffered, so that every write reports what reached the file:
            // Qt's commit() alone would not notice a full disk.
            if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
                throw fileError(ExportError::PathError, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"),
                                *file, paths.at(i));
            files.push_back(std::move(file));
            format.outputs.at(i).writer->writeTo(job, *files.back(), format.cp437Umlauts);
            if (!files.back()->flush())
                throw fileError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Datei"),
                                *files.back(), paths.at(i));
        }
        if (!confirm()) {
            for (auto& file : files)
                file->cancelWriting();
            return false;
        }
        for (qsizetype i = 0; i < paths.size(); ++i) {
            if (!files[size_t(i)]->commit())
                throw fileError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Datei"),
                                *files[size_t(i)], paths.at(i));
        }
    } catch (...) {
        for (auto& file : files)
            file->cancelWriting();
        throw;
    }
    return true;
}

// Sets only the list's Konvertiert: the rest of the row may have changed
// since the lists were read, and must not be written back.
void stampConverted(store::TimberStore& store)
{
    store::ListRepository(store.database()).stampConverted(store.Listen.currentId(), QDate::currentDate());
    store.Listen.refresh();
}

} // namespace

QString ExportDriver::Result::errorText() const
{
    return QStringLiteral("Fehler beim Liste konvertieren FehlerNr :%1 %2")
        .arg(errorNumber)
        .arg(errorDescription);
}

ExportDriver::ExportDriver(store::Database& master, store::Settings& settings, platform::UserInterface& ui)
    : m_master(master), m_settings(settings), m_ui(ui),
      m_programFolder(platform::ProcessLauncher::programFolder())
{
}

void ExportDriver::mnuKonvertieren_Click(store::TimberStore& store, bool listSelected)
{
    if (!listSelected || !store.Listen.hasCurrent()) {
        m_ui.message({QStringLiteral("Liste mit Stift auswählen (unter Liste)"),
                      QStringLiteral("Information"), Buttons::Ok, Icon::None});
        return;
    }
    const Result result = Liste_Konvertieren(store);
    if (result.outcome == Outcome::Failed) {
        m_ui.message({result.errorText(), QString(), Buttons::Ok, Icon::None});
        m_ui.progressHide();
    }
}

void ExportDriver::exportAs(store::TimberStore& store, bool listSelected, int number)
{
    const ExportFormat* format = ExportFormats::byNumber(number);
    if (!format)
        return;
    if (!listSelected || !store.Listen.hasCurrent()) {
        m_ui.message({QStringLiteral("Liste mit Stift auswählen (unter Liste)"),
                      QStringLiteral("Information"), Buttons::Ok, Icon::None});
        return;
    }
    if (number == ExportFormats::Xlsx)
        setSheetPerLot(m_ui.message({QStringLiteral("Für jedes Los ein eigenes Tabellenblatt anlegen?"),
                                     QStringLiteral("Excel-Arbeitsmappe"), Buttons::YesNo, Icon::Question}) ==
                       platform::Answer::Yes);
    const Result result = Liste_Konvertieren(store, *format);
    if (result.outcome == Outcome::Failed) {
        m_ui.message({result.errorText(), QString(), Buttons::Ok, Icon::None});
        m_ui.progressHide();
    }
}

ExportDriver::Result ExportDriver::Liste_Konvertieren(store::TimberStore& store)
{
    const int shown = m_formatSource ? m_formatSource() : 0;
    const QString setting = shown > 0 ? QString::number(shown) : m_settings.get(store::keys::Konvertierung);
    const ExportFormat* format = ExportFormats::bySetting(setting);
    // Without a format nothing would be written; that must not pass for a
    // converted list.
    if (!format)
        return failure(
            ExportError::NoFormat,
            QStringLiteral("Kein Ausgabeformat eingestellt (Konvertierung „%1“): bitte in den Optionen "
                           "ein Format wählen")
                .arg(setting));
    return Liste_Konvertieren(store, *format);
}

ExportDriver::Result ExportDriver::Liste_Konvertieren(store::TimberStore& store, const ExportFormat& fmt)
{
    const ExportFormat* format = &fmt;
    if (!store.Listen.hasCurrent())
        return failure(store::DbError::NoCurrentRecord,
                       store::DbError::describe(store::DbError::NoCurrentRecord));
    const QString name = store.Listen.current().Liste;
    const auto chosen = Dateiname_Waehlen(format->extension,
                                          format->proposedLength ? name.left(format->proposedLength) : name);
    if (!chosen || chosen->isEmpty()) {
        m_ui.message({QStringLiteral("Keine Liste konvertiert"), QString(), Buttons::Ok, Icon::Information});
        Result result;
        result.outcome = Outcome::Cancelled;
        return result;
    }
    QString path = *chosen;
    // The offered extension is the dialog's default: a name typed without
    // one gets it, so the file shows up under the same filter later.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QLatin1Char('.') + format->extension;
    const QString title = QFileInfo(path).fileName();
    m_settings.set(store::keys::Verzeichnis, path.left(path.size() - title.size()));
    return Konvertieren(store, path, format->number);
}

std::optional<QString> ExportDriver::Dateiname_Waehlen(const QString& extension, const QString& proposedName)
{
    platform::FileChoice choice;
    choice.title = QStringLiteral("Liste konvertieren");
    choice.folder = m_settings.get(store::keys::Verzeichnis);
    // A list name may hold characters that would make a folder of it.
    choice.proposedName = QString(proposedName)
                              .replace(QLatin1Char('/'), QLatin1Char('_'))
                              .replace(QLatin1Char('\\'), QLatin1Char('_'));
    choice.filter = QStringLiteral("Holzlisten (*.%1)").arg(extension);
    choice.confirmOverwrite = true;
    return m_ui.chooseSaveFile(choice);
}

ExportDriver::Result ExportDriver::Konvertieren(store::TimberStore& store, const QString& chosenPath,
                                                int number)
{
    const ExportFormat* format = ExportFormats::byNumber(number);
    if (!format)
        return failure(ExportError::NoFormat, QStringLiteral("Kein Ausgabeformat %1").arg(number));
    if (!store.Listen.hasCurrent())
        return failure(store::DbError::NoCurrentRecord,
                       store::DbError::describe(store::DbError::NoCurrentRecord));

    Result result;
    m_ui.progressShow(ProgressAction, ProgressLabel);
    try {
        store.Listen.refresh(); // the header as stored now
        // The records are streamed once in the list's order; the shared
        // record set is closed like after every export, and only the count
        // is needed beforehand.
        store.Holz.close();
        const QString name = store.Listen.current().Liste;
        const qint64 count = name.isEmpty() ? 0 : store::RecordRepository(store.database()).recordCount(name);
        if (name.isEmpty()) {
            m_ui.message(rules::ListName::missingMessage());
            result.outcome = Outcome::NoRecords;
        } else if (count == 0) {
            m_ui.message({QStringLiteral("Keine Datensätze vorhanden"), QStringLiteral("Info"), Buttons::Ok,
                          Icon::Information});
            result.outcome = Outcome::NoRecords;
        } else {
            result = write(store, chosenPath, *format, count);
        }
    } catch (const ExportError& error) {
        result = failure(error.number(), error.description());
    } catch (const store::DbError& error) {
        result = failure(error.number(), error.description());
    }
    store.Holz.close();
    m_ui.progressHide();
    return result;
}

ExportDriver::Result ExportDriver::write(store::TimberStore& store, const QString& chosenPath,
                                         const ExportFormat& format, qint64 count)
{
    const store::ListenRow list = store.Listen.current();
    const store::MasterData master(m_master);
    const int region = m_settings.number(store::keys::RegionIndex, 8);
    HolzartCodes species(master.species(region), format.number, format.speciesWithNL,
                         [this](const QString& text) {
                             m_ui.message({text, QString(), Buttons::Ok, Icon::None});
                         });
    ExportJob job(list, stemOf(chosenPath), species);
    job.setRegionSpecies(master.species(region));
    job.setSheetPerLot(m_sheetPerLot);
    std::optional<EldatCodes> eldatCodes;
    if (format.number == ExportFormats::Eldat) {
        // The code table lies beside the master data.
        try {
            eldatCodes = EldatCodes::forFolder(m_master.localFolder());
        } catch (const std::runtime_error& error) {
            throw ExportError(ExportError::NoFormat, QStringLiteral("ELDATsmart-Codetabelle fehlerhaft"),
                              QString::fromStdString(error.what()));
        }
        job.setEldatCodes(&*eldatCodes);
    }
    if (format.speciesWithNL)
        job.setUseCodes(UseCodes(master.nutzungsarten(), master.einschlagtypen()));
    store.Lager_Oeffnen();
    QList<store::LagerRow> storage;
    for (int i = 0; i < store.Lager.recordCount(); ++i)
        storage << store.Lager.at(i);
    job.setStorage(storage);
    // One pass over the records in the order the list is opened in.
    const QString sortierung = m_settings.get(store::keys::Sortierung);
    store::Database& db = store.database();
    job.setRecords(
        [&](const RecordVisitor& visit) {
            store::RecordRepository(db).forEachRecord(list.Liste, sortierung, list.Kubatur == 0, visit);
        },
        count);
    job.setProgress(
        [this](qint64 counter, qint64 total) { m_ui.progressUpdate(ProgressLabel, counter, total); });

    const QStringList paths = targetFiles(format, chosenPath);
    if (QStringList(paths).removeDuplicates() > 0)
        throw ExportError(ExportError::PathError, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"),
                          QStringLiteral("zwei Dateien der Konvertierung hätten denselben Namen: %1")
                              .arg(QDir::toNativeSeparators(paths.first())));
    job.setCarriage(format.carries);
    // Asked with the files written but not yet in place.
    auto confirm = [&] {
        if (job.losses().isEmpty())
            return true;
        m_ui.setBusy(false);
        const auto answer = m_ui.message(
            {QStringLiteral("Das Format %1 kann nicht alles aufnehmen, was die Liste „%2“ enthält:\n%3\n\n"
                            "Trotzdem konvertieren?")
                 .arg(format.name, list.Liste, job.losses().text()),
             QStringLiteral("Liste konvertieren"), Buttons::YesNo, Icon::Warning});
        m_ui.setBusy(true);
        return answer == platform::Answer::Yes;
    };
    m_ui.setBusy(true);
    bool written = false;
    try {
        written = writeFiles(format, paths, job, confirm);
    } catch (...) {
        m_ui.setBusy(false);
        throw;
    }
    m_ui.setBusy(false);
    Result result;
    if (!written) {
        m_ui.message({QStringLiteral("Keine Liste konvertiert"), QString(), Buttons::Ok, Icon::Information});
        result.outcome = Outcome::Cancelled;
        return result;
    }
    if (format.startsEg20)
        EG20_Starten(QFileInfo(chosenPath).absolutePath());

    stampConverted(store);
    const QString title = QFileInfo(chosenPath).fileName();
    if (job.losses().isEmpty())
        m_ui.message({QStringLiteral("Liste %1 angelegt").arg(title),
                      QStringLiteral("Konvertierung erfolgreich"), Buttons::Ok, Icon::Information});
    else
        m_ui.message(
            {QStringLiteral("Liste %1 angelegt; %2 Werte der Liste stehen nicht oder nicht ganz darin.")
                 .arg(title)
                 .arg(job.losses().count()),
             QStringLiteral("Konvertierung mit Verlusten"), Buttons::Ok, Icon::Warning});
    result.outcome = Outcome::Written;
    result.files = paths;
    result.losses = job.losses().described();
    result.lossCount = job.losses().count();
    return result;
}

void ExportDriver::EG20_Starten(const QString& folder) const
{
    const QString program = QDir(m_programFolder).filePath(QStringLiteral("abies/Eg20fis"));
    QString error;
    if (!platform::ProcessLauncher::startDetached(program, {}, folder, &error))
        throw ExportError(QFileInfo::exists(program) ? ExportError::PathError : ExportError::FileNotFound,
                          QStringLiteral("Der ABIES-Konverter wurde nicht gestartet"), error);
}

QStringList ExportDriver::targetFiles(const ExportFormat& format, const QString& chosenPath)
{
    const QFileInfo chosen(chosenPath);
    const QDir folder = chosen.absoluteDir();
    const QString stem = stemOf(chosenPath);
    QStringList paths;
    for (const ExportFormat::Output& output : format.outputs) {
        switch (output.target) {
        case ExportFormat::Target::ChosenFile:
            paths << chosen.absoluteFilePath();
            break;
        case ExportFormat::Target::StemTxt:
            paths << folder.filePath(stem + QStringLiteral(".txt"));
            break;
        case ExportFormat::Target::StemDat:
            paths << folder.filePath(stem + QStringLiteral(".dat"));
            break;
        case ExportFormat::Target::Eg20Dat:
            paths << folder.filePath(QStringLiteral("EG20.dat"));
            break;
        case ExportFormat::Target::StemSorten:
            paths << folder.filePath(stem + QStringLiteral("_Sorten.") + format.extension);
            break;
        }
    }
    return paths;
}

QString ExportDriver::stemOf(const QString& chosenPath)
{
    // Whatever extension was typed, not always a point and three letters.
    const QString name = QFileInfo(chosenPath).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

} // namespace exporter
