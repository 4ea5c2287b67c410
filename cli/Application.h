// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <memory>

namespace cli {

// The application object of the page program: painting pages (fonts, PDF)
// needs a GUI application, here on the offscreen platform, so it needs no
// display.
std::unique_ptr<QCoreApplication> createPageApplication(int& argc, char** argv);

} // namespace cli
