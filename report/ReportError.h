// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace report {

// An output that could not be made; message() is a German sentence for the user.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(QString message)
        : std::runtime_error(message.toStdString()), m_message(std::move(message))
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace report
