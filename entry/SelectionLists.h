// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlId.h"

#include <QObject>
#include <vector>

class QLineEdit;
class QListWidget;
class QWidget;

namespace header {
class ControlBinder;
}

namespace entry {

class FrmHolz;

// The selection lists of the entry screen (species, grade, assortment,
// class, bark mode, lots and new lot numbers): large lists that open over
// the screen next to the field they fill. Moving in a list reports the
// selection; a tap chooses, as Enter and a double click do.
class SelectionLists : public QObject {
    Q_OBJECT
public:
    // The lists are children of `overlay` and open beside the widgets of
    // `anchors` that carry their fields' names.
    SelectionLists(FrmHolz& model, header::ControlBinder& binder, QWidget* overlay, QWidget* anchors);

    QListWidget* list(const QString& name) const;
    QLineEdit* txtLosNeu() const { return m_txtLosNeu; }

    // Places the open lists beside their fields.
    void place();

private:
    struct Popup {
        QListWidget* list;
        QString anchor;   // the field the list opens below
        QString besideOf; // or: the list it opens to the right of
        int width;
    };
    QListWidget* makeList(ControlId id);

    FrmHolz& m_model;
    QWidget* m_overlay;
    QWidget* m_anchors;
    std::vector<Popup> m_popups;
    QLineEdit* m_txtLosNeu;
};

} // namespace entry
