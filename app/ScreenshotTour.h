// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace store {
class Settings;
}
namespace platform {
class UserInterface;
}

namespace app {

class StemoraProgram;

// Walks through every window of both programs on the data folder it was
// started on and saves a picture of each into a folder, then ends: the
// pictures of the documentation come from the real windows. It lives in
// its own executable (StemoraTour), never in the shipped programs;
// scripts/screenshots.sh runs it under a virtual display of each size.
class ScreenshotTour {
public:
    // `folder`: where the pictures go; `size`: the screen's name in the
    // file names ("1280x800").
    ScreenshotTour(StemoraProgram& program, store::Settings& settings, platform::UserInterface& ui,
                   QString folder, QString size);
    // 0 when every picture was saved.
    int run();

private:
    bool save(QWidget& widget, const QString& name);
    bool saveScreen(const QString& name);
    QString fileName(const QString& name) const;
    bool reportProgram();

    StemoraProgram& m_program;
    store::Settings& m_settings;
    platform::UserInterface& m_ui;
    QString m_folder;
    QString m_size;
};

} // namespace app
