// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/UserInterface.h"

#include <QList>
#include <QStringList>
#include <deque>

namespace testing {

// The UI port for tests: records everything shown and answers from a
// script, so a test reads like the user's session:
//
//   ui.expectMessage("Nächsthöhere Nummer 8 verwenden", platform::Answer::Yes);
//   model.cmdSpeichern();
//   QVERIFY(ui.done());
//
// Every message must be expected (a text fragment it contains), unless
// tolerateMessages() was called; an unexpected one fails the running test
// and is answered with the negative choice (No, Cancel, or OK).
class ScriptedUserInterface final : public platform::UserInterface {
public:
    struct Shown {
        platform::Message message;
        platform::Answer answer;
    };

    void expectMessage(const QString& fragment, platform::Answer answer = platform::Answer::Ok);
    void expectInput(const QString& promptFragment, std::optional<QString> answer);
    void expectOpenFile(std::optional<QString> path);
    void expectSaveFile(std::optional<QString> path);
    // Messages no longer need to be expected; they are answered with `answer`
    // where the buttons allow it, else with the negative choice.
    void tolerateMessages(platform::Answer answer = platform::Answer::Ok);

    // True when every expectation was used. Prints what is left otherwise.
    bool done() const;
    void clear();

    const QList<Shown>& shown() const { return m_shown; }
    QStringList messageTexts() const;
    QString lastMessage() const;
    const QList<platform::FileChoice>& fileChoices() const { return m_fileChoices; }
    const QStringList& inputPrompts() const { return m_inputPrompts; }
    int confirmations() const { return m_confirmations; }
    const QStringList& helpAnchors() const { return m_helpAnchors; }
    bool busy() const { return m_busyDepth > 0; }
    // Progress window: shown lines and the highest counter reached.
    QStringList progressLines() const { return m_progressLines; }
    qint64 progressMaximum() const { return m_progressMaximum; }
    bool progressVisible() const { return m_progressVisible; }

    platform::Answer message(const platform::Message& message) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> chooseOpenFile(const platform::FileChoice& choice) override;
    std::optional<QString> chooseSaveFile(const platform::FileChoice& choice) override;
    void playConfirmation() override { ++m_confirmations; }
    void openHelp(const QString& anchor) override { m_helpAnchors << anchor; }
    void setBusy(bool busy) override { m_busyDepth += busy ? 1 : -1; }
    void progressShow(const QString& action, const QString& label) override;
    void progressUpdate(const QString& label, qint64 value, qint64 maximum) override;
    void progressHide() override { m_progressVisible = false; }

private:
    struct Expected {
        QString fragment;
        platform::Answer answer;
    };
    struct ExpectedInput {
        QString fragment;
        std::optional<QString> answer;
    };
    std::deque<Expected> m_messages;
    std::deque<ExpectedInput> m_inputs;
    std::deque<std::optional<QString>> m_openFiles;
    std::deque<std::optional<QString>> m_saveFiles;
    bool m_tolerate = false;
    platform::Answer m_tolerateAnswer = platform::Answer::Ok;
    QList<Shown> m_shown;
    QList<platform::FileChoice> m_fileChoices;
    QStringList m_inputPrompts;
    int m_confirmations = 0;
    QStringList m_helpAnchors;
    int m_busyDepth = 0;
    QStringList m_progressLines;
    qint64 m_progressMaximum = 0;
    bool m_progressVisible = false;
};

} // namespace testing
