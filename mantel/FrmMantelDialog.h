// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mantel/FrmMantel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mantel {

// The sample-diameter window over an FrmMantel model: type a diameter,
// Enter or OK stores it; "Entfernen" or the Delete key in the list removes
// the selected one. Closing hides the window; the model stays.
class FrmMantelDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrmMantelDialog(FrmMantel& model, QWidget* parent = nullptr);

    QLineEdit* eingabe() const { return m_txtEingabe; }
    QPushButton* okButton() const { return m_cmdOK; }
    QPushButton* removeButton() const { return m_cmdEntfernen; }
    QListWidget* samples() const { return m_lstMantel; }
    QLineEdit* anzahl() const { return m_txtAnzahl; }
    QLabel* kubatur() const { return m_kubatur; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();

    FrmMantel& m_model;
    QLabel* m_recordLine;
    QLineEdit* m_txtEingabe;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdEntfernen;
    QListWidget* m_lstMantel;
    QLineEdit* m_txtAnzahl;
    QLabel* m_kubatur;
};

} // namespace mantel
