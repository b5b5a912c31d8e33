// Opening a ship tab against the floor of building as many plain labels, and the memory
// of a long session of opening and closing tabs.
#include "mainwindow/MainWindow.h"
#include "shiptab/ShipTab.h"
#include "toolkit/Application.h"
#include "toolkit/ListBox.h"

#include <QLabel>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

TMainForm* Form = nullptr;

double ResidentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Both build timings leave out tearing down and the events the build posted, which the
// event loop would handle (and which would pile up here without it).
void TearDown(benchmark::State& state, QWidget* page)
{
    state.PauseTiming();
    delete page;
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// The floor: 76 plain labels with a fixed geometry on one widget.
void BM_Floor76Labels(benchmark::State& state)
{
    for (auto _ : state) {
        auto* page = new QWidget;
        for (int i = 0; i < 76; ++i) {
            auto* label = new QLabel(QStringLiteral(" N/A"), page);
            label->setGeometry((i % 3) * 88, (i / 3) * 16, 49, 17);
        }
        TearDown(state, page);
    }
}

// One tab opened through the list's double-click handler.
void BM_OpenShipTab(benchmark::State& state)
{
    for (auto _ : state) {
        Form->ShipListBoxDblClick(nullptr);
        TearDown(state, Form->ShipPageControl->widget(0));
    }
}

// Open and close through the close button, as a user does; resident memory after 100 and 1000.
void BM_OpenCloseSession(benchmark::State& state)
{
    for (auto _ : state) {
        double after100 = 0;
        for (int cycle = 1; cycle <= 1000; ++cycle) {
            Form->ShipListBoxDblClick(nullptr);
            auto* frame = Form->ShipPageControl->currentWidget()->findChild<TShipTabFrame*>();
            frame->SpeedButton1Click(nullptr);
            QCoreApplication::processEvents(); // as the event loop would: paint, then delete
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (cycle == 100)
                after100 = ResidentMiB();
        }
        const double after1000 = ResidentMiB();
        state.counters["rss_after_100_MiB"] = after100;
        state.counters["rss_after_1000_MiB"] = after1000;
        state.counters["growth_pct"] = (after1000 - after100) / after100 * 100.0;
    }
}

BENCHMARK(BM_Floor76Labels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenShipTab)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenCloseSession)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::TApplication app(argc, argv);
    // The shipped data, from the repository root.
    std::filesystem::current_path(SHIPPLANNER_SOURCE_DIR);
    TMainForm form;
    Form = &form;
    form.show();
    form.ShipListBox->setCurrentRow(0);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
