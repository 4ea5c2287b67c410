// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace header {

// One control of a window as its presentation model holds it: the view
// copies these values into real widgets and never keeps state of its own.
// Which members matter depends on the kind of control: text boxes use
// `text`, buttons and menu entries `caption`, lists `items` and `selected`,
// check boxes, option buttons and menu entries `checked`.
struct Control {
    QString text;
    QString caption;
    QString toolTip;
    QStringList items;
    int selected = -1; // 0-based index into items; -1 when nothing is chosen
    bool visible = true;
    bool enabled = true;
    bool highlighted = false; // the selection colour of the active input field
    bool checked = false;
};

} // namespace header
