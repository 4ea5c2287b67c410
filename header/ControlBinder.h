// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "header/Control.h"

#include <QColor>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QWidget;

namespace header {

// Copies the controls of a window model into real widgets. A window binds
// each widget once to the model's Control (which lives as long as the
// model) and calls render() after every changed(): only values that differ
// are written, under a signal blocker, so a render is cheap and never feeds
// back into the model.
class ControlBinder {
public:
    // The background of the active input field.
    static QColor highlightColour() { return QColor(0xff, 0xe8, 0x8a); }

    // Caption, tool tip, enabled, visible; `caption` false keeps the button's own text.
    void button(const Control& control, QAbstractButton* widget, bool caption = true);
    // Check box or option button: caption and checked as well.
    void check(const Control& control, QAbstractButton* widget);
    // Text, tool tip, enabled, visible and the highlight colour.
    void field(const Control& control, QLineEdit* widget);
    // The control's text (or its caption when it has no text).
    void label(const Control& control, QLabel* widget);
    // Items and the selected entry.
    void combo(const Control& control, QComboBox* widget);
    void list(const Control& control, QListWidget* widget);
    // Menu entry: caption, enabled, visible, checked.
    void action(const Control& control, QAction* action);
    // Only visible and enabled (a group of widgets, a frame).
    void widget(const Control& control, QWidget* widget);

    void render() const;
    // Only the bindings of the controls `changed` names.
    void render(const std::function<bool(const Control&)>& changed) const;

private:
    enum class Kind { Button, ButtonKeepText, Check, Field, Label, Combo, List, Action, Widget };
    struct Binding {
        const Control* control;
        Kind kind;
        QObject* target;
    };
    static void render(const Binding& binding);
    std::vector<Binding> m_bindings;
};

} // namespace header
