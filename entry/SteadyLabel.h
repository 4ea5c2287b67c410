// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace entry {

// A label that never asks for less width than its widest text so far. The
// record position alternates between "NEU" while typing and "Nr. 100000 von
// 100000" after a save; were the label to shrink back each time, the keypad
// beside it would change width and the whole entry screen be laid out and
// painted again twice per save.
class SteadyLabel : public QLabel {
    Q_OBJECT
public:
    explicit SteadyLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    mutable int m_widestHint = 0;
    mutable int m_widestMinimum = 0;
};

} // namespace entry
