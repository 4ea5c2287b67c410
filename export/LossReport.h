#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace exporter {

// What an export could not carry into its file: each kind of loss once,
// with the number of records it hit, in the order first met. The export
// still writes the file; the user is told every loss by name afterwards
// (the command line exits with 3).
class LossReport {
public:
    // `what` names the loss in words the user knows ("Holzart „Zirbe“ hat
    // keinen ELDATsmart-Code"); the same text again only counts.
    void add(const QString& what);
    // A loss of the document as a whole (no record count).
    void addGeneral(const QString& what);

    bool isEmpty() const { return m_order.isEmpty(); }
    // "Holzart „Zirbe“ hat keinen ELDATsmart-Code (3 Datensätze)".
    QStringList lines() const;

private:
    QStringList m_order;
    QHash<QString, qint64> m_counts;
};

} // namespace exporter
