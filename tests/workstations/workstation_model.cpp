// SPDX-License-Identifier: GPL-3.0-or-later
// One recording workstation without a window: the entry screen's model on
// the data folder (and the server database STEMMO_DATABASE names), typing
// and saving logs into one list until the time is up, as a forester at the
// keypad would.
//
//   workstation_model DATA SETTINGS LIST SECONDS
//
// Prints the number of logs it saved on stdout. Every message the screen
// would have shown the user goes to stderr, and makes the exit code 1.
#include "entry/FrmHolz.h"
#include "entry/ListListenModel.h"
#include "import/DataFolderSetup.h"
#include "lots/AutoLosHook.h"
#include "lots/LotRules.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/Settings.h"
#include "tests/support/ScriptedUserInterface.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTextStream>

#include <exception>

namespace {

int run(const QStringList& args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 5) {
        err << "Aufruf: workstation_model DATEN EINSTELLUNGEN LISTE SEKUNDEN\n";
        return 2;
    }
    const store::DataFolder data(args.at(1));
    const QString list = args.at(3);
    const QDeadlineTimer deadline(args.at(4).toLongLong() * 1000);

    importer::DataFolderSetup::ensure(data);
    auto holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz, store::OpenMode::ReadWriteExisting);
    auto master =
        store::Database::open(data.masterDb(), store::DatabaseKind::MasterData, store::OpenMode::ReadWriteExisting);
    store::Settings settings(args.at(2));
    testing::ScriptedUserInterface ui;
    // Nothing is expected: any message is written out below instead of failing a test case.
    ui.tolerateMessages(platform::Answer::Ok);
    entry::FrmHolz form(*holz, *master, settings, ui);
    const lots::LotRules lotRules(settings);
    lots::installAutoLos(form, lotRules);
    form.setDezimalpunkt(false);
    form.Form_Load();
    if (!form.selectList(list)) {
        err << "Liste " << list << " fehlt\n";
        return 1;
    }
    form.ListListen_Click(form.listListen().selectedRow());
    if (!form.listOpen()) {
        err << "Liste " << list << " ließ sich nicht öffnen: " << ui.messageTexts().join(QStringLiteral(" | "))
            << '\n';
        return 1;
    }

    int saved = 0;
    int failures = 0;
    const int species = form.controls().lstHolzart.items.indexOf(QStringLiteral("Fichte"));
    while (!deadline.hasExpired()) {
        form.cmdHolzart_Click();
        form.listChoose(entry::ControlId::lstHolzart, species);
        form.chooseGrade(QStringLiteral("B "));
        form.chooseSorte(QStringLiteral("L "));
        form.cmdLaenge_Click();
        form.keypad(QStringLiteral("4"));
        form.cmdDurchm_Click();
        // Diameters from 20 to 49 cm, so the volumes differ and a wrong sum shows.
        for (const QChar digit : QString::number(20 + saved % 30))
            form.keypad(QString(digit));
        const bool stored = form.cmdSpeichern_Click();
        if (!ui.shown().isEmpty()) {
            for (const QString& text : ui.messageTexts())
                err << "Meldung nach Datensatz " << saved + 1 << ": " << text << '\n';
            ui.clear();
            ++failures;
        }
        if (stored)
            ++saved;
        else
            ++failures;
    }
    out << saved << '\n';
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const store::DbError& error) {
        QTextStream(stderr) << error.userText() << '\n';
    } catch (const std::exception& error) {
        QTextStream(stderr) << "Fehler: " << error.what() << '\n';
    }
    return 1;
}
