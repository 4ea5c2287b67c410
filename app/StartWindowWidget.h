// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/StartWindow.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace app {

// The start window over a StartWindow model: the product picture, the
// version line and the start button. The button hides the window; the
// program shows the entry screen on startRequested().
class StartWindowWidget : public QWidget {
    Q_OBJECT
public:
    explicit StartWindowWidget(StartWindow& model, QWidget* parent = nullptr);

    QPushButton* startButton() const { return m_command1; }
    QLabel* versionLabel() const { return m_label1; }

private:
    StartWindow& m_model;
    QLabel* m_label1;
    QPushButton* m_command1;
};

} // namespace app
