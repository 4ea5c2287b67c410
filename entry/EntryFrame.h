// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace header {
class ControlBinder;
}

namespace entry {

class FrmHolz;

// The frame "Holzeingabemaske": every field of the record with its button
// beside it, the quick buttons for grade and assortment, the record kind,
// follow-on and bracket logs, felling and use type, remark, compartment
// and price. Tapping a field acts as its button does.
class EntryFrame : public QGroupBox {
    Q_OBJECT
public:
    EntryFrame(FrmHolz& model, header::ControlBinder& binder, QWidget* parent = nullptr);

    // What the bound controls do not say by themselves.
    void render();

    // Calls `onClick` when the widget is tapped or clicked.
    static void onClick(QWidget* widget, std::function<void()> onClick);

private:
    QPushButton* fieldButton(const QString& name, void (FrmHolz::*click)());
    QLineEdit* recordField(const QString& name, int minimumWidth);
    QPushButton* toggle(const QString& name);
    QPushButton* captionButton(const QString& name, const QString& text, void (FrmHolz::*click)());

    FrmHolz& m_model;
    QPushButton* m_cmdAbzRinde = nullptr;
};

} // namespace entry
