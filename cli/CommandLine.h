// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Commands.h"

class QCoreApplication;

namespace cli {

// One run of the tool: reads the options and the command from the
// application's arguments, runs the command from `table` and returns the
// exit code. Shared by stemmo and its page program, so both read the same
// command line the same way.
int runCommandLine(QCoreApplication& app, const QList<Command>& table);

} // namespace cli
