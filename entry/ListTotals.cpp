// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListTotals.h"

#include "rules/Numbers.h"
#include "store/RecordRepository.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace entry {

qint64 ListTotals::pieceCount(const QString& sorte, double stueck, bool folgestamm)
{
    if (sorte == QLatin1String("S ") || sorte == QLatin1String("IS"))
        return 1;
    if (folgestamm)
        return 0;
    return rules::roundHalfEven(stueck);
}

qint64 ListTotals::pieceCount(const store::HolzRow& row)
{
    return pieceCount(row.Sorte, row.Stueck, row.Folgestamm);
}

double ListTotals::twoDecimals(double value)
{
    // A record's value is single precision and rounds as the screen shows it;
    // a list's total goes beyond the cents a float can hold (350 116.65 would
    // become 350 116.66), so it rounds as the double it is.
    if (std::abs(value) < 10000.0)
        return std::round(double(rules::roundTwo(float(value))) * 100.0) / 100.0;
    return std::round(value * 100.0) / 100.0;
}

double ListTotals::storedKubatur(double volume, bool hasRecords)
{
    if (!hasRecords)
        return 0;
    const double rounded = twoDecimals(volume);
    return rounded > 0 ? rounded : 1.0;
}

void ListTotals::moveTotals(store::ListenRow& list, double volume, qint64 pieces, bool hasRecords)
{
    list.Kubatur = storedKubatur(list.Kubatur + volume, hasRecords);
    list.Stueckzahl =
        int(std::clamp<qint64>(qint64(list.Stueckzahl) + pieces, 0, std::numeric_limits<int>::max()));
}

void ListTotals::add(const QString& sorte, double stueck, bool folgestamm, int los, double kubatur)
{
    const qint64 count = pieceCount(sorte, stueck, folgestamm);
    ++records;
    pieces += count;
    volume += kubatur;
    if (los >= 1 && los <= MaxLot) {
        lotVolume[size_t(los)] += kubatur;
        lotPieces[size_t(los)] += count;
    }
}

ListTotals ListTotals::compute(store::Database& db, const QString& list)
{
    ListTotals totals;
    store::RecordRepository(db).forEachTotalsFields(
        list, [&](const store::RecordRepository::TotalsFields& f) {
            totals.add(f.sorte, f.stueck, f.folgestamm, f.los, f.kubatur);
        });
    return totals;
}

QString ListTotals::Losweise_Kubatur(bool dezimalpunkt) const
{
    if (records == 0)
        return QString();
    QString lines;
    int shown = 0;
    for (int lot = 1; lot <= MaxLot && shown < MaxLotLines; ++lot) {
        const double lotSum = lotVolume[size_t(lot)];
        if (rules::roundTwo(float(lotSum)) == 0)
            continue;
        lines += QStringLiteral("Los ") + QString::number(lot) + QStringLiteral(" = ") +
                 rules::formatTwo(lotSum, dezimalpunkt) + QStringLiteral(" fm ") +
                 QString::number(lotPieces[size_t(lot)]) + QStringLiteral(" Stück\r");
        ++shown;
    }
    return QStringLiteral("\rLosweise Kubatur :\r") + lines;
}

QString ListTotals::message(bool dezimalpunkt) const
{
    return QStringLiteral("Kubatur ges.= ") + rules::formatTwo(volume, dezimalpunkt) +
           QStringLiteral(" fm\r") + QStringLiteral("Stückzahl = ") + QString::number(pieces) +
           Losweise_Kubatur(dezimalpunkt);
}

} // namespace entry
