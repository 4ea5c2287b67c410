// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportError.h"

namespace exporter {

ExportError::ExportError(int number, QString what, QString detail)
    : std::runtime_error(what.toStdString()), m_number(number), m_what(std::move(what)),
      m_detail(std::move(detail))
{
}

QString ExportError::description() const
{
    return m_detail.isEmpty() ? m_what : m_what + QStringLiteral(" (") + m_detail + QLatin1Char(')');
}

ExportError ExportError::withContext(const QString& context) const
{
    return ExportError(m_number, m_what,
                       m_detail.isEmpty() ? context : context + QStringLiteral(": ") + m_detail);
}

ExportError ExportError::overflow(const QString& value, int width)
{
    return ExportError(Overflow, QStringLiteral("Überlauf"),
                       QStringLiteral("„%1“ passt nicht in %2 Zeichen").arg(value).arg(width));
}

ExportError ExportError::notANumber(const QString& field, const QString& value)
{
    return ExportError(TypeMismatch, QStringLiteral("Typen unverträglich"),
                       QStringLiteral("%1 „%2“ ist keine Zahl").arg(field, value));
}

ExportError ExportError::divisionByZero(const QString& what)
{
    return ExportError(DivisionByZero, QStringLiteral("Division durch Null"), what);
}

} // namespace exporter
