// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasterDataImport.h"

#include "TextLines.h"

#include "platform/Codepage.h"
#include "store/Database.h"
#include "store/DbError.h"
#include "store/Transaction.h"

#include <QFile>
#include <cmath>
#include <stdexcept>

namespace importer {
namespace {

// A line that cannot be stored; carries the reason for the message.
struct LineError : std::runtime_error {
    explicit LineError(const QString& why) : std::runtime_error(why.toStdString()), reason(why) {}
    QString reason;
};

enum class Section { None, Bezeichnung, Holzarten, Rindenabzuege, Sorten, Gueten, Einschlagtyp, Nutzungsart };

std::optional<Section> sectionOf(const QString& header)
{
    const QString name = header.trimmed().toLower();
    if (name == QLatin1String("[bezeichnung]"))
        return Section::Bezeichnung;
    if (name == QLatin1String("[holzarten]"))
        return Section::Holzarten;
    if (name == QLatin1String("[rindenabzuege]"))
        return Section::Rindenabzuege;
    if (name == QLatin1String("[sorten]"))
        return Section::Sorten;
    if (name == QLatin1String("[gueten]"))
        return Section::Gueten;
    if (name == QLatin1String("[einschlagtyp]"))
        return Section::Einschlagtyp;
    if (name == QLatin1String("[nutzungsart]"))
        return Section::Nutzungsart;
    return std::nullopt;
}

double number(const QString& field, const QString& what)
{
    QString text = field.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw LineError(QStringLiteral("%1 „%2“ ist keine Zahl.").arg(what, field.trimmed()));
    return value;
}

// Whole numbers round halves to the even number.
int wholeNumber(const QString& field, const QString& what, int minimum, int maximum)
{
    const double value = std::nearbyint(number(field, what));
    if (value < minimum || value > maximum)
        throw LineError(QStringLiteral("%1 „%2“ liegt nicht zwischen %3 und %4.")
                            .arg(what, field.trimmed())
                            .arg(minimum)
                            .arg(maximum));
    return int(value);
}

const QString& field(const QStringList& fields, int index, const QString& what)
{
    if (index >= fields.size())
        throw LineError(QStringLiteral("%1 fehlt.").arg(what));
    return fields.at(index);
}

class Writer {
public:
    explicit Writer(store::Database& db) : m_db(db) {}

    void line(Section section, int sectionLine, const QStringList& f, MasterDataImport::Result& result)
    {
        switch (section) {
        case Section::Bezeichnung:
            bezeichnung(f, result);
            break;
        case Section::Holzarten:
            holzart(f, sectionLine);
            ++result.species;
            break;
        case Section::Rindenabzuege:
            rindenabzug(f, sectionLine);
            break;
        case Section::Sorten:
            code("Sorten", "Sorte", f, sectionLine);
            break;
        case Section::Gueten:
            code("Gueten", "Guete", f, sectionLine);
            break;
        case Section::Einschlagtyp:
            typeRow("Einschlagtyp", f, sectionLine);
            break;
        case Section::Nutzungsart:
            typeRow("Nutzungsart", f, sectionLine);
            break;
        case Section::None:
            break;
        }
    }

private:
    // Updates the first row found by the query or inserts a new one.
    void upsert(const QByteArray& find, const QVariantList& key, const QByteArray& update,
                const QByteArray& insert, const QVariantList& values)
    {
        store::Statement lookup = m_db.prepare(find);
        for (int i = 0; i < key.size(); ++i)
            lookup.bind(i + 1, key.at(i));
        const bool found = lookup.step();
        const qint64 rowid = found ? lookup.int64(0) : 0;
        lookup.reset();
        store::Statement write = m_db.prepare(found ? update : insert);
        int index = 0;
        for (const QVariant& value : values)
            write.bind(++index, value);
        if (found)
            write.bind(++index, rowid);
        write.run();
    }

