// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlBinder.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace header {
namespace {

void showAndEnable(const Control& c, QWidget* w)
{
    if (w->isHidden() == c.visible)
        w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled)
        w->setEnabled(c.enabled);
}

void setToolTip(const Control& c, QWidget* w)
{
    if (w->toolTip() != c.toolTip)
        w->setToolTip(c.toolTip);
}

void renderButton(const Control& c, QAbstractButton* w, bool caption)
{
    if (caption && w->text() != c.caption)
        w->setText(c.caption);
    setToolTip(c, w);
    showAndEnable(c, w);
}

void renderField(const Control& c, QLineEdit* w)
{
    if (w->text() != c.text) {
        const QSignalBlocker block(w);
        w->setText(c.text);
    }
    const QColor wanted = c.highlighted ? ControlBinder::highlightColour() : QColor(Qt::white);
    if (w->palette().color(QPalette::Base) != wanted) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Base, wanted);
        w->setPalette(palette);
    }
    setToolTip(c, w);
    showAndEnable(c, w);
}

QStringList itemsOf(const QComboBox* w)
{
    QStringList items;
    items.reserve(w->count());
    for (int i = 0; i < w->count(); ++i)
        items << w->itemText(i);
    return items;
}

QStringList itemsOf(const QListWidget* w)
{
    QStringList items;
    items.reserve(w->count());
    for (int i = 0; i < w->count(); ++i)
        items << w->item(i)->text();
    return items;
}

void renderCombo(const Control& c, QComboBox* w)
{
    const QSignalBlocker block(w);
    if (w->count() != c.items.size() || itemsOf(w) != c.items) {
        w->clear();
        w->addItems(c.items);
    }
    if (w->currentIndex() != c.selected)
        w->setCurrentIndex(c.selected);
    showAndEnable(c, w);
}

void renderList(const Control& c, QListWidget* w)
{
    const QSignalBlocker block(w);
    if (w->count() != c.items.size() || itemsOf(w) != c.items) {
        w->clear();
        w->addItems(c.items);
    }
    if (w->currentRow() != c.selected) {
        w->setCurrentRow(c.selected);
        if (QListWidgetItem* item = w->item(c.selected))
            w->scrollToItem(item);
    }
    showAndEnable(c, w);
}

void renderAction(const Control& c, QAction* a)
{
    if (a->text() != c.caption)
        a->setText(c.caption);
    if (a->isEnabled() != c.enabled)
        a->setEnabled(c.enabled);
    if (a->isVisible() != c.visible)
        a->setVisible(c.visible);
    if (a->isCheckable() && a->isChecked() != c.checked) {
        const QSignalBlocker block(a);
        a->setChecked(c.checked);
    }
}

} // namespace

void ControlBinder::button(const Control& control, QAbstractButton* widget, bool caption)
{
    m_bindings.push_back({&control, caption ? Kind::Button : Kind::ButtonKeepText, widget});
}

void ControlBinder::check(const Control& control, QAbstractButton* widget)
{
    m_bindings.push_back({&control, Kind::Check, widget});
}

void ControlBinder::field(const Control& control, QLineEdit* widget)
{
    m_bindings.push_back({&control, Kind::Field, widget});
}

void ControlBinder::label(const Control& control, QLabel* widget)
{
    m_bindings.push_back({&control, Kind::Label, widget});
}

void ControlBinder::combo(const Control& control, QComboBox* widget)
{
    m_bindings.push_back({&control, Kind::Combo, widget});
}

void ControlBinder::list(const Control& control, QListWidget* widget)
{
    m_bindings.push_back({&control, Kind::List, widget});
}

void ControlBinder::action(const Control& control, QAction* action)
{
    m_bindings.push_back({&control, Kind::Action, action});
}

void ControlBinder::widget(const Control& control, QWidget* widget)
{
    m_bindings.push_back({&control, Kind::Widget, widget});
}

void ControlBinder::render() const
{
    for (const Binding& b : m_bindings)
        render(b);
}

void ControlBinder::render(const std::function<bool(const Control&)>& changed) const
{
    for (const Binding& b : m_bindings) {
        if (changed(*b.control))
            render(b);
    }
}

void ControlBinder::render(const Binding& b)
{
    const Control& c = *b.control;
    switch (b.kind) {
    case Kind::Button:
    case Kind::ButtonKeepText:
        renderButton(c, static_cast<QAbstractButton*>(b.target), b.kind == Kind::Button);
        break;
    case Kind::Check: {
        auto* w = static_cast<QAbstractButton*>(b.target);
        renderButton(c, w, true);
        if (w->isChecked() != c.checked) {
            const QSignalBlocker block(w);
            // An exclusive option button cannot be unchecked by itself.
            const bool exclusive = w->autoExclusive();
            w->setAutoExclusive(false);
            w->setChecked(c.checked);
            w->setAutoExclusive(exclusive);
        }
        break;
    }
    case Kind::Field:
        renderField(c, static_cast<QLineEdit*>(b.target));
        break;
    case Kind::Label: {
        auto* w = static_cast<QLabel*>(b.target);
        const QString& text = c.text.isEmpty() ? c.caption : c.text;
        if (w->text() != text)
            w->setText(text);
        setToolTip(c, w);
        showAndEnable(c, w);
        break;
    }
    case Kind::Combo:
        renderCombo(c, static_cast<QComboBox*>(b.target));
        break;
    case Kind::List:
        renderList(c, static_cast<QListWidget*>(b.target));
        break;
    case Kind::Action:
        renderAction(c, static_cast<QAction*>(b.target));
        break;
    case Kind::Widget:
        showAndEnable(c, static_cast<QWidget*>(b.target));
        break;
    }
}

} // namespace header
