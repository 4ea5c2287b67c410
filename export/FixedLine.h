#pragma once

#include "export/ExportError.h"

#include <QString>
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
    template <class Part> FixedLine& optional(int width, Part&& part)
    {
        const qsizetype size = m_text.size();
        try {
            part(*this);
        } catch (const ExportError& error) {
            m_text.truncate(size);
            add(QString(width, QLatin1Char(' ')));
            if (m_skipped.isEmpty())
                m_skipped = error.description();
        }
        return *this;
    }
    // The same for one right- or left-justified value computed by `value`.
    template <class Value> FixedLine& optionalRight(int width, Value&& value)
    {
        return optional(width, [&](FixedLine& line) { line.right(width, value()); });
    }
    template <class Value> FixedLine& optionalLeft(int width, Value&& value)
    {
        return optional(width, [&](FixedLine& line) { line.left(width, value()); });
    }
    // The first part left blank, e.g. "Überlauf („12.0“ passt nicht in 3
    // Zeichen)"; empty when every part was written.
    const QString& skipped() const { return m_skipped; }

    qsizetype size() const { return m_text.size(); }
    const QString& text() const { return m_text; }
    QString take() { return std::move(m_text); }

private:
    QChar* grow(qsizetype count);

    QString m_text;
    QString m_skipped;
};

} // namespace exporter
