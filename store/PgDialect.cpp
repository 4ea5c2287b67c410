// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgDialect.h"

#include <QRegularExpression>
#include <QStringList>
#include <cctype>

namespace store {
namespace {

bool wordAt(const QByteArray& sql, qsizetype at, const char* word)
{
    const qsizetype n = qsizetype(qstrlen(word));
    if (at + n > sql.size() || qstrnicmp(sql.constData() + at, word, n) != 0)
        return false;
    auto isWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    return (at == 0 || !isWord(sql[at - 1])) && (at + n == sql.size() || !isWord(sql[at + n]));
}

// Skips a quoted literal or identifier starting at i; returns the index after it.
qsizetype skipQuoted(const QByteArray& sql, qsizetype i)
{
    const char quote = sql[i];
    for (++i; i < sql.size(); ++i) {
        if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote)
                ++i;
            else
                return i + 1;
        }
    }
    return i;
}

// When an ORDER BY starts at i: the index after its "BY".
qsizetype orderBy(const QByteArray& sql, qsizetype i)
{
    if (!wordAt(sql, i, "ORDER"))
        return 0;
    qsizetype j = i + 5;
    while (j < sql.size() && std::isspace(static_cast<unsigned char>(sql[j])))
        ++j;
    return wordAt(sql, j, "BY") ? j + 2 : 0;
}

QByteArray rewriteTerm(QByteArray term)
{
    term = term.trimmed();
    bool descending = false;
    static const QRegularExpression direction(QStringLiteral("\\s+(ASC|DESC)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression jet(QStringLiteral("\\s+COLLATE\\s+JET$"), QRegularExpression::CaseInsensitiveOption);
    QString text = QString::fromUtf8(term);
    const auto dir = direction.match(text);
    if (dir.hasMatch()) {
        descending = dir.captured(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        text.truncate(dir.capturedStart());
    }
    const auto collation = jet.match(text);
    // The file engine puts NULL before every value.
    const QString order = descending ? QStringLiteral(" DESC NULLS LAST") : QStringLiteral(" NULLS FIRST");
    if (!collation.hasMatch())
        return (text + order).toUtf8();
    text.truncate(collation.capturedStart());
    return (QStringLiteral("stemmo_jet_base(%1) COLLATE \"C\"%2, stemmo_jet_lower(%1) COLLATE \"C\"%2")
                .arg(text, order))
        .toUtf8();
}

// The ORDER BY list starting at `from` ends at a closing parenthesis of
// its subquery, LIMIT, OFFSET, ";" or the end.
qsizetype orderByEnd(const QByteArray& sql, qsizetype from)
{
    int depth = 0;
    for (qsizetype i = from; i < sql.size();) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            i = skipQuoted(sql, i);
            continue;
        }
        if (c == '(')
            ++depth;
        else if (c == ')' && depth-- == 0)
            return i;
        else if (depth == 0 && (c == ';' || wordAt(sql, i, "LIMIT") || wordAt(sql, i, "OFFSET")))
            return i;
        ++i;
    }
    return sql.size();
}

QByteArray rewriteOrderList(const QByteArray& list)
{
    QByteArray out;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= list.size();) {
        if (i < list.size() && (list[i] == '\'' || list[i] == '"')) {
            i = skipQuoted(list, i);
            continue;
        }
        if (i == list.size() || (list[i] == ',' && depth == 0)) {
            if (!out.isEmpty())
                out += ", ";
            out += rewriteTerm(list.mid(start, i - start));
            start = i + 1;
        } else if (list[i] == '(') {
            ++depth;
        } else if (list[i] == ')') {
            --depth;
        }
        ++i;
    }
    return out + ' ';
}

} // namespace

QByteArray PgDialect::idColumn(const QByteArray& table)
{
    const QByteArray name = table.toLower();
    if (name == "holz" || name == "listen" || name == "mantel" || name == "lager" || name == "lagerfoto")
        return "Id";
    if (name == "laender" || name == "holzart" || name == "rindenabzug" || name == "gueten" || name == "sorten" ||
        name == "nutzungsart" || name == "einschlagtyp")
        return "rowid";
    return {};
}

PgSql PgDialect::translate(const QByteArray& sql)
{
    PgSql result;
    QByteArray out;
    out.reserve(sql.size() + 64);
    for (qsizetype i = 0; i < sql.size();) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            const qsizetype end = skipQuoted(sql, i);
            out += sql.mid(i, end - i);
            i = end;
        } else if (c == '?') {
            out += '$' + QByteArray::number(++result.parameters);
            ++i;
        } else if (qsizetype by = orderBy(sql, i); by > 0) {
            const qsizetype end = orderByEnd(sql, by);
            out += "ORDER BY " + rewriteOrderList(sql.mid(by, end - by));
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    static const QRegularExpression jetEquals(
        QStringLiteral("([A-Za-z_][A-Za-z_0-9.]*)\\s*=\\s*(\\$\\d+)\\s+COLLATE\\s+JET\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QString text = QString::fromUtf8(out);
    text.replace(jetEquals, QStringLiteral("stemmo_jet_lower(\\1) COLLATE \"C\" = stemmo_jet_lower(\\2)"));
    static const QRegularExpression insert(QStringLiteral("^\\s*INSERT\\s+INTO\\s+([A-Za-z_][A-Za-z_0-9]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto match = insert.match(text);
    if (match.hasMatch()) {
        const QByteArray id = idColumn(match.captured(1).toUtf8());
        if (!id.isEmpty() && !text.contains(QLatin1String("RETURNING"), Qt::CaseInsensitive)) {
            text += QStringLiteral(" RETURNING ") + QString::fromLatin1(id);
            result.returnsId = true;
        }
    }
    static const QRegularExpression write(QStringLiteral("^\\s*(INSERT|UPDATE|DELETE)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    result.writes = write.match(text).hasMatch();
    static const QRegularExpression plainInsert(
        QStringLiteral("^\\s*INSERT\\s+INTO\\s+(\\w+)\\s*\\(([^()]*)\\)\\s*VALUES\\s*\\((\\s*\\?\\s*(,\\s*\\?\\s*)*)\\)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto plain = plainInsert.match(QString::fromUtf8(sql));
    if (result.returnsId && plain.hasMatch() && plain.captured(2).count(QLatin1Char(',')) + 1 == result.parameters) {
        result.table = plain.captured(1).toUtf8();
        result.idColumn = idColumn(result.table);
        result.columns = plain.captured(2).toUtf8();
    }
    result.text = text.toUtf8();
    return result;
}

} // namespace store
