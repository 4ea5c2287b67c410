// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The one door through which window models and drivers talk to the user.
// Models never show a QMessageBox or a QFileDialog themselves: the programs
// pass a Qt implementation, the tests a scripted one that records every
// message and answers from a queue, the command line a console one.
namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Warning, Critical };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

struct FileChoice {
    QString title;
    QString folder;       // start folder; may not exist
    QString proposedName; // file name proposed in the dialog
    QString filter;       // Qt filter syntax, e.g. "Holzlisten (*.tx1)"
    bool confirmOverwrite = true;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual Answer message(const Message& message) = 0;
    // Input box; nullopt when the user cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText = QString()) = 0;
    // File dialogs; nullopt when cancelled. The result is an absolute path.
    virtual std::optional<QString> chooseOpenFile(const FileChoice& choice) = 0;
    virtual std::optional<QString> chooseSaveFile(const FileChoice& choice) = 0;

    // The short confirmation signal after a record was stored or deleted.
    virtual void playConfirmation() = 0;
    // Opens the help page at the given anchor ("Schnelleingabe", "Kopfdaten", ...).
    virtual void openHelp(const QString& anchor) = 0;
    // Hourglass pointer while a long synchronous operation runs.
    virtual void setBusy(bool busy) = 0;

    // The small progress window of long operations (export, import,
    // assortment generation): a title line, a label line and a counter.
    virtual void progressShow(const QString& action, const QString& label) = 0;
    virtual void progressUpdate(const QString& label, qint64 value, qint64 maximum) = 0;
    virtual void progressHide() = 0;

    // Convenience for the common one-button information box.
    Answer inform(const QString& text, const QString& title = QString(), Icon icon = Icon::None)
    {
        return message({text, title, Buttons::Ok, icon});
    }
};

} // namespace platform
