// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cli {
class ConsoleUserInterface;
}

// What every benchmark program needs beside its measurements.
namespace bench {

// The value of "--records=N" among the arguments, else `fallback`.
int recordsOption(int argc, char** argv, int fallback);

// Runs the registered benchmarks with the remaining arguments.
int runBenchmarks(int argc, char** argv);

// Runs the stemmo tool as a user would, on a data folder with its own
// settings file; returns its exit code and, when it failed, its stderr.
int runStemmo(const QString& dataFolder, const QString& settingsFile, const QStringList& arguments,
              QString* error = nullptr);

// The console's UI port, silent: answers every question with yes, prints nothing.
cli::ConsoleUserInterface& silentUi();

// The highest resident memory of this process so far, in MB (0 where unknown).
double peakMegabytes();

} // namespace bench
