// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Options.h"
#include "app/ServerSetting.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {

// The options window over the program-wide Options. Closing it or
// "Zurück" stores every option and hides it; the model stays.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `server`: the section for the shared server database; none without it.
    explicit OptionsDialog(Options& model, QWidget* parent = nullptr, ServerSetting* server = nullptr);

    // Shows the window with the stored record order selected again.
    void open();
    // After a master-data import: the regions read again and their list
    // dropped down, so that the user picks the region just loaded.
    void openRegionChoice();

    QComboBox* sortCombo() const { return m_cmbSorte; }
    QComboBox* regionCombo() const { return m_cmbRegion; }
    QRadioButton* formatButton(int number) const { return m_formats[size_t(number - 1)]; }
    QCheckBox* checkBox(Options::Check check) const { return m_checks[check]; }
    QLineEdit* losEdit() const { return m_txtLos; }
    QLineEdit* serverEdit() const { return m_txtServer; }
    QLabel* serverStatus() const { return m_lblServer; }

    // Escape: leaves the window as closing it does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void render();
    void renderServer();

    Options& m_model;
    QComboBox* m_cmbSorte;
    QComboBox* m_cmbRegion;
    QButtonGroup* m_formatGroup;
    std::array<QRadioButton*, 8> m_formats{};
    std::array<QCheckBox*, Options::CheckCount> m_checks{};
    QLineEdit* m_txtLos;
    ServerSetting* m_server;
    QLineEdit* m_txtServer = nullptr;
    QLabel* m_lblServer = nullptr;
    bool m_closing = false;
};

} // namespace app
