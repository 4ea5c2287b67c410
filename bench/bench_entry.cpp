// SPDX-License-Identifier: GPL-3.0-or-later
// The entry screen with a big list open: a key press through the window,
// saving a record durably, and opening the list with its table filled.
//
//   build/bench/bench_entry [--records=100000] [--database=SERVER] [benchmark options]
//
// Runs offscreen. One data folder is set up once with a list of N records
// ("Gross") and one of 100 ("Klein"); the window shows the entry screen
// on it as the program does. Saving is measured on both lists (argument 0:
// Klein, 1: Gross), three ways: a key through the window to the record saved
// and painted; the save of a screen model without a window; and, as the floor, a
// bare durable insert of a record plus the update of its list row.
#include "cli/ConsoleUserInterface.h"
#include "cli/ListGenerator.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/KeyCodes.h"
#include "entry/Keypad.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTable.h"
#include "import/DataFolderSetup.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

#include "bench/BenchServer.h"
#include "bench/BenchSupport.h"
#include "bench/EngineFloor.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

#include <benchmark/benchmark.h>

namespace {

int records = 100000;
const QString Big = QStringLiteral("Gross");
const QString Small = QStringLiteral("Klein");

struct Screen {
    QTemporaryDir folder;
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
    std::unique_ptr<store::Settings> settings;
    // Anything the screen says during a benchmark shows on stderr.
    QTextStream err{stderr};
    cli::ConsoleUserInterface ui{err};
    std::unique_ptr<entry::FrmHolz> model;
    std::unique_ptr<entry::FrmHolzWindow> window;
    // A second model on the same connections without a window: the save
    // without any view to update.
    std::unique_ptr<entry::FrmHolz> bare;

    Screen()
    {
        const store::DataFolder data(folder.path());
        importer::DataFolderSetup::ensure(data);
        holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
        master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData);
        cli::ListGenerator generator(
            {QStringLiteral("Fichte"), QStringLiteral("Kiefer"), QStringLiteral("Buche")});
        generator.generate(*holz, Big, records);
        generator.generate(*holz, Small, 100);
        settings = std::make_unique<store::Settings>(folder.filePath(QStringLiteral("Stemmo.ini")));
        settings->set(store::keys::ListenNr, Big);
        model = std::make_unique<entry::FrmHolz>(*holz, *master, *settings, ui);
        model->setDezimalpunkt(false);
        model->Form_Load();
        bare = std::make_unique<entry::FrmHolz>(*holz, *master, *settings, ui);
        bare->setDezimalpunkt(false);
        bare->Form_Load();
        window = std::make_unique<entry::FrmHolzWindow>(*model);
        window->resize(1280, 800);
        window->showAndActivate();
        QApplication::processEvents();
    }

    // A key as the keyboard sends it, to whatever has the focus, and the
    // screen painted again.
    void key(int qtKey, const QString& text = QString())
    {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window.get();
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        target = window->focusWidget() ? window->focusWidget() : window.get();
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }

    // The list of that name opened as a tap in the list of lists does,
    // and the visible rows of the table painted.
    void openList(const QString& name)
    {
        model->ListListen_Click(model->listListen().findList(name));
        window->listDaten()->viewport()->repaint();
    }
};

Screen* screen = nullptr;

void prepareRecord()
{
    // Species, grade and assortment stay for the following records.
    screen->model->chooseSorte(QStringLiteral("L "));
    screen->model->chooseGrade(QStringLiteral("B "));
    screen->model->textEdited(entry::ControlId::txtHolzart, QStringLiteral("Fichte"));
}

void keyPress(benchmark::State& state)
{
    screen->openList(Big);
    prepareRecord();
    for (auto _ : state) {
        screen->key(Qt::Key_4, QStringLiteral("4"));
        screen->key(Qt::Key_Backspace);
    }
    state.counters["records"] = screen->model->listDaten().rowCount();
    state.SetItemsProcessed(state.iterations() * 2);
}

const QString& listOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? Small : Big;
}

void saveRecord(benchmark::State& state)
{
    screen->openList(listOf(state));
    prepareRecord();
    for (auto _ : state) {
        screen->key(Qt::Key_4, QStringLiteral("4"));
        screen->key(Qt::Key_2, QStringLiteral("2"));
        screen->key(Qt::Key_5, QStringLiteral("5"));
        screen->key(Qt::Key_Return);
    }
    if (screen->model->state().gespeichert != true)
        state.SkipWithError("the record was not saved");
    state.counters["records"] = screen->model->listDaten().rowCount();
}

// The save itself: check, transaction, the model's state; the record is
// typed into a model without a window outside the measured time.
void saveModel(benchmark::State& state)
{
    entry::FrmHolz& model = *screen->bare;
    model.ListListen_Click(model.listListen().findList(listOf(state)));
    model.chooseSorte(QStringLiteral("L "));
    model.chooseGrade(QStringLiteral("B "));
    model.textEdited(entry::ControlId::txtHolzart, QStringLiteral("Fichte"));
    for (auto _ : state) {
        state.PauseTiming();
        model.cmdLaenge_Click();
        model.keypad(QStringLiteral("4"));
        model.cmdDurchm_Click();
        model.keypad(QStringLiteral("2"));
        model.keypad(QStringLiteral("5"));
        state.ResumeTiming();
        if (!model.cmdSpeichern_Click()) {
            state.SkipWithError("the record was not saved");
            break;
        }
    }
    state.counters["records"] = model.listDaten().rowCount();
}

// The engine alone, as the yardstick of the save above.
void bareInsert(benchmark::State& state)
{
    store::Database& db = *screen->holz;
    const QString list = listOf(state);
    for (auto _ : state)
        bench::bareDurableInsert(db, list);
}

void openBigList(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        screen->openList(Small);
        state.ResumeTiming();
        screen->openList(Big);
    }
    state.counters["rows"] = screen->model->listDaten().rowCount();
}

} // namespace

BENCHMARK(keyPress)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveRecord)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(saveModel)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(bareInsert)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);
BENCHMARK(openBigList)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    records = bench::recordsOption(argc, argv, records);
    QApplication application(argc, argv);
    const bench::BenchServer server(argc, argv);
    std::fprintf(stderr, "bench_entry on %s\n", qPrintable(server.description()));
    benchmark::Initialize(&argc, argv);
    Screen s;
    screen = &s;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen = nullptr;
    return 0;
}
