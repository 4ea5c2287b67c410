// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

namespace testing {

// Plays the user in front of real modal dialogs: every dialog that opens is
// handed to the next scripted step, which reads and closes it. A dialog with
// no step left is rejected and counted, so a test never hangs in a dialog
// nobody answers.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(QWidget& dialog)>;

    ModalAnswerer();

    void then(Step step) { m_steps.push_back(std::move(step)); }
    // A message box: "title: text" is recorded and `button` pressed.
    void press(QMessageBox::StandardButton button);
    // A file dialog: the path is typed and the dialog accepted; an empty
    // path cancels it.
    void chooseFile(const QString& path);

    // Message boxes beyond the script are answered with `button`, questions
    // with Yes, and recorded instead of being counted as unexpected.
    void answerOtherMessages(QMessageBox::StandardButton button) { m_rest = button; }

    bool done() const { return m_steps.empty(); }
    int unexpected() const { return m_unexpected; }
    const QStringList& seen() const { return m_seen; }

private:
    void poll();

    QTimer m_timer;
    std::deque<Step> m_steps;
    QPointer<QWidget> m_answered;
    QStringList m_seen;
    int m_unexpected = 0;
    QMessageBox::StandardButton m_rest = QMessageBox::NoButton;
};

} // namespace testing
