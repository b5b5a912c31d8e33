// Builds as text on a large catalogue: copying every listed ship, and pasting many builds
// (each opens a tab, which is what a paste costs).
#include "mainwindow/MainWindow.h"
#include "tests/support/Records.h"
#include "tests/support/TempDir.h"
#include "toolkit/Application.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

TMainForm* Form = nullptr;

// Copies the 5,000 ships of the list.
void BM_CopyShipList(benchmark::State& state)
{
    for (auto _ : state)
        Form->CopyShipList();
    state.counters["ships"] = static_cast<double>(QGuiApplication::clipboard()->text().count('\n') - 1);
}

// Pastes the first `range(0)` ships' rows back, then closes the tabs they opened (not timed).
void BM_PasteBuilds(benchmark::State& state)
{
    Form->CopyShipList();
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    QGuiApplication::clipboard()->setText(lines.mid(1, static_cast<qsizetype>(state.range(0))).join('\n'));
    for (auto _ : state) {
        Form->PasteBuilds();
        state.PauseTiming();
        while (Form->ShipPageControl->count() > 0)
            delete Form->ShipPageControl->widget(0);
        state.ResumeTiming();
    }
    state.counters["per_build_us"] = benchmark::Counter(
        static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert,
        benchmark::Counter::kIs1000);
}

BENCHMARK(BM_CopyShipList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteBuilds)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::TApplication app(argc, argv);
    TempDir dir;
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i)
        lines.push_back(testsupport::ShipLine("Ship " + std::to_string(i),
                                              {{1, "52000"}, {9, "30"}, {10, "20"}, {11, "100"}, {12, "20"}}, "1"));
    testsupport::WriteCatalogue(dir, lines);
    const WorkingDirectory cwd(dir.path());
    TMainForm form;
    Form = &form;
    form.show();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
