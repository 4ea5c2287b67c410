// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseLocation.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace store {
namespace {

bool isUrl(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

// "key=value" pairs as the client library reads them; a file path may hold
// '=' too, but never starts with a keyword followed by '='.
const QRegularExpression& keywordPair()
{
    static const QRegularExpression pair(QStringLiteral("^\\s*[a-z_]+\\s*="));
    return pair;
}

const QRegularExpression& passwordPair()
{
    static const QRegularExpression pair(
        QStringLiteral("(^|\\s)password\\s*=\\s*('([^'\\\\]|\\\\.)*'|\\S*)"));
    return pair;
}

} // namespace

bool DatabaseLocation::isServer(const QString& location)
{
    const QString text = location.trimmed();
    return isUrl(text) || keywordPair().match(text).hasMatch();
}

bool DatabaseLocation::carriesPassword() const
{
    const QString text = m_text.trimmed();
    if (isUrl(text)) {
        const QUrl url(text);
        return !url.password().isEmpty() || QUrlQuery(url).hasQueryItem(QStringLiteral("password"));
    }
    return isServer() && passwordPair().match(text).hasMatch();
}

QString DatabaseLocation::withDatabase(const QString& name) const
{
    const QString text = m_text.trimmed();
    if (isUrl(text)) {
        QUrl url(text);
        url.setPath(QLatin1Char('/') + name);
        return url.toString();
    }
    // Of two keywords the client library takes the later.
    return text + QStringLiteral(" dbname=") + name;
}

QString DatabaseLocation::forDisplay() const
{
    const QString text = m_text.trimmed();
    if (!carriesPassword())
        return text;
    if (isUrl(text)) {
        QUrl url(text);
        if (!url.password().isEmpty())
            url.setPassword(QStringLiteral("***"));
        QUrlQuery query(url);
        if (query.hasQueryItem(QStringLiteral("password"))) {
            query.removeAllQueryItems(QStringLiteral("password"));
            query.addQueryItem(QStringLiteral("password"), QStringLiteral("***"));
            url.setQuery(query);
        }
        return url.toString();
    }
    QString shown = text;
    shown.replace(passwordPair(), QStringLiteral("\\1password=***"));
    return shown;
}

} // namespace store
