// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace platform {

// Gives a top-level window the size it was laid out for, centred on its
// screen, where the screen's available area holds it with its frame; on a
// smaller screen the window takes the whole available area (maximised).
void fitToScreen(QWidget& window, QSize wanted);

} // namespace platform
