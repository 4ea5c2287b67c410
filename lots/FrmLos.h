// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lots/LotRules.h"

#include <QObject>
#include <QStringList>
#include <array>

namespace platform {
class UserInterface;
}

namespace lots {

// The lot rule editor: choose a rule by rule set and lot, fill its ten
// boxes by typing or from pick lists, store or delete it.
//
// The view shows the lists and boxes as they stand here and forwards every
// click; it re-renders on changed(). A drop-down list selection is an index
// into its items, -1 for none.
class FrmLos : public QObject {
    Q_OBJECT
public:
    // The ten boxes, in the order of the rule's values.
    enum Box {
        txtHolzarten,
        txtGueten,
        txtSorten,
        txtStaerken,
        txtLvon,
        txtLbis,
        txtDvon,
        txtDbis,
        txtKvon,
        txtKbis,
        BoxCount
    };

    FrmLos(store::Settings& settings, platform::UserInterface& ui, QObject* parent = nullptr);

    // The species of the current region, as the entry screen lists them.
    void setSpecies(const QStringList& names);

    // Pick-list items and selections.
    const QStringList& cmbAuto() const { return m_auto; }
    const QStringList& cmbLos() const { return m_los; }
    const QStringList& cmbHolzart() const { return m_species; }
    const QStringList& cmbGuete() const { return m_grades; }
    const QStringList& cmbSorte() const { return m_sorts; }
    const QStringList& cmbStaerke() const { return m_classes; }
    int autoIndex() const { return m_autoIndex; }
    int losIndex() const { return m_losIndex; }

    const QString& lblLos() const { return m_lblLos; }
    const QString& box(Box box) const { return m_boxes[box]; }
    // The key of the rule chosen in cmbAuto and cmbLos.
    LotKey currentKey() const;

    // The user typed into a box.
    void setBox(Box box, const QString& text);

    // Shows the rule that AutoLosMax ends with ("112": rule set 1, lot 12),
    // when automatic assignment is on; otherwise keeps the rule shown.
    void Form_Activate(const QString& autoLosMax);
    // Choosing a rule set or a lot shows that rule; -1 chooses the first item.
    void cmbAuto_Click(int index);
    void cmbLos_Click(int index);

    // Pick lists: add the chosen code to its box unless it is already listed.
    // Choosing an assortment also offers the classes that fit it.
    void cmbHolzart_Click(int index);
    void cmbGuete_Click(int index);
    void cmbSorte_Click(int index);
    void cmbStaerke_Click(int index);
    // A click on a box's caption: empty the box and put the focus into it.
    void clearBox(Box box);

    // "Speichern": stores the ten boxes under the chosen key. Refuses range
    // values that are no numbers, with one message. True when stored.
    bool Command1_Click();
    // "Löschen": removes the chosen rule. True when removed.
    bool Command2_Click();
    void mnuZurueck_Click();
    void mnuHilfe_Click();

    // The classes offered for an assortment code ("H ", "L1", ...).
    static QStringList classesFor(const QString& sorte);
    static QString boxName(Box box);

signals:
    void changed();
    void focusRequested(FrmLos::Box box);
    // The editor is done; the entry screen comes back.
    void closeRequested();

private:
    void showRule();
    void addCode(Box box, const QString& code);
    LotRule rule() const;

    platform::UserInterface* m_ui;
    LotRules m_rules;
    QStringList m_auto;
    QStringList m_los;
    QStringList m_species;
    QStringList m_grades;
    QStringList m_sorts;
    QStringList m_classes;
    int m_autoIndex = 0;
    int m_losIndex = 0;
    QString m_lblLos;
    std::array<QString, BoxCount> m_boxes;
};

} // namespace lots
