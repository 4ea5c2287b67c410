// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedLine.h"

#include <algorithm>

namespace exporter {
namespace {

void checkFits(int width, QStringView value)
{
    if (value.size() > width || (value.isNull() && width < 1))
        throw ExportError::overflow(value.isNull() ? QStringLiteral(" ") : value.toString(), width);
}

} // namespace

QChar* FixedLine::grow(qsizetype count)
{
    const qsizetype size = m_text.size();
    m_text.resize(size + count);
    return m_text.data() + size;
}

FixedLine& FixedLine::left(int width, QStringView value)
{
    checkFits(width, value);
    QChar* out = grow(width);
    out = std::copy(value.begin(), value.end(), out);
    std::fill_n(out, width - value.size(), QLatin1Char(' '));
    return *this;
}

FixedLine& FixedLine::right(int width, QStringView value)
{
    checkFits(width, value);
    QChar* out = grow(width);
    out = std::fill_n(out, width - value.size(), QLatin1Char(' '));
    std::copy(value.begin(), value.end(), out);
    return *this;
}

FixedLine& FixedLine::add(QStringView value)
{
    std::copy(value.begin(), value.end(), grow(value.size()));
    return *this;
}

FixedLine& FixedLine::add(QLatin1StringView value)
{
    QChar* out = grow(value.size());
    for (const char c : value)
        *out++ = QLatin1Char(c);
    return *this;
}

FixedLine& FixedLine::add(QChar c)
{
    *grow(1) = c;
    return *this;
}

} // namespace exporter
