// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <memory>

namespace cli {

// The application object for a run of the tool. Commands that paint pages
// (fonts, PDF) get a GUI application on the offscreen platform, so they
// need no display; all others a plain core application.
std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv);

} // namespace cli
