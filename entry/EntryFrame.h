// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/FrmHolz.h"

#include <QGroupBox>
#include <functional>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace header {
class ControlBinder;
}

namespace entry {


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
    // The rows of the frame: the record's fields with their buttons; the
    // quick buttons; the record kind and follow-on and bracket toggles; the
    // fields typed on the keyboard (remark, compartment) with felling and use
    // type and the price.
    void addRecordFields(QGridLayout* grid);
    QHBoxLayout* quickButtons();
    QHBoxLayout* kindToggles();
    void addTypedFields(QGridLayout* grid, QHBoxLayout* kind);

    QComboBox* dropDown(ControlId id, FrmHolz::Combo combo);
    QPushButton* fieldButton(ControlId id, void (FrmHolz::*click)());
    QLineEdit* recordField(ControlId id, int minimumWidth);
    QPushButton* toggle(ControlId id);
    QPushButton* captionButton(const QString& name, const QString& text, void (FrmHolz::*click)());

    FrmHolz& m_model;
    header::ControlBinder& m_binder;
    QPushButton* m_cmdAbzRinde = nullptr;
};

} // namespace entry
