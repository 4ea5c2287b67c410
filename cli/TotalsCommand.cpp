// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/EntrySession.h"

namespace cli {

int runTotals(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(1, QStringLiteral("totals LISTE"));
    EntrySession session(context);
    session.open(args.first());
    // The totals come as the screen's message; here it is the output.
    ConsoleUserInterface& ui = context.ui();
    ui.setQuiet(true);
    const qsizetype shown = ui.messages().size();
    session.form().mnuKubatur_Click();
    ui.setQuiet(false);
    if (ui.messages().size() == shown)
        throw CommandError{QStringLiteral("Keine Summen für Liste '%1'.").arg(args.first())};
    context.out() << ui.messages().last().trimmed() << Qt::endl;
    return 0;
}

} // namespace cli