    void bezeichnung(const QStringList& f, MasterDataImport::Result& result)
    {
        const QString name = field(f, 0, QStringLiteral("Der Name des Landes"));
        m_region = wholeNumber(field(f, 1, QStringLiteral("Die Landnummer")),
                               QStringLiteral("Die Landnummer"), 0, 255);
        upsert("SELECT rowid FROM Laender WHERE Landindex = ? ORDER BY rowid", {m_region},
               "UPDATE Laender SET Landindex = ?, Land = ? WHERE rowid = ?",
               "INSERT INTO Laender (Landindex, Land) VALUES (?, ?)", {m_region, name});
        ++result.regions;
        result.lastRegion = m_region;
    }

    void holzart(const QStringList& f, int sectionLine)
    {
        const QString name = field(f, 0, QStringLiteral("Der Name der Holzart")).left(20);
        const QString code = field(f, 1, QStringLiteral("Das Kürzel")).left(3);
        const int group = wholeNumber(field(f, 2, QStringLiteral("Die Rindengruppe")),
                                      QStringLiteral("Die Rindengruppe"), 0, 255);
        const QString nl = field(f, 3, QStringLiteral("Die Kennung Nadel-/Laubholz")).left(1);
        upsert("SELECT rowid FROM Holzart WHERE Holzart = ? AND IndexLand = ? ORDER BY rowid",
               {name, m_region},
               "UPDATE Holzart SET Holzart = ?, Kuerzel1 = ?, Kuerzel2 = ?, Kuerzel3 = ?, IndexRinde = ?, "
               "Reserve = ?, IndexLand = ?, IndexHolzart = ?, NL = ? WHERE rowid = ?",
               "INSERT INTO Holzart (Holzart, Kuerzel1, Kuerzel2, Kuerzel3, IndexRinde, Reserve, IndexLand, "
               "IndexHolzart, NL) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
               {name, code, QStringLiteral(""), QStringLiteral(""), group, 0.0, m_region, sectionLine, nl});
    }

    void rindenabzug(const QStringList& f, int sectionLine)
    {
        if (sectionLine == 0) {
            store::Statement clear = m_db.prepare("DELETE FROM Rindenabzug WHERE Landindex = ?");
            clear.bind(1, m_region);
            clear.run();
        }
        const int group = wholeNumber(field(f, 0, QStringLiteral("Die Rindengruppe")),
                                      QStringLiteral("Die Rindengruppe"), 0, 255);
        QVariantList values{m_region, group};
        QByteArray updateSet = "Landindex = ?, RindenIndex = ?";
        QByteArray insertColumns = "Landindex, RindenIndex";
        QByteArray marks = "?, ?";
        // Blank trailing fields (a line ending in ";") add nothing.
        int last = int(f.size()) - 1;
        while (last > 0 && f.at(last).trimmed().isEmpty())
            --last;
        if (last > 10)
            throw LineError(QStringLiteral("Mehr als fünf Rindenabzugsstufen."));
        for (int i = 1; i <= last; ++i) {
            const int band = (i + 1) / 2;
            const bool threshold = i % 2 == 1;
            const QByteArray column = (threshold ? "D" : "R") + QByteArray::number(band);
            if (threshold)
                values << wholeNumber(f.at(i), QStringLiteral("Der Durchmesser"), 0, 32767);
            else
                values << number(f.at(i), QStringLiteral("Der Rindenabzug"));
            updateSet += ", " + column + " = ?";
            insertColumns += ", " + column;
            marks += ", ?";
        }
        upsert("SELECT rowid FROM Rindenabzug WHERE RindenIndex = ? AND Landindex = ? ORDER BY rowid",
               {group, m_region}, "UPDATE Rindenabzug SET " + updateSet + " WHERE rowid = ?",
               "INSERT INTO Rindenabzug (" + insertColumns + ") VALUES (" + marks + ")", values);
    }

    void code(const char* table, const char* column, const QStringList& f, int sectionLine)
    {
        const QByteArray t(table), c(column);
        if (sectionLine == 0)
            m_db.exec(("DELETE FROM " + t).constData());
        QString value = field(f, 0, QStringLiteral("Der Code"));
        // One-letter assortment codes carry a trailing blank ("P ").
        if (t == "Sorten" && value.size() == 1)
            value += QLatin1Char(' ');
        value = value.left(3);
        upsert("SELECT rowid FROM " + t + " WHERE " + c + " = ? ORDER BY rowid", {value},
               "UPDATE " + t + " SET " + c + " = ? WHERE rowid = ?",
               "INSERT INTO " + t + " (" + c + ") VALUES (?)", {value});
    }

