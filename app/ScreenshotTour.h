#pragma once

#include <QString>

class QWidget;

namespace app {

class StemoraProgram;

// Walks through the program's main windows on the data folder it was
// started on and saves a picture of each into a folder, then ends: the
// pictures of the documentation come from the real program
// (scripts/screenshots.sh runs it under a virtual display).
class ScreenshotTour {
public:
    // $STEMMO_SCREENSHOTS; empty when the program runs normally.
    static QString folderFromEnvironment();

    ScreenshotTour(StemoraProgram& program, QString folder);
    // 0 when every picture was saved.
    int run();

private:
    bool save(QWidget& widget, const QString& name);

    StemoraProgram& m_program;
    QString m_folder;
};

} // namespace app
