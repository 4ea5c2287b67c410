// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace platform {

// The programs speak German only: Qt's own standard texts (dialog buttons,
// file dialogs, context menus of text boxes) are switched to German too,
// from the translations the system ships with Qt. Returns false when they
// are not installed; the programs then still run, with Qt's English texts.
bool installGermanTranslations(QCoreApplication& application);

} // namespace platform
