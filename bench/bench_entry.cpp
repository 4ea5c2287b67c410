// The entry screen with a big list open: a key press through the window,
// saving a record durably, and opening the list with its table filled.
//
//   build/bench/bench_entry [--records=100000] [benchmark options]
//
// Runs offscreen. One data folder is set up once with a list of N records
// ("Gross") and a small one ("Klein"); the window shows the entry screen
// on it as the program does.
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

#include "bench/BenchSupport.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>

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

    Screen()
    {
        const store::DataFolder data(folder.path());
        importer::DataFolderSetup::ensure(data);
        holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
        master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData);
        cli::ListGenerator generator(
            {QStringLiteral("Fichte"), QStringLiteral("Kiefer"), QStringLiteral("Buche")});
        generator.generate(*holz, Big, records);
        generator.generate(*holz, Small, 10);
        settings = std::make_unique<store::Settings>(folder.filePath(QStringLiteral("Stemmo.ini")));
        settings->set(store::keys::ListenNr, Big);
        model = std::make_unique<entry::FrmHolz>(*holz, *master, *settings, ui);
        model->setDezimalpunkt(false);
        model->Form_Load();
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
    screen->model->textEdited(QStringLiteral("txtHolzart"), QStringLiteral("Fichte"));
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

void saveRecord(benchmark::State& state)
{
    screen->openList(Big);
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
BENCHMARK(saveRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(openBigList)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    records = bench::recordsOption(argc, argv, records);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Screen s;
    screen = &s;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen = nullptr;
    return 0;
}
