// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportFormats.h"

#include <QString>
#include <QStringList>
#include <functional>
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
//
// Whatever the format cannot carry of the list (characters outside the
// file's code page, values that do not fit their columns, texts longer
// than their field, piece counts without a field) is gathered while the
// files are written and put to the user in one question before they are
// moved into place; declined, nothing is written. "Konvertierung
// erfolgreich" is said only when nothing was lost.
class ExportDriver {
public:
    enum class Outcome {
        Written,   // files in place, list stamped (see losses)
        Cancelled, // the user cancelled the file dialog, or declined the losses
        NoRecords, // nothing to convert, no file
        Failed,    // see errorNumber / errorDescription
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QStringList files; // full paths of the files written
        // What the files could not carry (the first ones word for word) and
        // how much in all; the user agreed to write them without it.
        QStringList losses;
        qint64 lossCount = 0;
        int errorNumber = 0;
        QString errorDescription;
        // "Fehler beim Liste konvertieren FehlerNr :<number> <description>"
        QString errorText() const;
    };

    ExportDriver(store::Database& master, store::Settings& settings, platform::UserInterface& ui);

    // Where "abies/Eg20fis", the external ABIES converter, is looked for;
    // default: the folder of the running program.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    // Where the menu's export takes its format from: the options window's
    // current choice (1..8), which counts before it is stored; 0 there, or
    // no source, means the stored setting Konvertierung.
    void setFormatSource(std::function<int()> source) { m_formatSource = std::move(source); }
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
    std::function<int()> m_formatSource;
};

} // namespace exporter
