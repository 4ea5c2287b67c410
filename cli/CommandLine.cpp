// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "cli/Manual.h"

#include "platform/Translations.h"
#include "store/DatabaseChoice.h"
#include "store/DbError.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <exception>

namespace cli {

int runCommandLine(QCoreApplication& app, const QList<Command>& table)
{
    QCoreApplication::setApplicationName(QStringLiteral("stemmo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Stemmo"));
    platform::installGermanTranslations(app);

    QStringList args = app.arguments().mid(1);
    QString dataFolder;
    QString database;
    bool json = false;
    QTextStream err(stderr);
    QTextStream out(stdout);
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--json")) {
            json = true;
        } else if (option == QLatin1String("--data") && !args.isEmpty()) {
            dataFolder = args.takeFirst();
        } else if (option.startsWith(QLatin1String("--data="))) {
            dataFolder = option.mid(7);
        } else if (option == QLatin1String("--database") && !args.isEmpty()) {
            database = args.takeFirst();
        } else if (option.startsWith(QLatin1String("--database="))) {
            database = option.mid(11);
        } else if (option == QLatin1String("--help")) {
            writeHelp(out);
            return 0;
        } else {
            err << "Unbekannte Option " << option << Qt::endl;
            writeHelp(err);
            return 2;
        }
    }
    if (args.isEmpty() || args.first() == QLatin1String("help")) {
        writeHelp(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const auto& command : table) {
        if (name != QLatin1String(command.name))
            continue;
        // --database, else $STEMMO_DATABASE, else the user's setting, else
        // the data folder's files.
        const store::DatabaseChoice choice(database, store::Settings(store::Settings::defaultPath()));
        if (!choice.problem().isEmpty()) {
            err << choice.problem() << Qt::endl;
            return 2;
        }
        CliContext context{choice.folder(dataFolder), json};
        try {
            return command.run(context, args);
        } catch (const CommandError& error) {
            context.err() << error.message << Qt::endl;
            return error.exitCode;
        } catch (const store::DbError& error) {
            // The description names the cause in German; the engine's own
            // English text ("disk I/O error") tells a user nothing more.
            context.err() << error.description() << Qt::endl;
            return 1;
        } catch (const std::exception& error) {
            context.err() << QString::fromUtf8(error.what()) << Qt::endl;
            return 1;
        }
    }
    err << "Unbekannter Befehl " << name << Qt::endl;
    writeHelp(err);
    return 2;
}

} // namespace cli
