// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedUserInterface.h"

#include <QTest>

namespace testing {
namespace {

using platform::Answer;
using platform::Buttons;

bool allowed(Buttons buttons, Answer answer)
{
    switch (buttons) {
    case Buttons::Ok:
        return answer == Answer::Ok;
    case Buttons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel:
        return answer != Answer::Ok;
    }
    return false;
}

Answer negative(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    }
    return Answer::Ok;
}

void fail(const QString& what)
{
    const QByteArray text = what.toUtf8();
    QTest::qFail(text.constData(), __FILE__, __LINE__);
}

} // namespace

void ScriptedUserInterface::expectMessage(const QString& fragment, Answer answer)
{
    m_messages.push_back({fragment, answer});
}

void ScriptedUserInterface::expectInput(const QString& promptFragment, std::optional<QString> answer)
{
    m_inputs.push_back({promptFragment, std::move(answer)});
}

void ScriptedUserInterface::expectOpenFile(std::optional<QString> path)
{
    m_openFiles.push_back(std::move(path));
}

void ScriptedUserInterface::expectSaveFile(std::optional<QString> path)
{
    m_saveFiles.push_back(std::move(path));
}

void ScriptedUserInterface::tolerateMessages(Answer answer)
{
    m_tolerate = true;
    m_tolerateAnswer = answer;
}

bool ScriptedUserInterface::done() const
{
    bool ok = true;
    for (const auto& left : m_messages) {
        qWarning("expected message not shown: %s", qPrintable(left.fragment));
        ok = false;
    }
    for (const auto& left : m_inputs) {
        qWarning("expected input box not shown: %s", qPrintable(left.fragment));
        ok = false;
    }
    if (!m_openFiles.empty() || !m_saveFiles.empty()) {
        qWarning("expected file dialog not shown");
        ok = false;
    }
    return ok;
}

void ScriptedUserInterface::clear()
{
    m_messages.clear();
    m_inputs.clear();
    m_openFiles.clear();
    m_saveFiles.clear();
    m_shown.clear();
    m_fileChoices.clear();
    m_inputPrompts.clear();
    m_confirmations = 0;
    m_helpAnchors.clear();
    m_progressLines.clear();
    m_progressMaximum = 0;
}

QStringList ScriptedUserInterface::messageTexts() const
{
    QStringList texts;
    for (const auto& shown : m_shown)
        texts << shown.message.text;
    return texts;
}

QString ScriptedUserInterface::lastMessage() const
{
    return m_shown.isEmpty() ? QString() : m_shown.last().message.text;
}

Answer ScriptedUserInterface::message(const platform::Message& message)
{
    Answer answer;
    if (!m_messages.empty() && message.text.contains(m_messages.front().fragment)) {
        answer = m_messages.front().answer;
        m_messages.pop_front();
        if (!allowed(message.buttons, answer)) {
            fail(QStringLiteral("scripted answer does not fit the buttons of: ") + message.text);
            answer = negative(message.buttons);
        }
    } else if (m_tolerate) {
        answer = allowed(message.buttons, m_tolerateAnswer) ? m_tolerateAnswer : negative(message.buttons);
    } else {
        fail(QStringLiteral("unexpected message: \"%1\" (title \"%2\")%3")
                 .arg(message.text, message.title,
                      m_messages.empty()
                          ? QString()
                          : QStringLiteral(", expected \"%1\"").arg(m_messages.front().fragment)));
        answer = negative(message.buttons);
    }
    m_shown.push_back({message, answer});
    return answer;
}

std::optional<QString> ScriptedUserInterface::inputBox(const QString& prompt, const QString&, const QString&)
{
    m_inputPrompts << prompt;
    if (m_inputs.empty() || !prompt.contains(m_inputs.front().fragment)) {
        fail(QStringLiteral("unexpected input box: ") + prompt);
        return std::nullopt;
    }
    auto answer = m_inputs.front().answer;
    m_inputs.pop_front();
    return answer;
}

std::optional<QString> ScriptedUserInterface::chooseOpenFile(const platform::FileChoice& choice)
{
    m_fileChoices << choice;
    if (m_openFiles.empty()) {
        fail(QStringLiteral("unexpected open dialog: ") + choice.title);
        return std::nullopt;
    }
    auto answer = m_openFiles.front();
    m_openFiles.pop_front();
    return answer;
}

std::optional<QString> ScriptedUserInterface::chooseSaveFile(const platform::FileChoice& choice)
{
    m_fileChoices << choice;
    if (m_saveFiles.empty()) {
        fail(QStringLiteral("unexpected save dialog: ") + choice.title);
        return std::nullopt;
    }
    auto answer = m_saveFiles.front();
    m_saveFiles.pop_front();
    return answer;
}

void ScriptedUserInterface::progressShow(const QString& action, const QString& label)
{
    m_progressVisible = true;
    m_progressLines << action << label;
}

void ScriptedUserInterface::progressUpdate(const QString& label, qint64 value, qint64)
{
    if (!label.isNull() && !m_progressLines.contains(label))
        m_progressLines << label;
    m_progressMaximum = qMax(m_progressMaximum, value);
}

} // namespace testing
