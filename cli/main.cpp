// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"
#include "cli/Commands.h"

#include <QCoreApplication>

// The tool links no GUI library, so scripts calling it pay for loading only
// what the text commands need; the commands that paint pages or read photos
// run in the page program (PagesMain.cpp), which this program becomes for them.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return cli::runCommandLine(app, cli::commands());
}
