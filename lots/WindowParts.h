// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QLabel;
class QMenuBar;
class QWidget;

// Pieces the small windows of the recording program share (the lot rules
// and the options window).
namespace lots {

// A caption that acts when clicked (opens its list, empties its box, counts
// up), drawn as a link so that it looks clickable.
QLabel* captionLink(const QString& text, QWidget* parent, std::function<void()> onClick);

// The menu of a window that returns to the entry screen: "Programm" with
// "Zurück" (mnuZurueck), and "Hilfe" (mnuHilfe).
QMenuBar* backAndHelpMenu(QWidget* parent, std::function<void()> back, std::function<void()> help);

} // namespace lots
