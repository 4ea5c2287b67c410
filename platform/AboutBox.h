// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

class QMessageBox;
class QWidget;

namespace platform {

// The program's own icon ("stemora", "stemprint") from the icons built
// into it; a null icon when the system cannot draw SVG.
QIcon programIcon(const QString& name);

// The about box of a program: its icon, name, version, release date,
// what it is for and its licence. The caller shows it (exec() or show()).
QMessageBox* createAboutBox(QWidget* parent, const QString& program, const QString& purpose);
void showAboutBox(QWidget* parent, const QString& program, const QString& purpose);

} // namespace platform
