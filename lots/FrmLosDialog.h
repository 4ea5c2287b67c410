// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lots/FrmLos.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lots {

// The lot rule editor's window over an FrmLos model. "Zurück" and closing
// the window hide it; the model stays.
class FrmLosDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrmLosDialog(FrmLos& model, QWidget* parent = nullptr);

    // Shows the window on the rule that AutoLosMax ends with.
    void open(const QString& autoLosMax);

    QComboBox* comboAuto() const { return m_cmbAuto; }
    QComboBox* comboLos() const { return m_cmbLos; }
    QComboBox* comboHolzart() const { return m_cmbHolzart; }
    QComboBox* comboGuete() const { return m_cmbGuete; }
    QComboBox* comboSorte() const { return m_cmbSorte; }
    QComboBox* comboStaerke() const { return m_cmbStaerke; }
    QLineEdit* boxEdit(FrmLos::Box box) const { return m_boxes[box]; }
    QLabel* labelLos() const { return m_lblLos; }
    QPushButton* saveButton() const { return m_command1; }
    QPushButton* deleteButton() const { return m_command2; }

    // Escape: leaves the window as closing it does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void render();
    QComboBox* pickList(const QString& name, void (FrmLos::*click)(int));

    FrmLos& m_model;
    QComboBox* m_cmbAuto;
    QComboBox* m_cmbLos;
    QComboBox* m_cmbHolzart;
    QComboBox* m_cmbGuete;
    QComboBox* m_cmbSorte;
    QComboBox* m_cmbStaerke;
    QLabel* m_lblLos;
    std::array<QLineEdit*, FrmLos::BoxCount> m_boxes{};
    QPushButton* m_command1;
    QPushButton* m_command2;
};

} // namespace lots
