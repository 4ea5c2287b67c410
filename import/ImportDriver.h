// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"

#include <QString>
#include <optional>

namespace platform {
class UserInterface;
}
namespace store {
class Database;
class Settings;
class TimberStore;
} // namespace store

namespace importer {

// Reading a list from a handheld or transfer file into a new list, and the
// master data from a master-data file: the dialogs, the questions, the
// progress window and the messages, all through the UI port.
//
// A list is imported whole or not at all. The file is read as a stream
// (text only, size-limited far above any real list): each record goes into
// the database as soon as its line is read, all inside one transaction, so
// memory stays small whatever the size of the list, and a refused file, an
// existing list name or a failure on the way leave the database exactly as
// it was. Values that cannot be read do not stop the reading: they stay
// empty, and the last one is reported at the end. A file that ends without
// its closing line is imported with a warning that it may be incomplete.
class ImportDriver {
public:
    struct Result {
        enum class Outcome {
            Imported,  // the list was stored
            Cancelled, // no file chosen, or the question answered No
            Refused,   // the file is no list file
            Exists,    // a list of that name exists
            Failed,    // the file could not be read or the list not stored
        };
        Outcome outcome = Outcome::Cancelled;
        QString path;
        QString listName;
        SourceFormat format = SourceFormat::EG10;
        int records = 0;
        int storage = 0;
        int samples = 0;
        QStringList missingSpecies;
        ValueErrors errors;
        // What the file holds but the list cannot (ELDATsmart documents).
        QStringList losses;
        QString message;    // what was said about a refusal or failure
        QString incomplete; // why the file may have been cut off; empty when whole

        bool imported() const { return outcome == Outcome::Imported; }
        // Imported, but with values that could not be read, that the list
        // cannot hold, or possibly cut off.
        bool withLosses() const
        {
            return imported() && (!errors.isEmpty() || !losses.isEmpty() || !incomplete.isEmpty());
        }
    };

    ImportDriver(store::Database& holz, store::Database& master, store::Settings& settings,
                 platform::UserInterface& ui);

    // The menu entry "Einlesen": dialog, question, import. Returns the name
    // of the new list, on which the lists record set of `store` then stands;
    // the caller refreshes its lists view and opens the list.
    // `extension`: the files the dialog offers first; empty for those of the
    // export format of the options.
    std::optional<QString> mnuEinlesen_Click(store::TimberStore& store, const QString& extension = QString());
    // Dialog, question and import, without the menu's error frame.
    Result Liste_Einlesen(const QString& extension = QString());
    // The open dialog for files of the given extensions; stores the folder
    // of the chosen file as VerzeichnisLesen.
    std::optional<QString> Dateiname_Lesen(const QStringList& extensions);
    // Imports a file without dialog or question (the command line).
    Result importFile(const QString& path);

    // The menu entry "Stammdaten einlesen": hourglass, open dialog, master
    // data import. True when a file was read completely; the caller then
    // shows the options with the region list dropped down.
    bool mnuStammdaten_Click();
    bool Stammdaten_Einlesen();

private:
    Result fail(Result result, int number, const QString& description);
    Result refuse(Result result, const QString& reason);
    void report(const ImportedList& list);
    // An ELDATsmart measurement journal, told apart from the list files by
    // its first character.
    Result importEldat(Result result);

    store::Database& m_holz;
    store::Database& m_master;
    store::Settings& m_settings;
    platform::UserInterface& m_ui;
};

} // namespace importer
