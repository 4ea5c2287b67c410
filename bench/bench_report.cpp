// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and documents of big lists.
//
//   build/bench/bench_report [--records=10000] [benchmark options]
//
// Generates one list of N records in a temporary data folder, then measures
// the report program's outputs: taking the list over into a working copy,
// the PDF pages and the .docx documents, in process and as the whole
// `stemmo report` / `stemmo word` run (process start included).
#include "cli/ListGenerator.h"
#include "import/DataFolderSetup.h"
#include "report/AssortmentSummary.h"
#include "report/ReportLayout.h"
#include "report/ReportTexts.h"
#include "report/WordExport.h"
#include "report/WorkCopy.h"
#include "store/ListRepository.h"
#include "store/Database.h"
#include "store/MasterData.h"
#include "store/TimberStore.h"

#include "bench/BenchSupport.h"
#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

int records = 10000;
QTemporaryDir* folder = nullptr;
std::unique_ptr<store::Database> holz;
std::unique_ptr<store::Database> master;
std::unique_ptr<store::Database> workDb;
const QString ListName = QStringLiteral("Bench");

QList<store::HolzartRow> species()
{
    return store::MasterData(*master).species(8);
}

store::ListenRow listRow()
{
    return store::ListRepository(*holz).find(ListName).value_or(store::ListenRow());
}

void takeOver(benchmark::State& state)
{
    report::WorkCopy work(*workDb);
    for (auto _ : state)
        benchmark::DoNotOptimize(work.takeOver(*holz, ListName));
    state.counters["records"] = work.count();
}

void pdfPages(benchmark::State& state)
{
    report::WorkCopy work(*workDb);
    work.takeOver(*holz, ListName);
    int pages = 0;
    for (auto _ : state) {
        report::ReportDocument document;
        document.list = listRow();
        document.headerText = report::ReportTexts::headerText(document.list);
        document.rows = work.rows();
        document.summary = report::AssortmentSummary::build(ListName, species(), document.rows);
        document.lotTotals = true;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        pages = report::ReportLayout(document).writePdf(buffer);
        state.counters["MB"] = double(buffer.size()) / 1e6;
    }
    state.counters["pages"] = pages;
}

void wordDocuments(benchmark::State& state)
{
    report::WorkCopy work(*workDb);
    work.takeOver(*holz, ListName);
    report::WordExport::Options options;
    options.losweise = state.range(0) != 0;
    options.verdichtet = true;
    options.heading = QStringLiteral("Holzverkauf");
    options.folder = folder->filePath(QStringLiteral("docs"));
    int documents = 0;
    for (auto _ : state)
        documents = int(report::WordExport(*holz, work, species()).write(listRow(), options).size());
    state.counters["documents"] = documents;
}

// The whole command as the user runs it.
void command(benchmark::State& state, const QStringList& args)
{
    QString error;
    for (auto _ : state)
        if (bench::runStemmo(folder->path(), QString(), args, &error) != 0)
            state.SkipWithError(error.toUtf8().constData());
}

void stemmoReport(benchmark::State& state)
{
    command(state, {QStringLiteral("report"), ListName, QStringLiteral("--pdf"),
                    folder->filePath(QStringLiteral("bench.pdf")), QStringLiteral("--verdichtet")});
}

void stemmoWord(benchmark::State& state)
{
    QStringList args{QStringLiteral("word"), ListName, QStringLiteral("--verdichtet"),
                     QStringLiteral("--out"), folder->filePath(QStringLiteral("cli-docs"))};
    if (state.range(0))
        args << QStringLiteral("--losweise");
    command(state, args);
}

} // namespace

BENCHMARK(takeOver)->Unit(benchmark::kMillisecond);
BENCHMARK(pdfPages)->Unit(benchmark::kMillisecond);
BENCHMARK(wordDocuments)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(stemmoReport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(stemmoWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    // Fonts for the pages, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    records = bench::recordsOption(argc, argv, records);
    QTemporaryDir dir;
    folder = &dir;
    // The commands read their settings here, not the user's.
    qputenv("STEMMO_SETTINGS", dir.filePath(QStringLiteral("Stemmo.ini")).toUtf8());
    const store::DataFolder data(dir.path());
    importer::DataFolderSetup::ensure(data);
    holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
    master =
        store::Database::open(data.masterDb(), store::DatabaseKind::MasterData, store::OpenMode::ReadOnly);
    workDb = store::Database::open(data.workDb(), store::DatabaseKind::Work);
    QStringList names;
    for (const auto& row : species())
        names << row.Holzart;
    cli::ListGenerator(names, 7).generate(*holz, ListName, records);

    bench::runBenchmarks(argc, argv);
    workDb.reset();
    master.reset();
    holz.reset();
    return 0;
}
