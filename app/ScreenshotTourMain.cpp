// SPDX-License-Identifier: GPL-3.0-or-later
// StemoraTour: the recording program and the report program started on a
// data folder, every window photographed, then ended. Not shipped.
#include "app/ScreenshotTour.h"
#include "app/ShippedFiles.h"
#include "app/StemoraProgram.h"
#include "entry/FrmHolzWindow.h"
#include "import/DataFolderSetup.h"
#include "platform/AboutBox.h"
#include "platform/QtUserInterface.h"
#include "platform/Translations.h"
#include "store/DataFolder.h"
#include "store/Settings.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stemora"));
    QApplication::setOrganizationName(QStringLiteral("Stemmo"));
    platform::installGermanTranslations(application);
    QApplication::setWindowIcon(platform::programIcon(QStringLiteral("stemora")));
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Aufruf: StemoraTour BILDORDNER BILDSCHIRMNAME\n");
        return 2;
    }

    const store::DataFolder folder(store::DataFolder::defaultPath());
    importer::DataFolderSetup::ensure(folder);
    const app::ShippedFiles::Result shipped = app::ShippedFiles::ensure(folder);
    platform::QtUserInterface ui(shipped.soundFile, shipped.helpFile);
    store::Settings settings(store::Settings::defaultPath());
    app::StemoraProgram program(folder, settings, ui);
    ui.setParentWidget(&program.window());
    app::ScreenshotTour tour(program, settings, ui, args.at(1), args.at(2));
    return tour.run();
}
