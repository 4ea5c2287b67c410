// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, walking and totalling big lists.
//
//   build/bench/bench_lists [--records=100000] [--database=SERVER] [benchmark options]
//
// Generates one list of N records in a temporary data folder once, then
// measures the quick check of the file, opening the list in each record
// order, reading every record through the record set and streaming it for
// an export. Peak memory of the whole process is reported as the counter
// "peak_MB".
#include "cli/ListGenerator.h"
#include "store/RecordRepository.h"
#include "store/DataFolder.h"
#include "store/DatabaseLocation.h"
#include "store/Database.h"
#include "store/DatabaseCheck.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

#include "bench/BenchServer.h"
#include "bench/BenchSupport.h"
#include "cli/ConsoleUserInterface.h"
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

#include <benchmark/benchmark.h>

namespace {

int records = 100000;
QTemporaryDir* folder = nullptr;
std::unique_ptr<store::Database> db;
std::unique_ptr<store::Settings> settings;
const QString ListName = QStringLiteral("Bench");

void openList(benchmark::State& state)
{
    settings->set(store::keys::Sortierung, QString::number(state.range(0)));
    store::TimberStore timber(*db, *settings);
    timber.Listen_Oeffnen(store::ListenOrder::ListeDesc);
    timber.moveToList(ListName);
    for (auto _ : state) {
        timber.Holzliste_Oeffnen();
        timber.Holz.moveLast();
        benchmark::DoNotOptimize(timber.Holz.current().Kubatur);
    }
    state.counters["records"] = timber.Holz.recordCount();
    state.counters["peak_MB"] = bench::peakMegabytes();
}

void walkRecordSet(benchmark::State& state)
{
    store::TimberStore timber(*db, *settings);
    timber.Listen_Oeffnen(store::ListenOrder::ListeDesc);
    timber.moveToList(ListName);
    timber.Holzliste_Oeffnen();
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < timber.Holz.recordCount(); ++i)
            sum += timber.Holz.at(i).Kubatur;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["peak_MB"] = bench::peakMegabytes();
}

void streamRecords(benchmark::State& state)
{
    for (auto _ : state) {
        double sum = 0;
        store::RecordRepository(*db).forEachRecord(ListName, QStringLiteral("1"), false,
                                          [&](const store::HolzRow& row) { sum += row.Kubatur; });
        benchmark::DoNotOptimize(sum);
    }
    state.counters["peak_MB"] = bench::peakMegabytes();
}

// What the recording program adds to its start: the quick check of the
// list database.
void quickCheck(benchmark::State& state)
{
    const QString path = db->path();
    if (store::DatabaseLocation::isServer(path)) {
        state.SkipWithError("the quick check is one of files");
        return;
    }
    for (auto _ : state) {
        const auto result = store::DatabaseCheck::run(path, store::DatabaseKind::Holz);
        if (!result.ok())
            state.SkipWithError("the database was found damaged");
    }
    state.counters["records"] = records;
}

} // namespace

BENCHMARK(quickCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(openList)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(walkRecordSet)->Unit(benchmark::kMillisecond);
BENCHMARK(streamRecords)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    records = bench::recordsOption(argc, argv, records);
    const bench::BenchServer server(argc, argv);
    std::fprintf(stderr, "bench_lists on %s\n", qPrintable(server.description()));
    QTemporaryDir dir;
    folder = &dir;
    db = store::Database::open(store::DataFolder(dir.path()).holzDb(), store::DatabaseKind::Holz);
    settings = std::make_unique<store::Settings>(dir.filePath(QStringLiteral("Stemmo.ini")));
    cli::ListGenerator({}, 7).generate(*db, ListName, records);

    bench::runBenchmarks(argc, argv);
    db.reset();
    return 0;
}
