// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic lot assignment, the first step of every save.
//
//   build/bench/bench_autolos [benchmark options]
//
// 85 rules in one rule set, each accepting one length only, so a record of
// the last length reads every rule before it finds its lot: the worst case
// of a save. "settled" is the normal case; "just written" is a save within
// two seconds of storing a rule, when the settings file is read again on
// every lookup because its time stamp cannot yet be trusted.
#include "lots/AutoLos.h"
#include "lots/LotRules.h"
#include "store/Settings.h"

#include "bench/BenchSupport.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* folder = nullptr;

std::unique_ptr<store::Settings> rulesFile(const QString& name)
{
    auto settings = std::make_unique<store::Settings>(folder->filePath(name));
    lots::LotRules rules(*settings);
    for (int lot = 1; lot <= lots::LotRules::MaxLot; ++lot) {
        lots::LotRule rule;
        rule[lots::LotRule::Holzart] = QStringLiteral("Fi,Ta,");
        rule[lots::LotRule::LaengeVon] = QString::number(lot);
        rule[lots::LotRule::LaengeBis] = QString::number(lot);
        rules.write({1, lot}, rule);
    }
    return settings;
}

rules::RecordFields lastLengthRecord()
{
    rules::RecordFields record;
    record.txtHolzart = QStringLiteral("Fichte");
    record.txtSorte = QStringLiteral("L ");
    record.txtGuete = QStringLiteral("B ");
    record.txtStaerke = QStringLiteral("2b");
    record.txtLaenge = QString::number(lots::LotRules::MaxLot);
    record.txtDurchmesser = QStringLiteral("27");
    record.txtKubatur = QStringLiteral("0,29");
    return record;
}

void settled(benchmark::State& state)
{
    const auto settings = rulesFile(QStringLiteral("settled.ini"));
    // Old enough that its time stamp is trusted.
    QFile file(settings->path());
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    file.close();
    const lots::LotRules rules(*settings);
    const auto record = lastLengthRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(lots::AutoLos_Zuordnen(record, QStringLiteral("185"), rules));
    if (lots::AutoLos_Zuordnen(record, QStringLiteral("185"), rules) != 85)
        state.SkipWithError("wrong lot");
}
BENCHMARK(settled)->Unit(benchmark::kMillisecond);

void justWritten(benchmark::State& state)
{
    const auto settings = rulesFile(QStringLiteral("fresh.ini"));
    const lots::LotRules rules(*settings);
    const auto record = lastLengthRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(lots::AutoLos_Zuordnen(record, QStringLiteral("185"), rules));
}
BENCHMARK(justWritten)->Unit(benchmark::kMillisecond)->Iterations(5);

void switchedOff(benchmark::State& state)
{
    const auto settings = rulesFile(QStringLiteral("off.ini"));
    const lots::LotRules rules(*settings);
    const auto record = lastLengthRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(lots::AutoLos_Zuordnen(record, QStringLiteral("0"), rules));
}
BENCHMARK(switchedOff);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    folder = &dir;
    bench::runBenchmarks(argc, argv);
    return 0;
}
