// SPDX-License-Identifier: GPL-3.0-or-later
// Stemprint: prints timber lists, writes them as documents and PDF.
#include "report/DocumentFiles.h"
#include "report/Form1.h"
#include "report/Form1Window.h"

#include "platform/AboutBox.h"
#include "platform/InstallLayout.h"
#include "platform/QtUserInterface.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationRequest.h"
#include "platform/Translations.h"
#include "platform/WindowPlacement.h"
#include "store/DataFolder.h"
#include "store/DatabaseChoice.h"
#include "store/Settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stemprint"));
    QApplication::setOrganizationName(QStringLiteral("Stemmo"));
    QApplication::setDesktopFileName(QStringLiteral("org.stemmo.Stemprint"));
    platform::installGermanTranslations(app);
    QApplication::setWindowIcon(platform::programIcon(QStringLiteral("stemprint")));

    // From here on a request to end waits for the event loop (connected below).
    platform::TerminationRequest termination;

    // A second start brings the running copy to the front instead of
    // opening the same working copy twice.
    platform::SingleInstance instance;
    const QString channel =
        platform::SingleInstance::channelName(QString::fromLatin1(platform::ReportProgramName));
    // "Stemprint DATEI" (the desktop's "Öffnen mit"): show that list database.
    QStringList arguments = app.arguments().mid(1);
    const QString database = store::DatabaseChoice::takeOption(arguments);
    const QString file = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).absoluteFilePath();
    if (!instance.tryBecomePrimary(channel)) {
        platform::SingleInstance::activateRunning(channel, 2000, file);
        return 0;
    }

    store::Settings settings(store::Settings::defaultPath());
    // The lists on a server database when this workstation names one
    // (--database, $STEMMO_DATABASE or the options); the working copy and
    // the photos stay in the data folder either way.
    const store::DatabaseChoice choice(database, settings);
    if (!choice.problem().isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Stemprint"), choice.problem());
        return 1;
    }
    const store::DataFolder folder = choice.folder();
    // The recording program puts the help page and the sound into the data
    // folder; until it has run once, the installed ones serve.
    const auto shippedFile = [&folder](const QString& name) {
        const QString copy = folder.file(name);
        const QString installed = platform::InstallLayout::installedFile(name);
        return QFileInfo::exists(copy) || installed.isEmpty() ? copy : installed;
    };
    platform::QtUserInterface ui(shippedFile(QStringLiteral("voicbeep.wav")),
                                 shippedFile(QStringLiteral("startmo.htm")));
    report::Form1 model(settings, ui, folder, report::DocumentFiles::folder(),
                        [&ui](const QString& path) { ui.openFile(path); });
    report::Form1Window window(model);
    ui.setParentWidget(&window);
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, &window,
                     &report::Form1Window::bringToFront);
    QObject::connect(&instance, &platform::SingleInstance::openRequested, &model, [&model](const QString& path) {
        if (model.useDatabaseFile(path))
            model.mnuDateioeffnen_Click();
    });

    // Logout or shutdown closes the window as the user would.
    QObject::connect(&termination, &platform::TerminationRequest::requested, &window, &QWidget::close);

    model.Form_Load();
    if (!file.isEmpty())
        model.useDatabaseFile(file);
    platform::fitToScreen(window, QSize(1180, 760));
    window.show();
    model.Form_Activate();
    return app.exec();
}
