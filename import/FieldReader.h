// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace importer {

// Reads the fixed-column fields of one line of a list file. Positions count
// from 1 as in the file layouts. A field that lies wholly or partly beyond
// the end of the line reads as the part that exists, possibly empty — a
// short line never reads past its end. Values that cannot be read are
// reported to the file's error log with the line number and the field's
// name, and read as the fallback, so one damaged value never stops the
// reading of the rest of the file.
//
// Numbers are read the same on every machine: a point or a comma is the
// decimal separator, whatever the system's locale says.
class FieldReader {
public:
    FieldReader(QStringView line, int lineNumber, ValueErrors& errors)
        : m_line(line), m_lineNumber(lineNumber), m_errors(&errors)
    {
    }

    QStringView line() const { return m_line; }
    int lineNumber() const { return m_lineNumber; }

    // Characters start .. start+length-1; empty when the line is shorter.
    QStringView mid(int start, int length) const;
    // Characters from start to the end of the line.
    QStringView from(int start) const;
    // A text field without its trailing blanks.
    QString text(int start, int length) const { return trimEnd(mid(start, length)); }
    QString textFrom(int start) const { return trimEnd(from(start)); }

    // Reports (once) a line that ends before `length` characters; the
    // fields past its end then read as empty. True when the line is long
    // enough.
    bool require(int length, const QString& what);

    // A decimal number; a blank field reads as `fallback` without complaint.
    double decimal(int start, int length, const QString& name, double fallback = 0);
    // A whole number between minimum and maximum (decimals round halves to
    // the even number, as the program converts numbers).
    int whole(int start, int length, const QString& name, int minimum, int maximum, int fallback = 0);
    // The same for a field already cut out.
    double decimalOf(QStringView field, const QString& name, double fallback = 0);
    int wholeOf(QStringView field, const QString& name, int minimum, int maximum, int fallback = 0);

    void fail(int number, const QString& description);

    // "4.5", "4,5", " 12 ", "-1", ".5", "1.234,5"; nullopt for anything else,
    // including blank text, exponents and values beyond double.
    static std::optional<double> parseDecimal(QStringView text);
    // A list date as the exchange files carry it: day.month.year with a
    // two- or four-digit year and blanks for leading zeros (" 1. 3.05",
    // "01.03.2005"), or ISO "2005-03-01". Two-digit years 00-29 are 20xx,
    // 30-99 19xx. nullopt when it is no valid date.
    static std::optional<QDate> parseDate(QStringView text);
    static QString trimEnd(QStringView text);

private:
    // The number a field holds; a field that holds none is reported, a blank one is not.
    std::optional<double> number(QStringView field, const QString& name);

    QStringView m_line;
    int m_lineNumber;
    ValueErrors* m_errors;
    bool m_shortReported = false;
};

} // namespace importer
