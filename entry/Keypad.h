// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace header {
class ControlBinder;
}

namespace entry {

class FrmHolz;

// The right-hand side of the entry screen: the record's position and the
// saved mark, the input buffer, the numeric keypad with Speichern and Esc,
// and the record navigation. The buttons never take the focus, so a tap
// leaves it where the screen put it (the buffer or the field being typed).
class Keypad : public QWidget {
    Q_OBJECT
public:
    Keypad(FrmHolz& model, header::ControlBinder& binder, QWidget* parent = nullptr);

    QPushButton* digit(int digit) const { return m_digits[digit]; }
    QLineEdit* buffer() const { return m_txtEingabe; }
    // The decimal key shows the separator it types.
    void setDezimalpunkt(bool dezimalpunkt);

private:
    QPushButton* key(const QString& name, const QString& text, int pointSize);

    FrmHolz& m_model;
    QPushButton* m_digits[10] = {};
    QPushButton* m_cmdKomma = nullptr;
    QLineEdit* m_txtEingabe = nullptr;
};

} // namespace entry
