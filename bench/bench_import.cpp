// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a big handheld list file.
//
//   build/bench/bench_import [--records=100000] [--database=SERVER] [benchmark options]
//
// Generates a list of N realistic records once, exports it as an EG10
// (handheld) file, and measures: splitting and decoding its lines, reading
// it into rows, the whole import into the database (read, parse, store in
// one transaction), and the command `stemmo import` as a user runs it,
// process start included, with the peak memory of that process. The list
// is deleted again between runs, outside the measured time.
//
//   build/bench/bench_import --records=1000000 --benchmark_filter=stemmoImport
#include "cli/ConsoleUserInterface.h"
#include "cli/ListGenerator.h"
#include "export/ExportDriver.h"
#include "import/DataFolderSetup.h"
#include "import/HolzartLookup.h"
#include "import/ImportDriver.h"
#include "import/ListFile.h"
#include "import/ListFileReader.h"
#include "import/ListFileStream.h"
#include "import/UseCodeLookup.h"
#include "rules/BarkTable.h"
#include "store/Database.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include "bench/BenchServer.h"
#include "bench/BenchSupport.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

int records = 100000;
const QString ListName = QStringLiteral("Grossliste");
QTemporaryDir* dir = nullptr;
std::unique_ptr<store::Database> holz;
std::unique_ptr<store::Database> master;
std::unique_ptr<store::Settings> settings;
QString filePath;
QByteArray fileBytes;

void deleteList()
{
    store::ListRepository lists(*holz);
    const auto list = lists.find(ListName);
    if (!list)
        return;
    store::Transaction transaction(*holz);
    lists.deleteList(*list);
    transaction.commit();
}

// The list file as the export writes it for the handheld device.
void prepareFile(const store::DataFolder& folder)
{
    importer::DataFolderSetup::ensure(folder);
    holz = store::Database::open(folder.holzDb(), store::DatabaseKind::Holz);
    master = store::Database::open(folder.masterDb(), store::DatabaseKind::MasterData);
    settings = std::make_unique<store::Settings>(dir->filePath(QStringLiteral("Stemmo.ini")));
    QStringList species;
    for (const auto& row : store::MasterData(*master).species(settings->number(store::keys::RegionIndex, 8)))
        species << row.Holzart;
    cli::ListGenerator(species, 7).generate(*holz, ListName, records);
    filePath = dir->filePath(QStringLiteral("Grossliste.dat"));
    store::TimberStore timber(*holz, *settings);
    timber.Listen_Oeffnen();
    timber.moveToList(ListName);
    exporter::ExportDriver(*master, *settings, bench::silentUi()).Konvertieren(timber, filePath, 6);
    QFile file(filePath);
    if (file.open(QIODevice::ReadOnly))
        fileBytes = file.readAll();
    deleteList();
}

void streamLines(benchmark::State& state)
{
    for (auto _ : state) {
        QBuffer buffer(&fileBytes);
        buffer.open(QIODevice::ReadOnly);
        importer::ListFileStream stream(buffer);
        stream.open();
        QString line;
        qint64 lines = 0;
        while (stream.next(line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * fileBytes.size());
}

void readRows(benchmark::State& state)
{
    const store::MasterData data(*master);
    const int region = settings->number(store::keys::RegionIndex, 8);
    const importer::UseCodeLookup codes(data.einschlagtypen(), data.nutzungsarten());
    const rules::BarkTable bark = data.barkTable(region);
    qint64 rows = 0;
    for (auto _ : state) {
        importer::HolzartLookup species(data.species(region));
        const auto result = importer::ListFileReader(species, codes, bark).Datei_Lesen(fileBytes);
        rows = result.list->totals.records;
        benchmark::DoNotOptimize(rows);
    }
    state.counters["records"] = double(rows);
    state.counters["records_per_s"] =
        benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate);
}

void importFile(benchmark::State& state)
{
    importer::ImportDriver driver(*holz, *master, *settings, bench::silentUi());
    int stored = 0;
    for (auto _ : state) {
        stored = driver.importFile(filePath).records;
        state.PauseTiming();
        deleteList();
        state.ResumeTiming();
    }
    state.counters["records"] = stored;
}

// The peak resident memory of a running process so far (Linux; 0 elsewhere).
double peakMegabytesOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

void stemmoImport(benchmark::State& state)
{
    int exitCode = -1;
    QString error;
    double peak = 0;
    for (auto _ : state) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("STEMMO_SETTINGS"), dir->filePath(QStringLiteral("Stemmo.ini")));
        QProcess stemmo;
        stemmo.setProcessEnvironment(env);
        stemmo.start(QStringLiteral(STEMMO_EXECUTABLE),
                     {QStringLiteral("--data"), dir->filePath(QStringLiteral("data")),
                      QStringLiteral("import"), filePath});
        // Its memory, looked at while it runs: the peak just before it ends
        // is the peak of the whole import.
        while (!stemmo.waitForFinished(20))
            peak = qMax(peak, peakMegabytesOf(stemmo.processId()));
        exitCode = stemmo.exitCode();
        if (exitCode != 0)
            error = QString::fromLocal8Bit(stemmo.readAllStandardError());
        state.PauseTiming();
        deleteList();
        state.ResumeTiming();
    }
    if (exitCode != 0)
        state.SkipWithError(error.toUtf8().constData());
    state.counters["peak_mb"] = peak;
    state.counters["file_mb"] = double(fileBytes.size()) / (1024.0 * 1024.0);
}

} // namespace

BENCHMARK(streamLines)->Unit(benchmark::kMillisecond);
BENCHMARK(readRows)->Unit(benchmark::kMillisecond);
BENCHMARK(importFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(stemmoImport)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    records = bench::recordsOption(argc, argv, records);
    const bench::BenchServer server(argc, argv);
    fprintf(stderr, "bench_import on %s\n", qPrintable(server.description()));
    QTemporaryDir temporary;
    dir = &temporary;
    prepareFile(store::DataFolder(temporary.filePath(QStringLiteral("data"))));
    if (fileBytes.isEmpty()) {
        fprintf(stderr, "the list file could not be written\n");
        return 1;
    }

    bench::runBenchmarks(argc, argv);
    holz.reset();
    master.reset();
    return 0;
}
