// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void fitToScreen(QWidget& window, QSize wanted)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // The frame is known once the window manager has framed the window;
    // before that, room for a usual title bar and border is kept.
    QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (!window.isVisible() || frame.isEmpty())
        frame = frame.expandedTo(QSize(8, 40));
    const QSize room = available.size() - frame;
    if (room.width() < wanted.width() || room.height() < wanted.height()) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        window.resize(room.expandedTo(window.minimumSizeHint()).boundedTo(room));
        window.move(available.topLeft());
        return;
    }
    window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
    window.resize(wanted);
    const QSize outer = wanted + frame;
    window.move(available.left() + (available.width() - outer.width()) / 2,
                available.top() + (available.height() - outer.height()) / 2);
}

} // namespace platform
