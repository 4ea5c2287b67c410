// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Where the programs find each other and the data shipped with them. The
// layout is relative to the folder of the running program, so the same
// build runs from the build tree, from /usr and from any other prefix:
//   <prefix>/bin/Stemora, Stemprint, stemmo
//   <prefix>/share/stemmo/stammdaten.dat, startmo.htm, voicbeep.wav
//   <prefix>/libexec/stemmo/stemmo-pages (started by stemmo only)
class InstallLayout {
public:
    // The folder of the running program's executable.
    static QString programFolder();

    // The folder of the shipped data beside `programFolder`.
    static QString dataFolder(const QString& programFolder);
    static QString dataFolder() { return dataFolder(programFolder()); }

    // Path of the helper program `name`: the installed one under
    // libexec/stemmo, else the one beside `programFolder` (the build tree).
    // Empty when neither is an executable file.
    static QString helperProgram(const QString& name, const QString& programFolder);
    static QString helperProgram(const QString& name) { return helperProgram(name, programFolder()); }

    // Path of the shipped file `name` when it is installed (a readable
    // file); empty otherwise.
    static QString installedFile(const QString& name, const QString& programFolder);
    static QString installedFile(const QString& name) { return installedFile(name, programFolder()); }

    // The bytes of the shipped file `name`: the installed file, which an
    // office may have replaced with its own, else the copy built into the
    // program (`builtIn`, a Qt resource path). Empty when neither can be
    // read.
    static QByteArray read(const QString& name, const QString& builtIn, const QString& programFolder);
    static QByteArray read(const QString& name, const QString& builtIn)
    {
        return read(name, builtIn, programFolder());
    }
};

} // namespace platform
