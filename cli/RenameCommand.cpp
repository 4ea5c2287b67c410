// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "header/FrmListendaten.h"
#include "store/TimberStore.h"

namespace cli {

int runRename(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(2, QStringLiteral("rename ALT NEU"));
    const QString oldName = args.at(0);
    store::TimberStore timber(context.holzDb(), context.settings());
    timber.Listen_Oeffnen(store::ListenOrder::ListeDesc);
    if (!timber.moveToList(oldName))
        throw CommandError{QStringLiteral("Liste '%1' gibt es nicht.").arg(oldName)};

    header::FrmListendaten dialog(timber, context.ui());
    QString renamed;
    QObject::connect(&dialog, &header::FrmListendaten::listRenamed,
                     [&renamed](const QString&, const QString& newName) { renamed = newName; });
    dialog.Form_Activate(true, oldName);
    context.ui().setInputAnswer(args.at(1));
    dialog.Liste_Umbenennen();
    if (renamed.isEmpty())
        throw CommandError{QStringLiteral("Liste '%1' wurde nicht umbenannt.").arg(oldName)};
    context.out() << "Liste '" << oldName << "' heißt jetzt '" << renamed << "'." << Qt::endl;
    return 0;
}

} // namespace cli
