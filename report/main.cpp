// Stemprint: prints timber lists, writes them as documents and PDF.
#include "report/DocumentFiles.h"
#include "report/Form1.h"
#include "report/Form1Window.h"

#include "platform/AboutBox.h"
#include "platform/QtUserInterface.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "platform/WindowPlacement.h"
#include "store/DataFolder.h"
#include "store/Settings.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stemprint"));
    QApplication::setOrganizationName(QStringLiteral("Stemmo"));
    platform::installGermanTranslations(app);
    QApplication::setWindowIcon(platform::programIcon(QStringLiteral("stemprint")));

    // A second start brings the running copy to the front instead of
    // opening the same working copy twice.
    platform::SingleInstance instance;
    const QString channel =
        platform::SingleInstance::channelName(QString::fromLatin1(platform::ReportProgramName));
    if (!instance.tryBecomePrimary(channel)) {
        platform::SingleInstance::activateRunning(channel);
        return 0;
    }

    store::Settings settings(store::Settings::defaultPath());
    const store::DataFolder folder;
    platform::QtUserInterface ui(folder.file(QStringLiteral("voicbeep.wav")),
                                 folder.file(QStringLiteral("startmo.htm")));
    report::Form1 model(settings, ui, folder, report::DocumentFiles::folder(),
                        [&ui](const QString& path) { ui.openFile(path); });
    report::Form1Window window(model);
    ui.setParentWidget(&window);
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, &window,
                     &report::Form1Window::bringToFront);

    model.Form_Load();
    platform::fitToScreen(window, QSize(1180, 760));
    window.show();
    model.Form_Activate();
    return app.exec();
}
