// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Application.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

// The page program: stemmo becomes it, with the same arguments, for the
// commands that need the GUI libraries (pages, photos). It reads the command line as stemmo does, with
// those commands run here rather than handed on again.
int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = cli::createPageApplication(argc, argv);
    QList<cli::Command> table = cli::commands();
    for (cli::Command& command : table) {
        if (qstrcmp(command.name, "report") == 0)
            command.run = &cli::runReport;
        else if (qstrcmp(command.name, "word") == 0)
            command.run = &cli::runWord;
        else if (qstrcmp(command.name, "lager") == 0)
            command.run = &cli::runLager;
    }
    return cli::runCommandLine(*app, table);
}
