// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportError.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace exporter {

// One line of an exchange file, assembled field by field into a single
// buffer. left()/right() are the padding rules of every field: a value
// wider than its field throws the overflow error (ExportError::Overflow);
// a null text counts as one blank.
class FixedLine {
public:
    explicit FixedLine(qsizetype capacity = 256) { m_text.reserve(capacity); }

    // The value followed by blanks up to `width`.
    FixedLine& left(int width, QStringView value);
    // Blanks up to `width` followed by the value.
    FixedLine& right(int width, QStringView value);
    FixedLine& add(QStringView value);
    FixedLine& add(QLatin1StringView value);
    FixedLine& add(QChar c);

    // Appends what `part` appends, `width` characters; when the part cannot
    // be formatted or does not fit (an ExportError), its columns stay blank
    // and the line goes on. Leaving the part out instead would shift every
    // later column, and a reader would take the wrong values from them.
    // `field` names the part for the list of what was left blank.
    template <class Part> FixedLine& optional(const char* field, int width, Part&& part)
    {
        const qsizetype size = m_text.size();
        try {
            part(*this);
        } catch (const ExportError& error) {
            m_text.truncate(size);
            add(QString(width, QLatin1Char(' ')));
            // "Rindenabzug „12“ passt nicht in 1 Zeichen"
            m_skipped << QString::fromUtf8(field) +
                             (error.number() == ExportError::Overflow && !error.detail().isEmpty()
                                  ? QStringLiteral(" ") + error.detail()
                                  : QStringLiteral(": ") + error.description());
        }
        return *this;
    }
    // The same for one right- or left-justified value computed by `value`.
    template <class Value> FixedLine& optionalRight(const char* field, int width, Value&& value)
    {
        return optional(field, width, [&](FixedLine& line) { line.right(width, value()); });
    }
    template <class Value> FixedLine& optionalLeft(const char* field, int width, Value&& value)
    {
        return optional(field, width, [&](FixedLine& line) { line.left(width, value()); });
    }
    // The parts left blank, e.g. "Rindenabzug „12“ passt nicht in 1
    // Zeichen"; empty when every part was written.
    const QStringList& skipped() const { return m_skipped; }

    qsizetype size() const { return m_text.size(); }
    const QString& text() const { return m_text; }
    QString take() { return std::move(m_text); }

private:
    QChar* grow(qsizetype count);

    QString m_text;
    QStringList m_skipped;
};

} // namespace exporter
