// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Sound.h"
#include "platform/UserInterface.h"

#include <QPointer>

class QWidget;
class QDialog;
class QLabel;
class QProgressBar;

namespace platform {

// The UI port on real widgets: message boxes, input boxes, file dialogs,
// the progress window and the confirmation sound.
class QtUserInterface final : public UserInterface {
public:
    // soundFile: the confirmation wave file; helpFile: the local help page.
    QtUserInterface(QString soundFile, QString helpFile);
    ~QtUserInterface() override;

    // Dialogs are centred on this window.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer message(const Message& message) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> chooseOpenFile(const FileChoice& choice) override;
    std::optional<QString> chooseSaveFile(const FileChoice& choice) override;
    void playConfirmation() override;
    void openHelp(const QString& anchor) override;
    void setBusy(bool busy) override;
    void progressShow(const QString& action, const QString& label) override;
    void progressUpdate(const QString& label, qint64 value, qint64 maximum) override;
    void progressHide() override;

    // Opens a file or folder with the desktop's program for it. When there
    // is none (no file manager, no word processor set up) the user is told
    // where it lies.
    bool openFile(const QString& path);

private:
    QString startFolder(const QString& folder) const;

    QString m_soundFile;
    QString m_helpFile;
    QPointer<QWidget> m_parent;
    Sound m_sound;
    int m_busyDepth = 0;
    // Child of the parent window, so it stays on top of it and goes with it:
    // the window is gone before this object when the program ends, and a
    // later job builds the progress window afresh. The labels and the bar
    // are its children and live exactly as long.
    QPointer<QDialog> m_progress;
    QLabel* m_progressAction = nullptr;
    QLabel* m_progressLabel = nullptr;
    QLabel* m_progressCounter = nullptr;
    QProgressBar* m_progressBar = nullptr;
    qint64 m_lastRepaint = 0;
};

} // namespace platform
