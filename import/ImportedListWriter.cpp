// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportedListWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace importer {

void ImportedListWriter::computeTotals(ImportedList& list)
{
    list.totals = ImportTotals();
    for (const auto& row : list.records)
        list.totals.add(row);
}

bool ImportedListWriter::begin(const QString& listName)
{
    return m_writer.begin(listName);
}

qint64 ImportedListWriter::add(const store::HolzRow& row)
{
    return m_writer.addRecord(row);
}

void ImportedListWriter::finish(ImportedList& list)
{
    const ImportTotals& totals = list.totals;
    list.header.Kubatur = std::round(totals.volume * 100.0) / 100.0;
    list.header.Stueckzahl = int(std::min<qint64>(totals.pieces, std::numeric_limits<int>::max()));
    list.header.NummerHigh = totals.highest;
    m_writer.finish(list.header, list.storage, list.samples);
}

bool ImportedListWriter::write(ImportedList& list, const Progress& progress)
{
    computeTotals(list);
    if (!begin(list.header.Liste))
        return false;
    const qint64 total = qint64(list.records.size());
    qint64 done = 0;
    std::vector<qint64> recordIds;
    recordIds.reserve(list.records.size());
    for (const auto& row : list.records) {
        recordIds.push_back(add(row));
        if (progress && (++done & 1023) == 0)
            progress(done, total);
    }
    for (auto& sample : list.samples) {
        const qint64 position = sample.HolzId;
        sample.HolzId =
            position >= 1 && position <= qint64(recordIds.size()) ? recordIds[size_t(position - 1)] : 0;
    }
    finish(list);
    if (progress)
        progress(total, total);
    return true;
}

} // namespace importer
