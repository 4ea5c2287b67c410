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

    // Appends what `part` appends; when the part cannot be formatted or does
    // not fit (an ExportError), the line stays as it was and goes on.
    template <class Part> FixedLine& optional(Part&& part)
    {
        const qsizetype size = m_text.size();
        try {
            part(*this);
        } catch (const ExportError&) {
            m_text.truncate(size);
        }
        return *this;
    }

    qsizetype size() const { return m_text.size(); }
    const QString& text() const { return m_text; }
    QString take() { return std::move(m_text); }

private:
    QChar* grow(qsizetype count);

    QString m_text;
};

} // namespace exporter
