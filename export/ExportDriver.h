#pragma once

#include "export/ExportFormats.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {
class UserInterface;
}
namespace store {
class Database;
class Settings;
class TimberStore;
} // namespace store

namespace exporter {

// Converts the selected list into the exchange file(s) of the format chosen
// in the options (setting Konvertierung): asks for the file name, writes
// the file(s) with the format's writers, shows the progress, stamps the
// list as converted.
//
// Files are written to a temporary name beside their target and moved into
// place only when complete: after a failure the previous file of that name
// is untouched and no partly written file is left for a receiving system
// to pick up.
class ExportDriver {
public:
    enum class Outcome {
        Written,   // files in place, list stamped
        Cancelled, // the user cancelled the file dialog
        NoRecords, // nothing to convert, no file
        Failed,    // see errorNumber / errorDescription
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QStringList files; // full paths of the files written
        int errorNumber = 0;
        QString errorDescription;
        // What the file could not carry (written anyway), one line each.
        QStringList losses;
        // "Fehler beim Liste konvertieren FehlerNr :<number> <description>"
        QString errorText() const;
    };

    ExportDriver(store::Database& master, store::Settings& settings, platform::UserInterface& ui);

    // Where "abies/Eg20fis", the external ABIES converter, is looked for;
    // default: the folder of the running program.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    // Workbooks get one more sheet for each lot.
    void setSheetPerLot(bool on) { m_sheetPerLot = on; }

    // A menu entry that exports in a given format (ELDATsmart, CSV,
    // workbook) rather than the one of the options: the same guard, dialog
    // and messages as "Liste konvertieren".
    void exportAs(store::TimberStore& store, bool listSelected, int format);

    // Menu "Liste konvertieren". `listSelected`: whether the lists view has a
    // selected list; `store.Listen` stands on it. The caller refreshes its
    // lists afterwards.
    void mnuKonvertieren_Click(store::TimberStore& store, bool listSelected);
    // The export with its file dialog; errors are returned, not shown.
    Result Liste_Konvertieren(store::TimberStore& store);
    Result Liste_Konvertieren(store::TimberStore& store, const ExportFormat& format);
    // The save dialog; nullopt when cancelled.
    std::optional<QString> Dateiname_Waehlen(const QString& extension, const QString& proposedName);
    // The export without dialogs, to `chosenPath` as if chosen in the dialog
    // (formats that write beside it take its folder and name), in format
    // 1..7: opens the current list's records, writes, starts the ABIES
    // converter, stamps Konvertiert and reports success through the UI.
    Result Konvertieren(store::TimberStore& store, const QString& chosenPath, int format);
    // Starts the ABIES converter in `folder`; throws ExportError.
    void EG20_Starten(const QString& folder) const;

    // The file(s) a format writes for a chosen path, in writing order.
    static QStringList targetFiles(const ExportFormat& format, const QString& chosenPath);
    // The chosen file name without folder and extension.
    static QString stemOf(const QString& chosenPath);

private:
    Result write(store::TimberStore& store, const QString& chosenPath, const ExportFormat& format,
                 qint64 count);

    store::Database& m_master;
    store::Settings& m_settings;
    platform::UserInterface& m_ui;
    QString m_programFolder;
    bool m_sheetPerLot = false;
};

} // namespace exporter
