// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace exporter {

// What an export could not carry into its file: characters outside the
// file's code page, values left blank because they do not fit their
// columns, texts cut to their field, counts the format has no field for.
// Each loss is counted once, however many of the format's files it
// affects; the first ones are kept word for word for the user.
class ExportLosses {
public:
    static constexpr int Described = 12;

    // `place`: "Kopfdaten" or the record ("Datensatz 5, Los 1, Nummer 5").
    void add(const QString& place, const QString& what);

    bool isEmpty() const { return m_count == 0; }
    qint64 count() const { return m_count; }
    // "<place>: <what>", the first Described of them.
    const QStringList& described() const { return m_described; }
    // The described losses one per line, then how many more there are.
    QString text() const;

private:
    qint64 m_count = 0;
    QStringList m_described;
    QSet<QString> m_seen;
};

} // namespace exporter
