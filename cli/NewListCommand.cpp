// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "header/FrmListendaten.h"
#include "store/TimberStore.h"

namespace cli {

int runNewList(CliContext& context, const QStringList& args)
{
    using header::HeaderField;
    const QList<QPair<const char*, HeaderField>> fields = {
        {"name", HeaderField::Name},
        {"strasse", HeaderField::Strasse},
        {"ort", HeaderField::Ort},
        {"forstamt", HeaderField::Forstamt},
        {"revier", HeaderField::Revier},
        {"abteilung", HeaderField::Abteilung},
        {"uabt", HeaderField::UAbt},
        {"bestand", HeaderField::Bestand},
        {"lagerplatz", HeaderField::Lagerplatz},
        {"datum", HeaderField::Datum},
        {"bemerkung", HeaderField::Bemerkung},
    };
    QStringList names;
    for (const auto& field : fields)
        names << QString::fromLatin1(field.first);
    const Options options(args, names);
    options.expectPositional(1, QStringLiteral("new-list LISTE [--name T] [--forstamt T] [--revier T] ..."));

    store::TimberStore timber(context.holzDb(), context.settings());
    timber.Listen_Oeffnen(store::ListenOrder::ListeDesc);
    header::FrmListendaten dialog(timber, context.ui());
    QString saved;
    QObject::connect(&dialog, &header::FrmListendaten::listSaved,
                     [&saved](const QString& name) { saved = name; });
    dialog.Form_Activate(false, QString());
    dialog.setText(HeaderField::Listenname, options.positional().first());
    for (const auto& field : fields) {
        const QString option = QString::fromLatin1(field.first);
        if (options.has(option))
            dialog.setText(field.second, options.value(option));
    }
    if (!dialog.Kopfdaten_Speichern() || saved.isEmpty())
        return 1;
    context.out() << "Liste '" << saved << "' angelegt." << Qt::endl;
    return 0;
}

} // namespace cli
