// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QMenuBar;
class QWidget;

namespace header {
class ControlBinder;
}

namespace entry {

class FrmHolz;

// The menu bar of the entry screen: every entry bound to its control of
// the model (caption, enabled, checked) and to its event handler.
class EntryMenus {
public:
    // `beenden` runs for "Programm → Beenden": the window asks the model
    // and closes itself.
    static QMenuBar* build(FrmHolz& model, header::ControlBinder& binder, QWidget* parent,
                           std::function<void()> beenden);
};

} // namespace entry
