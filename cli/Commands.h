// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"

#include <QList>
#include <QStringList>

namespace cli {

using CommandFunction = int (*)(CliContext& context, const QStringList& args);

struct Command {
    const char* name;
    const char* usage;   // arguments after the command name
    const char* summary; // one line for "stemmo help"
    CommandFunction run;
};

// Every command, in the order the help lists them.
const QList<Command>& commands();

// The commands; each lives in a file of its own.
int runInit(CliContext& context, const QStringList& args);
int runCheck(CliContext& context, const QStringList& args);
int runMigrate(CliContext& context, const QStringList& args);
int runLists(CliContext& context, const QStringList& args);
int runStammdaten(CliContext& context, const QStringList& args);
int runSpecies(CliContext& context, const QStringList& args);
int runVolume(CliContext& context, const QStringList& args);
int runGenerate(CliContext& context, const QStringList& args);
int runImport(CliContext& context, const QStringList& args);
int runExport(CliContext& context, const QStringList& args);
int runLots(CliContext& context, const QStringList& args);
int runOptions(CliContext& context, const QStringList& args);
int runSummary(CliContext& context, const QStringList& args);
// In the table for the commands that need the GUI libraries (painting
// pages, reading photos): hands the run to the page program, which runs them
// itself with runReport, runWord and runLager.
int runInPageProgram(CliContext& context, const QStringList& args);
int runReport(CliContext& context, const QStringList& args);
int runWord(CliContext& context, const QStringList& args);
int runNewList(CliContext& context, const QStringList& args);
int runAdd(CliContext& context, const QStringList& args);
int runRecords(CliContext& context, const QStringList& args);
int runTotals(CliContext& context, const QStringList& args);
int runStatistik(CliContext& context, const QStringList& args);
int runLager(CliContext& context, const QStringList& args);
int runRename(CliContext& context, const QStringList& args);
int runDeleteList(CliContext& context, const QStringList& args);
int runSortiment(CliContext& context, const QStringList& args);
int runVersion(CliContext& context, const QStringList& args);

} // namespace cli
