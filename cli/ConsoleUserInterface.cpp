// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleUserInterface.h"

namespace cli {

using platform::Answer;
using platform::Buttons;

Answer ConsoleUserInterface::message(const platform::Message& message)
{
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_messages << text;
    if (!m_quiet) {
        if (!message.title.isEmpty())
            m_err << message.title << ": ";
        m_err << text.trimmed() << Qt::endl;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return m_affirmative ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return m_affirmative ? Answer::Yes : Answer::No;
    }
    return Answer::Ok;
}

std::optional<QString> ConsoleUserInterface::inputBox(const QString&, const QString&, const QString&)
{
    return m_input;
}

std::optional<QString> ConsoleUserInterface::chooseOpenFile(const platform::FileChoice&)
{
    if (m_file.isEmpty())
        return std::nullopt;
    return m_file;
}

std::optional<QString> ConsoleUserInterface::chooseSaveFile(const platform::FileChoice&)
{
    if (m_file.isEmpty())
        return std::nullopt;
    return m_file;
}

} // namespace cli
