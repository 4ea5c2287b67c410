// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace exporter {

// A failure while writing an exchange file. Every one ends the export
// unless it happens inside one of the few line parts that the formats
// write only when they fit (fields::optionalPart). number() is the error
// number the user sees ("Fehler beim Liste konvertieren FehlerNr :6 ...").
class ExportError : public std::runtime_error {
public:
    static constexpr int Overflow = 6;
    static constexpr int DivisionByZero = 11;
    static constexpr int TypeMismatch = 13;
    static constexpr int FileNotFound = 53;
    static constexpr int WriteFailed = 57;
    static constexpr int PathError = 75;
    static constexpr int NoFormat = 380;

    // `what` names the kind of error ("Überlauf"); `detail` says where and why.
    ExportError(int number, QString what, QString detail = QString());

    int number() const { return m_number; }
    // "Überlauf (Datensatz 5, Los 1: „100.0“ passt nicht in 4 Zeichen)".
    QString description() const;
    // Where and why alone: "„100.0“ passt nicht in 4 Zeichen".
    const QString& detail() const { return m_detail; }
    // The same error with the place it happened in front of its detail.
    ExportError withContext(const QString& context) const;

    // A value that does not fit its fixed-width field.
    static ExportError overflow(const QString& value, int width);
    // A text that should have been a number.
    static ExportError notANumber(const QString& field, const QString& value);
    static ExportError divisionByZero(const QString& what);

private:
    int m_number;
    QString m_what;
    QString m_detail;
};

} // namespace exporter
