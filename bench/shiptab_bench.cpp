// Building a ship tab against the floor of as many plain labels on one widget.
#include "shiptab/ShipTab.h"
#include "toolkit/Application.h"

#include <QLabel>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A ship with every column filled and a full material line, as the sample data has them.
std::unique_ptr<CShipDataElement> Record()
{
    static const std::string line =
        "\x83\x4c\x83\x83\x83\x89\x83\x78\x83\x8b,52000,0,0,12,14,9,3,0,30,20,100,20,25,18,12,1,1,1,1,1,"
        "4,1,1,0,4,x,y,0,z"; // ship named "キャラベル"
    static const std::string entries = "20/18/150,21/19/160,22/20/170,23/21/180,24/22/190,25/23/200,"
                                       "26/24/210,27/25/220,28/26/230,29/27/240,30/28/250";
    const std::string_view view(entries);
    return std::make_unique<CShipDataElement>(line, &view);
}

// The floor: 76 plain labels with a fixed geometry on one widget, built and destroyed.
void BM_Floor76Labels(benchmark::State& state)
{
    for (auto _ : state) {
        auto* page = new QWidget;
        for (int i = 0; i < 76; ++i) {
            auto* label = new QLabel(QStringLiteral(" N/A"), page);
            label->setGeometry((i % 3) * 88, (i / 3) * 16, 49, 17);
        }
        delete page;
    }
}

// A frame on its page, bound to its own copy of a record, built and destroyed.
void BM_ShipTabFrameBound(benchmark::State& state)
{
    const auto record = Record();
    for (auto _ : state) {
        auto* page = new QWidget;
        auto* frame = new TShipTabFrame(page);
        frame->BindShip(std::make_unique<CShipDataElement>(*record));
        delete page;
    }
}

// The same two without the teardown, for telling building from destroying.
void BM_Floor76LabelsBuildOnly(benchmark::State& state)
{
    for (auto _ : state) {
        auto* page = new QWidget;
        for (int i = 0; i < 76; ++i) {
            auto* label = new QLabel(QStringLiteral(" N/A"), page);
            label->setGeometry((i % 3) * 88, (i / 3) * 16, 49, 17);
        }
        state.PauseTiming();
        delete page;
        state.ResumeTiming();
    }
}

void BM_ShipTabFrameBuildOnly(benchmark::State& state)
{
    const auto record = Record();
    for (auto _ : state) {
        auto* page = new QWidget;
        new TShipTabFrame(page);
        state.PauseTiming();
        delete page;
        state.ResumeTiming();
    }
}

void BM_BindOnly(benchmark::State& state)
{
    const auto record = Record();
    for (auto _ : state) {
        state.PauseTiming();
        auto* page = new QWidget;
        auto* frame = new TShipTabFrame(page);
        auto copy = std::make_unique<CShipDataElement>(*record);
        state.ResumeTiming();
        frame->BindShip(std::move(copy));
        state.PauseTiming();
        delete page;
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Floor76Labels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShipTabFrameBound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Floor76LabelsBuildOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShipTabFrameBuildOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BindOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
