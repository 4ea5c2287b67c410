// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace store {
class DataFolder;
}

namespace app {

// The help page and the confirmation sound travel inside the program and
// are put into the data folder, where the browser and the sound service
// can open them as files.
class ShippedFiles {
public:
    static QString helpPageName() { return QStringLiteral("startmo.htm"); }
    static QString soundName() { return QStringLiteral("voicbeep.wav"); }

    struct Result {
        QString helpFile;    // path of the help page in the data folder
        QString soundFile;   // path of the sound
        QStringList written; // files written by this run
        QStringList errors;  // one German line per file that could not be written
    };

    // Writes each file that is missing or differs from the shipped one.
    // Never throws: a folder that cannot be written leaves the files as they
    // were (an outdated page still helps) and reports why.
    static Result ensure(const store::DataFolder& folder);

    // The bytes shipped with the program (the installed file in share/stemmo,
    // else the built-in copy); empty for an unknown name.
    static QByteArray shipped(const QString& name);
};

} // namespace app
