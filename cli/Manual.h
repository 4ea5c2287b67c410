// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace cli {

struct Command;

// An option that comes before the command.
struct GlobalOption {
    const char* name;     // "--data"
    const char* argument; // "ORDNER", or "" for a switch
    const char* summary;
};

// The options of every command, in the order the help lists them.
const QList<GlobalOption>& globalOptions();

// An option of a command that takes a value.
struct OptionArgument {
    QString option;      // "--format"
    QString placeholder; // "DATEI", "ORDNER", "N", ... (empty when a word list is given)
    QStringList values;  // the words it takes, when the usage lists them ("habsys|eg10")
};

// What a command's usage line offers for completion.
struct UsageWords {
    QStringList options;             // every option: "--length", "--folge", ...
    QList<OptionArgument> arguments; // the options among them that take a value
    QStringList keywords;            // plain words such as "list", "show"
    bool files = false;              // a file argument of its own (DATEI)
    bool folders = false;            // a folder argument of its own (ORDNER)
};
UsageWords usageWords(const QString& usage);

// "stemmo help": the options and every command of the command table.
void writeHelp(QTextStream& out);

// The manual page stemmo(1) in roff, from the same table as the help.
QString manPage(const QString& version, const QString& date);

// A bash completion script for stemmo's options and commands.
QString bashCompletion();

// Text made safe for a roff text line: backslashes, hyphens, and a leading
// dot or apostrophe that roff would read as a request.
QString roffText(const QString& text);

} // namespace cli
