// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowParts.h"

#include <QLabel>
#include <QMenuBar>

namespace lots {

QLabel* captionLink(const QString& text, QWidget* parent, std::function<void()> onClick)
{
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, parent, [onClick = std::move(onClick)] { onClick(); });
    return label;
}

QMenuBar* backAndHelpMenu(QWidget* parent, std::function<void()> back, std::function<void()> help)
{
    auto* menuBar = new QMenuBar(parent);
    QMenu* program = menuBar->addMenu(QStringLiteral("&Programm"));
    program->setObjectName(QStringLiteral("mnuProgram"));
    QAction* zurueck = program->addAction(QStringLiteral("&Zurück"));
    zurueck->setObjectName(QStringLiteral("mnuZurueck"));
    QObject::connect(zurueck, &QAction::triggered, parent, [back = std::move(back)] { back(); });
    QAction* hilfe = menuBar->addAction(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("mnuHilfe"));
    QObject::connect(hilfe, &QAction::triggered, parent, [help = std::move(help)] { help(); });
    return menuBar;
}

} // namespace lots
