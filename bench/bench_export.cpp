// SPDX-License-Identifier: GPL-3.0-or-later
// Converting a big list into each exchange format, as `stemmo export` does.
//
//   build/bench/bench_export [--records=100000] [benchmark options]
//
// Generates one list of N records in a temporary data folder once, then
// measures the whole export of that list: opening its records, writing the
// file(s) through a temporary file, moving them into place and stamping the
// list. ABIES is left out because it ends by starting an external program,
// Latschbacher because its text file holds stack lengths below 10 m only and
// the generated stacks are longer.
#include "cli/ConsoleUserInterface.h"
#include "cli/ListGenerator.h"
#include "export/ExportDriver.h"
#include "export/ExportFormats.h"
#include "import/DataFolderSetup.h"
#include "store/Database.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

#include "bench/BenchSupport.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

int records = 100000;
QTemporaryDir* folder = nullptr;
std::unique_ptr<store::Database> holz;
std::unique_ptr<store::Database> master;
std::unique_ptr<store::Settings> settings;
const QString ListName = QStringLiteral("Bench");

void exportList(benchmark::State& state)
{
    const exporter::ExportFormat* format = exporter::ExportFormats::byNumber(int(state.range(0)));
    state.SetLabel(format->name.toStdString());
    QTextStream err(stderr);
    cli::ConsoleUserInterface ui(err);
    ui.setQuiet(true);
    store::TimberStore timber(*holz, *settings);
    timber.Listen_Oeffnen();
    timber.moveToList(ListName);
    exporter::ExportDriver driver(*master, *settings, ui);
    const QString path = folder->filePath(QStringLiteral("Bench.") + format->extension);
    qint64 bytes = 0;
    for (auto _ : state) {
        const auto result = driver.Konvertieren(timber, path, format->number);
        if (result.outcome != exporter::ExportDriver::Outcome::Written) {
            state.SkipWithError(result.errorText().toStdString().c_str());
            break;
        }
        bytes = 0;
        for (const QString& file : result.files)
            bytes += QFileInfo(file).size();
    }
    state.counters["records"] = records;
    state.counters["file_MB"] = double(bytes) / (1024 * 1024);
}

} // namespace

// EG10 first: it is the file the handheld devices and the import take.
// Then ELDATsmart, CSV and the workbook (one sheet; the per-lot sheets are
// the same rows once more).
BENCHMARK(exportList)
    ->Arg(6)
    ->Arg(1)
    ->Arg(3)
    ->Arg(5)
    ->Arg(7)
    ->Arg(exporter::ExportFormats::Eldat)
    ->Arg(exporter::ExportFormats::Csv)
    ->Arg(exporter::ExportFormats::Xlsx)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    records = bench::recordsOption(argc, argv, records);
    QTemporaryDir dir;
    folder = &dir;
    const store::DataFolder data(dir.path());
    importer::DataFolderSetup::ensure(data);
    holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
    master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData);
    settings = std::make_unique<store::Settings>(dir.filePath(QStringLiteral("Stemmo.ini")));
    QStringList species;
    for (const auto& row : store::MasterData(*master).species(settings->number(store::keys::RegionIndex, 8)))
        species << row.Holzart;
    cli::ListGenerator(species, 7).generate(*holz, ListName, records);

    bench::runBenchmarks(argc, argv);
    holz.reset();
    master.reset();
    return 0;
}
