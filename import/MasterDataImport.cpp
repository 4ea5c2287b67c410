// SPDX-License-Identifier: GPL-3.0-or-later
#include "MasterDataImport.h"

#include "TextLines.h"

#include "platform/Codepage.h"
#include "store/DbError.h"
#include "store/MasterDataWriter.h"
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
    explicit Writer(store::Database& db) : m_writer(db) {}

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
            if (sectionLine == 0)
                m_writer.clearSorten();
            m_writer.saveSorte(code(f, true));
            break;
        case Section::Gueten:
            if (sectionLine == 0)
                m_writer.clearGueten();
            m_writer.saveGuete(code(f, false));
            break;
        case Section::Einschlagtyp:
            if (sectionLine == 0)
                m_writer.clearEinschlagtypen();
            m_writer.saveEinschlagtyp(useCode(f), useRow(f));
            break;
        case Section::Nutzungsart:
            if (sectionLine == 0)
                m_writer.clearNutzungsarten();
            m_writer.saveNutzungsart(useCode(f), useRow(f));
            break;
        case Section::None:
            break;
        }
    }

private:
    void bezeichnung(const QStringList& f, MasterDataImport::Result& result)
    {
        const QString name = field(f, 0, QStringLiteral("Der Name des Landes"));
        m_region = wholeNumber(field(f, 1, QStringLiteral("Die Landnummer")),
                               QStringLiteral("Die Landnummer"), 0, 255);
        m_writer.saveRegion({m_region, name});
        ++result.regions;
        result.lastRegion = m_region;
    }

    void holzart(const QStringList& f, int sectionLine)
    {
        store::HolzartRow row;
        row.Holzart = field(f, 0, QStringLiteral("Der Name der Holzart")).left(20);
        row.Kuerzel1 = field(f, 1, QStringLiteral("Das Kürzel")).left(3);
        row.Kuerzel2 = QStringLiteral("");
        row.Kuerzel3 = QStringLiteral("");
        row.IndexRinde = wholeNumber(field(f, 2, QStringLiteral("Die Rindengruppe")),
                                     QStringLiteral("Die Rindengruppe"), 0, 255);
        row.NL = field(f, 3, QStringLiteral("Die Kennung Nadel-/Laubholz")).left(1);
        row.Reserve = 0;
        row.IndexLand = m_region;
        row.IndexHolzart = sectionLine; // the file's order is the screens' order
        m_writer.saveSpecies(row);
    }

    void rindenabzug(const QStringList& f, int sectionLine)
    {
        if (sectionLine == 0)
            m_writer.clearBarkRows(m_region);
        const int group = wholeNumber(field(f, 0, QStringLiteral("Die Rindengruppe")),
                                      QStringLiteral("Die Rindengruppe"), 0, 255);
        // Blank trailing fields (a line ending in ";") add nothing.
        int last = int(f.size()) - 1;
        while (last > 0 && f.at(last).trimmed().isEmpty())
            --last;
        if (last > 10)
            throw LineError(QStringLiteral("Mehr als fünf Rindenabzugsstufen."));
        // Threshold and deduction alternate; a row may end after a threshold.
        QList<store::BarkStep> steps;
        for (int i = 1; i <= last; ++i) {
            if (i % 2 == 1)
                steps.append(
                    {wholeNumber(f.at(i), QStringLiteral("Der Durchmesser"), 0, 32767), std::nullopt});
            else
                steps.last().deduction = number(f.at(i), QStringLiteral("Der Rindenabzug"));
        }
        m_writer.saveBarkRow(m_region, group, steps);
    }

    static QString code(const QStringList& f, bool assortment)
    {
        QString value = field(f, 0, QStringLiteral("Der Code"));
        // One-letter assortment codes carry a trailing blank ("P ").
        if (assortment && value.size() == 1)
            value += QLatin1Char(' ');
        return value.left(3);
    }

    // A felling kind or use is found by the code as the file writes it and
    // stored with the two characters the screens show.
    static QString useCode(const QStringList& f) { return field(f, 1, QStringLiteral("Das Kürzel")); }
    static store::CodeRow useRow(const QStringList& f)
    {
        const QString name = field(f, 0, QStringLiteral("Der Name")).left(18);
        const QString code = useCode(f);
        const int index =
            wholeNumber(field(f, 2, QStringLiteral("Der Index")), QStringLiteral("Der Index"), 0, 32767);
        return {name, code.left(2), index};
    }

    store::MasterDataWriter m_writer;
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
