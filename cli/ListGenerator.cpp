// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListGenerator.h"

#include "store/ListImportWriter.h"
#include "store/LotRegister.h"

#include <QRandomGenerator>
#include <cmath>

namespace cli {
namespace {

QString diameterClass(int cm)
{
    static const int limits[] = {10, 15, 20, 25, 30, 35, 40, 50, 60};
    static const char* names[] = {"0", "1a", "1b", "2a", "2b", "3a", "3b", "4", "5", "6+"};
    int i = 0;
    while (i < 9 && cm >= limits[i])
        ++i;
    return QString::fromLatin1(names[i]);
}

double twoDecimals(double v)
{
    return std::round(v * 100.0) / 100.0;
}

} // namespace

ListGenerator::ListGenerator(QStringList species, quint32 seed) : m_species(std::move(species)), m_seed(seed)
{
    if (m_species.isEmpty())
        m_species = {QStringLiteral("Fichte"), QStringLiteral("Kiefer"), QStringLiteral("Buche"),
                     QStringLiteral("Eiche")};
}

bool ListGenerator::generate(store::Database& db, const QString& list, int count)
{
    QRandomGenerator random(m_seed);
    store::ListImportWriter writer(db);
    if (!writer.begin(list))
        return false;
    store::ListenRow header;
    header.Liste = list;
    header.Name = QStringLiteral("Forstbetrieb Testdaten");
    header.Forstamt = QStringLiteral("1");
    header.Revier = QStringLiteral("1");
    header.Datum = QDate::currentDate();

    static const char* grades[] = {"B ", "C ", "D ", "BC", "CD"};
    double total = 0;
    qint64 pieces = 0;
    int nummer = 0;
    QString reg = store::LotRegister::initial();
    for (int i = 0; i < count; ++i) {
        store::HolzRow row;
        row.SatzNr = i + 1;
        row.Liste = list;
        row.Los = 1 + int(i / qMax(1, count / 8));
        reg = store::LotRegister::entered(reg, row.Los);
        row.Holzart = m_species.at(int(random.bounded(quint32(m_species.size()))));
        row.Rinde = QStringLiteral("a");
        row.Stamm = QStringLiteral("1");
        row.Nutzung = QStringLiteral("00");
        const quint32 kind = random.bounded(100u);
        if (kind < 3) { // stack of stacked wood
            row.Sorte = QStringLiteral("S ");
            row.Guete = QStringLiteral("-");
            row.Staerke = QStringLiteral("-");
            row.Laenge = twoDecimals(5 + random.bounded(20.0));
            row.Durchm = 2;
            row.Hoehe = twoDecimals(1 + random.bounded(1.0));
            row.Stueck = 1;
            row.Stamm = QStringLiteral("1");
            row.Rinde = QStringLiteral("o");
            row.Kubatur = twoDecimals(row.Laenge * row.Durchm * row.Hoehe);
            ++pieces;
        } else {
            const int d = 12 + int(random.bounded(55u));
            row.Durchm = d;
            row.Laenge = kind < 20 ? 4 + 0.5 * random.bounded(5u) : twoDecimals(8 + random.bounded(14u));
            row.Guete = QString::fromLatin1(grades[random.bounded(5u)]);
            row.Einzelstamm = kind >= 20;
            row.Sorte = row.Einzelstamm ? QStringLiteral("L ") : QStringLiteral("IL");
            row.Stueck = row.Einzelstamm ? 1 : 1 + random.bounded(12u);
            row.Nummer = row.Einzelstamm ? ++nummer : 0;
            row.RindenAbzug = d < 27 ? 1 : (d < 51 ? 2 : 3);
            row.Staerke = diameterClass(d - row.RindenAbzug);
            const double dm = (d - row.RindenAbzug) / 100.0;
            row.Kubatur = twoDecimals(row.Stueck * row.Laenge * 3.1415 * dm * dm / 4);
            pieces += qint64(row.Stueck);
        }
        total += row.Kubatur;
        writer.addRecord(row);
    }
    header.Kubatur = twoDecimals(total);
    header.Stueckzahl = int(pieces);
    header.NummerHigh = nummer;
    header.Los = reg;
    header.Bearbeitet = QDate::currentDate();
    writer.finish(header, {}, {});
    return true;
}

} // namespace cli
