// SPDX-License-Identifier: GPL-3.0-or-later
// Assortment generation on a big list.
//
//   build/bench/bench_sortiment [--records=100000] [benchmark options]
//
// A list of N assortment records, one log each, as typed in assortment
// mode: 8 lots, lengths of 3 to 6 m, grades B, C and D, diameters of 15 to
// 45 cm, assortments L and IL. The list is written afresh before every run,
// outside the measured time. Measured: the compaction itself (one pass, one
// transaction, stored totals), and `stemmo sortiment` as a user runs it,
// process start included.
#include "entry/AssortmentGenerator.h"
#include "import/DataFolderSetup.h"
#include "store/Database.h"
#include "store/HolzRow.h"
#include "store/ListImportWriter.h"
#include "store/ListRepository.h"
#include "store/ListenRow.h"
#include "store/LotRegister.h"
#include "store/Transaction.h"

#include "bench/BenchSupport.h"
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

int records = 100000;
const QString ListName = QStringLiteral("Sortimentsliste");
QTemporaryDir* dir = nullptr;
std::unique_ptr<store::Database> holz;
std::vector<store::HolzRow> logs;

void makeLogs()
{
    QRandomGenerator random(11);
    static const char* grades[] = {"B ", "C ", "D "};
    logs.clear();
    logs.reserve(size_t(records));
    for (int i = 0; i < records; ++i) {
        store::HolzRow row;
        row.SatzNr = i + 1;
        row.Liste = ListName;
        row.Los = 1 + int(random.bounded(8u));
        row.Holzart = QStringLiteral("Fichte");
        row.Guete = QString::fromLatin1(grades[random.bounded(3u)]);
        row.Sorte = random.bounded(10u) < 8 ? QStringLiteral("L ") : QStringLiteral("IL");
        row.Laenge = 3 + random.bounded(4u);
        row.Durchm = 15 + random.bounded(31u);
        row.Staerke = QStringLiteral("2a");
        row.Stueck = 1;
        row.Stamm = QStringLiteral("1");
        row.Rinde = QStringLiteral("a");
        row.RindenAbzug = 1;
        const double d = (row.Durchm - 1) / 100.0;
        row.Kubatur = std::round(row.Laenge * 3.1415 * d * d / 4 * 100) / 100;
        logs.push_back(row);
    }
}

// The list as typed: its records and its header with the stored totals.
void writeList()
{
    store::ListRepository lists(*holz);
    if (const auto old = lists.find(ListName)) {
        store::Transaction transaction(*holz);
        lists.deleteList(*old);
        transaction.commit();
    }
    store::ListImportWriter writer(*holz);
    writer.begin(ListName);
    double total = 0;
    for (const store::HolzRow& row : logs) {
        writer.addRecord(row);
        total += row.Kubatur;
    }
    store::ListenRow list;
    list.Liste = ListName;
    list.Los = store::LotRegister::initial();
    for (int lot = 2; lot <= 8; ++lot)
        list.Los = store::LotRegister::entered(list.Los, lot);
    list.Kubatur = std::round(total * 100) / 100;
    list.Stueckzahl = records;
    writer.finish(list, {}, {});
}

void compaction(benchmark::State& state)
{
    entry::AssortmentGenerator::Result result;
    for (auto _ : state) {
        state.PauseTiming();
        writeList();
        state.ResumeTiming();
        result = entry::AssortmentGenerator::compact(*holz, ListName);
    }
    state.counters["records"] = double(result.recordsBefore);
    state.counters["left"] = double(result.recordsAfter);
    state.counters["records_per_s"] =
        benchmark::Counter(double(result.recordsBefore), benchmark::Counter::kIsIterationInvariantRate);
}

void stemmoSortiment(benchmark::State& state)
{
    int exitCode = -1;
    QString error;
    for (auto _ : state) {
        state.PauseTiming();
        writeList();
        state.ResumeTiming();
        exitCode = bench::runStemmo(dir->filePath(QStringLiteral("data")),
                                    dir->filePath(QStringLiteral("Stemmo.ini")),
                                    {QStringLiteral("sortiment"), ListName}, &error);
        if (exitCode != 0)
            break;
    }
    if (exitCode != 0)
        state.SkipWithError(error.toUtf8().constData());
}

} // namespace

BENCHMARK(compaction)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(stemmoSortiment)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    records = bench::recordsOption(argc, argv, records);
    QTemporaryDir temporary;
    dir = &temporary;
    const store::DataFolder folder(temporary.filePath(QStringLiteral("data")));
    importer::DataFolderSetup::ensure(folder);
    holz = store::Database::open(folder.holzDb(), store::DatabaseKind::Holz);
    makeLogs();

    bench::runBenchmarks(argc, argv);
    holz.reset();
    return 0;
}