    void typeRow(const char* table, const QStringList& f, int sectionLine)
    {
        const QByteArray t(table);
        if (sectionLine == 0) {
            m_db.exec(("DELETE FROM " + t).constData());
            store::Statement first =
                m_db.prepare("INSERT INTO " + t + " (" + t + ", Kuerzel, Indx) VALUES ('', '', 0)");
            first.run();
        }
        const QString name = field(f, 0, QStringLiteral("Der Name")).left(18);
        const QString code = field(f, 1, QStringLiteral("Das Kürzel"));
        const int index =
            wholeNumber(field(f, 2, QStringLiteral("Der Index")), QStringLiteral("Der Index"), 0, 32767);
        upsert("SELECT rowid FROM " + t + " WHERE Kuerzel = ? ORDER BY rowid", {code},
               "UPDATE " + t + " SET " + t + " = ?, Kuerzel = ?, Indx = ? WHERE rowid = ?",
               "INSERT INTO " + t + " (" + t + ", Kuerzel, Indx) VALUES (?, ?, ?)",
               {name, code.left(2), index});
    }

    store::Database& m_db;
    int m_region = 0;
};

platform::Message failure(const QString& text)
{
    return {text, QStringLiteral("Stammdaten"), platform::Buttons::Ok, platform::Icon::Critical};
}

} // namespace

MasterDataImport::Result MasterDataImport::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.message = failure(
            QStringLiteral("Die Datei „%1“ kann nicht gelesen werden:\n%2").arg(path, file.errorString()));
        return result;
    }
    // Master-data files are a few kilobytes; anything huge is not one.
    constexpr qint64 MaxSize = 16 * 1024 * 1024;
    if (file.size() > MaxSize) {
        Result result;
        result.message =
            failure(QStringLiteral("Die Datei „%1“ ist zu groß für eine Stammdatendatei.").arg(path));
        return result;
    }
    return Stammdaten_Einlesen(file.readAll());
}

MasterDataImport::Result MasterDataImport::Stammdaten_Einlesen(const QByteArray& content)
{
    Result result;
    if (content.contains('\0')) {
        result.message = failure(QStringLiteral("Die Datei ist keine Textdatei und keine Stammdatendatei."));
        return result;
    }
    const QStringList lines = splitLines(platform::codepage::decodeText(content));
    int lineNumber = 0;
    try {
        store::Transaction transaction(m_db);
        Writer writer(m_db);
        Section section = Section::None;
        int sectionLine = 0;
        for (const QString& line : lines) {
            ++lineNumber;
            result.lines = lineNumber;
            if (line.trimmed().isEmpty())
                continue;
            if (line.startsWith(QLatin1Char('['))) {
                const auto named = sectionOf(line);
                if (!named) {
                    result.message =
                        failure(QStringLiteral("Fehler Bezeichnung ") + QString::number(lineNumber));
                    return result; // the transaction rolls back
                }
                section = *named;
                sectionLine = 0;
                continue;
            }
            if (section == Section::None) {
                result.message = failure(QStringLiteral("Fehler Bezeichnung ") + QString::number(lineNumber));
                return result;
            }
            writer.line(section, sectionLine, line.split(QLatin1Char(';')), result);
            ++sectionLine;
        }
        transaction.commit();
    } catch (const LineError& error) {
        result = Result{false,
                        lineNumber,
                        0,
                        0,
                        0,
                        failure(QStringLiteral("Fehler in Zeile ") + QString::number(lineNumber) +
                                QLatin1Char('\n') + error.reason)};
        return result;
    } catch (const store::DbError& error) {
        result = Result{false,
                        lineNumber,
                        0,
                        0,
                        0,
                        failure(QStringLiteral("Fehler in Zeile ") + QString::number(lineNumber) +
                                QLatin1Char('\n') + error.description())};
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace importer
