// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/EntrySession.h"
#include "store/ListRepository.h"
#include "store/TimberStore.h"

namespace cli {

int runDeleteList(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(1, QStringLiteral("delete-list LISTE"));
    const QString list = args.first();
    EntrySession session(context);
    session.select(list);
    context.ui().setQuiet(true);
    session.form().mnuLoescheng_Click();
    context.ui().setQuiet(false);
    if (store::ListRepository(context.holzDb()).exists(list)) {
        for (const QString& message : context.ui().messages())
            context.err() << message.trimmed() << Qt::endl;
        throw CommandError{QStringLiteral("Liste '%1' wurde nicht gelöscht.").arg(list)};
    }
    context.out() << "Liste '" << list << "' mit allen Datensätzen gelöscht." << Qt::endl;
    return 0;
}

} // namespace cli
