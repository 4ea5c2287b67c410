// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace exporter {

// The code table between this system's master-data codes and the codes of
// the ELDATsmart documents: species by name, grades and assortments by
// their code (compared without the trailing blank), and the facts about
// the measuring that a list does not hold (country, method, calibration).
//
// It ships beside the master data as "eldat-codes.dat" in the data folder,
// a text file in the master-data style (sections, ";" between values,
// Windows-1252 or UTF-8), and is edited like it. A code without a line is
// never guessed: the writer names it as a loss.
class EldatCodes {
public:
    static constexpr const char* FileName = "eldat-codes.dat";

    struct Assortment {
        QString grade; // ELDATsmart "grade" (Sorte)
        QString use;   // ELDATsmart "use" (Verwendungssorte)
    };
    struct Measuring {
        QString state = QStringLiteral("DE");
        QString method = QStringLiteral("mit");
        QString medium = QStringLiteral("mit");
        QString technique = QStringLiteral("klma");
        QString calibrationId;
        QString calibratedUntil; // ISO date, empty when not known
    };
    // Reads a table; refuses it whole (with the line) when a line names a
    // code the documents do not know, so a typing error cannot slip into
    // every exported document. `error` gets the reason (German, with the
    // line) when nullopt.
    static std::optional<EldatCodes> parse(const QByteArray& bytes, QString* error = nullptr);
    // The table shipped with the program.
    static QByteArray shipped();
    // The table of a data folder, or the shipped one when the folder has
    // none. Throws std::runtime_error (German) when the folder's table is
    // unreadable or wrong.
    static EldatCodes forFolder(const QString& folder);

    std::optional<QString> species(const QString& holzart) const;
    std::optional<QString> quality(const QString& guete) const;
    std::optional<Assortment> assortment(const QString& sorte) const;
    const Measuring& measuring() const { return m_measuring; }

    // The other way, for reading documents: the first own code of the table
    // that maps to the ELDATsmart code.
    std::optional<QString> holzartOf(const QString& species) const;
    std::optional<QString> gueteOf(const QString& quality) const;
    // By grade and use; by grade alone when no line has both.
    std::optional<QString> sorteOf(const QString& grade, const QString& use) const;

private:
    struct Pair {
        QString own;
        QString eldat;
        QString use;
    };
    static std::optional<QString> find(const QList<Pair>& pairs, const QString& own);

    QList<Pair> m_species;
    QList<Pair> m_qualities;
    QList<Pair> m_assortments;
    Measuring m_measuring;
};

} // namespace exporter
