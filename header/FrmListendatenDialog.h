// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "header/ControlBinder.h"
#include "header/FrmListendaten.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace header {

// The list header window over an FrmListendaten model. It shows itself
// while the model is visible and hides when the model has saved or was
// dismissed; Esc and closing the window act as "Abbrechen".
class FrmListendatenDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrmListendatenDialog(FrmListendaten& model, QWidget* parent = nullptr);

    QLineEdit* edit(HeaderField field) const { return m_edits[size_t(field)]; }
    QPushButton* saveButton() const { return m_cmdOK; }
    QPushButton* cancelButton() const { return m_cmdAbbrechen; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void render();
    void focusControl(const QString& controlName);
    void applyPendingFocus();

    FrmListendaten& m_model;
    ControlBinder m_binder;
    std::array<QLineEdit*, 12> m_edits{};
    QPushButton* m_cmdOK;
    QPushButton* m_cmdAbbrechen;
    QString m_pendingFocus;
};

} // namespace header
