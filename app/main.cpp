// SPDX-License-Identifier: GPL-3.0-or-later
// Stemora: recording felled round timber.
#include "app/ShippedFiles.h"
#include "app/StemoraProgram.h"
#include "entry/FrmHolzWindow.h"
#include "import/DataFolderSetup.h"
#include "platform/AboutBox.h"
#include "platform/QtUserInterface.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationRequest.h"
#include "platform/Translations.h"
#include "store/DataFolder.h"
#include "store/DatabaseCheck.h"
#include "store/DatabaseChoice.h"
#include "store/DbError.h"
#include "store/Settings.h"

#include <QApplication>
#include <QMessageBox>
#include <stdexcept>

namespace {

int refuse(const QString& text)
{
    QMessageBox::critical(nullptr, QStringLiteral("Stemora"), text);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stemora"));
    QApplication::setOrganizationName(QStringLiteral("Stemmo"));
    QApplication::setDesktopFileName(QStringLiteral("org.stemmo.Stemora"));
    platform::installGermanTranslations(application);
    QApplication::setWindowIcon(platform::programIcon(QStringLiteral("stemora")));

    // From here on a request to end waits for the event loop (connected below).
    platform::TerminationRequest termination;

    // One entry screen per user: two would each keep their own running
    // totals of the same list.
    platform::SingleInstance instance;
    const QString channel = platform::SingleInstance::channelName(QStringLiteral("Stemora"));
    if (!instance.tryBecomePrimary(channel)) {
        platform::SingleInstance::activateRunning(channel);
        return 0;
    }

    // The lists on a server database when this workstation names one
    // (--database, $STEMMO_DATABASE or the options), else in the data folder.
    store::Settings settings(store::Settings::defaultPath());
    QStringList arguments = QApplication::arguments();
    const store::DatabaseChoice choice(store::DatabaseChoice::takeOption(arguments), settings);
    if (!choice.problem().isEmpty())
        return refuse(choice.problem());
    // The report program started from here works on the same database.
    if (choice.source() == store::DatabaseChoice::Source::CommandLine)
        qputenv("STEMMO_DATABASE", choice.location().text().toUtf8());
    const store::DataFolder folder = choice.folder(store::DataFolder::defaultPath());
    QStringList setupMessages;
    try {
        // A damaged list database is reported before anything opens it for
        // writing; the program then ends and leaves it as it is.
        const store::DatabaseCheck::Result check =
            store::DatabaseCheck::run(folder.holzDb(), store::DatabaseKind::Holz);
        if (check.outcome == store::DatabaseCheck::Outcome::Damaged)
            return refuse(check.message);
        setupMessages = importer::DataFolderSetup::ensure(folder).messages;
    } catch (const store::DbError& error) {
        return refuse(error.userText());
    } catch (const std::exception& error) {
        return refuse(QString::fromUtf8(error.what()));
    }
    const app::ShippedFiles::Result shipped = app::ShippedFiles::ensure(folder);
    platform::QtUserInterface ui(shipped.soundFile, shipped.helpFile);

    std::unique_ptr<app::StemoraProgram> program;
    try {
        program = std::make_unique<app::StemoraProgram>(folder, settings, ui);
    } catch (const store::DbError& error) {
        return refuse(error.userText());
    }
    ui.setParentWidget(&program->window());
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, program.get(),
                     &app::StemoraProgram::bringToFront);
    QObject::connect(program.get(), &app::StemoraProgram::finished, &application, &QApplication::quit);
    // Logout or shutdown closes the windows as the user would: an unsaved
    // record is offered for saving, the last settings are stored.
    QObject::connect(&termination, &platform::TerminationRequest::requested, &application,
                     &QApplication::closeAllWindows);
    if (!setupMessages.isEmpty())
        ui.inform(setupMessages.join(QLatin1Char('\n')), QStringLiteral("Stemora"), platform::Icon::Warning);
    if (!shipped.errors.isEmpty())
        ui.inform(shipped.errors.join(QLatin1Char('\n')), QStringLiteral("Stemora"), platform::Icon::Warning);

    program->start();
    return application.exec();
}
