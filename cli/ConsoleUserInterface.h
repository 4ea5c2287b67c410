// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"

#include <QStringList>
#include <QTextStream>

namespace cli {

// The UI port on a terminal without questions: messages go to stderr,
// questions take the answer the command chose beforehand, file dialogs
// answer with the path given on the command line.
class ConsoleUserInterface final : public platform::UserInterface {
public:
    explicit ConsoleUserInterface(QTextStream& err) : m_err(err) {}

    // The answer to every question (Yes/No, OK/Cancel); default: Yes / OK.
    void setAffirmative(bool yes) { m_affirmative = yes; }
    // The path every file dialog returns; empty: the dialog is cancelled.
    void setFileAnswer(const QString& path) { m_file = path; }
    void setInputAnswer(const QString& text) { m_input = text; }
    void setQuiet(bool quiet) { m_quiet = quiet; }

    // Every message shown, in order.
    const QStringList& messages() const { return m_messages; }

    platform::Answer message(const platform::Message& message) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> chooseOpenFile(const platform::FileChoice& choice) override;
    std::optional<QString> chooseSaveFile(const platform::FileChoice& choice) override;
    void playConfirmation() override {}
    void openHelp(const QString&) override {}
    void setBusy(bool) override {}
    void progressShow(const QString&, const QString&) override {}
    void progressUpdate(const QString&, qint64, qint64) override {}
    void progressHide() override {}

private:
    QTextStream& m_err;
    bool m_affirmative = true;
    bool m_quiet = false;
    QString m_file;
    std::optional<QString> m_input;
    QStringList m_messages;
};

} // namespace cli
