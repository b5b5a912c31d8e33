// Opening a ship tab, up to its first paint, against the floor of 76 plain labels and the
// frame's natural parts; binding a ship alone; copying a long ship list; the memory of a long,
// painted session; the build finder's search against its floor, its window and its sorts.
#include "bench/RatioReporter.h"
#include "finder/FindBuildsForm.h"
#include "mainwindow/MainWindow.h"
#include "shiptab/Calculator.h"
#include "shiptab/ShipTab.h"
#include "tests/support/BenchCatalogue.h"
#include "tests/support/Records.h"
#include "tests/support/TempDir.h"
#include "toolkit/Application.h"
#include "toolkit/Cp932.h"
#include "toolkit/ListBox.h"
#include "toolkit/StaticText.h"
#include "toolkit/UpDown.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

// A ship with every column filled and a full material line, as the sample data has them.
std::unique_ptr<CShipDataElement> Record()
{
    static const std::string line = testsupport::ShipLine(
        testsupport::Sjis("キャラベル"),
        {{1, "52000"}, {4, "12"}, {5, "14"}, {6, "9"}, {7, "3"}, {9, "30"}, {10, "20"}, {11, "100"}, {12, "20"},
         {13, "25"}, {14, "18"}, {15, "12"}, {16, "1"}, {17, "1"}, {18, "1"}, {19, "1"}, {20, "1"}, {21, "4"},
         {22, "1"}, {23, "1"}, {25, "4"}, {26, "x"}, {27, "y"}, {29, "z"}},
        "0");
    static const std::string entries = "20/18/150,21/19/160,22/20/170,23/21/180,24/22/190,25/23/200,"
                                       "26/24/210,27/25/220,28/26/230,29/27/240,30/28/250";
    return testsupport::MakeRecord(line, &entries);
}

TMainForm* Form = nullptr;

double ResidentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Heap in use, by the allocator's own count, in MiB.
double HeapMiB()
{
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// Counts what the spinners paint, so that the session below is known to paint.
struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<TUpDown*>(watched))
            ++paints;
        return false;
    }
};

// A user's session: open through the list's double-click, let the event loop paint the page,
// close through the close button, deliver the deferred deletes. Memory after 1,000 and 10,000.
void BM_OpenCloseSession(benchmark::State& state)
{
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    for (auto _ : state) {
        double heap1000 = 0, rss1000 = 0;
        for (int cycle = 1; cycle <= 10000; ++cycle) {
            Form->ShipListBoxDblClick(nullptr);
            QCoreApplication::processEvents();
            auto* frame = Form->ShipPageControl->currentWidget()->findChild<TShipTabFrame*>();
            frame->SpeedButton1Click(nullptr);
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (cycle == 1000) {
                heap1000 = HeapMiB();
                rss1000 = ResidentMiB();
            }
        }
        const double heap10000 = HeapMiB(), rss10000 = ResidentMiB();
        state.counters["heap_1000_MiB"] = heap1000;
        state.counters["heap_10000_MiB"] = heap10000;
        state.counters["heap_growth_pct"] = (heap10000 - heap1000) / heap1000 * 100.0;
        state.counters["rss_1000_MiB"] = rss1000;
        state.counters["rss_10000_MiB"] = rss10000;
        state.counters["rss_growth_pct"] = (rss10000 - rss1000) / rss1000 * 100.0;
    }
    qApp->removeEventFilter(&counter);
    state.counters["spinner_paints"] = static_cast<double>(counter.paints);
    if (counter.paints == 0)
        state.SkipWithError("nothing was painted");
}

// The floor: 76 plain labels with a fixed geometry on one widget.
void Add76Labels(QWidget* page)
{
    for (int i = 0; i < 76; ++i) {
        auto* label = new QLabel(QStringLiteral(" N/A"), page);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setGeometry((i % 3) * 88, (i / 3) * 16, 49, 17);
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

// Copying the listed ships of a catalogue of 5,000 (in a main window of its own). A paste costs
// what opening its tabs costs (below).
void BM_CopyShipList5000(benchmark::State& state)
{
    TempDir dir;
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i)
        lines.push_back(testsupport::ShipLine("Ship " + std::to_string(i), {{1, "52000"}, {9, "30"}, {10, "20"}}, "1"));
    testsupport::WriteCatalogue(dir, lines);
    const WorkingDirectory cwd(dir.path());
    TMainForm form;
    form.show();
    for (auto _ : state)
        form.CopyShipList();
}

// A whole open as a user sees it, up to its first paint, in the window's own tab control: the
// list's double-click against a page of the floor's 76 labels, and of the frame's natural
// parts (76 labels, an 11-line four-column list, 9 small buttons). Closing is left out.
// Not inlined, so that a profiler can count it alone (see main()).
[[gnu::noinline]] void PaintedOpen(void (*open)())
{
    open();
    QCoreApplication::processEvents(); // paints the new page
}

void ClosePage()
{
    delete Form->ShipPageControl->currentWidget();
    QCoreApplication::processEvents();
}

void OpenedAndPainted(benchmark::State& state, void (*open)())
{
    for (auto _ : state) {
        PaintedOpen(open);
        state.PauseTiming();
        ClosePage();
        state.ResumeTiming();
    }
}

void AddPage(void (*build)(QWidget*))
{
    auto* page = new QWidget;
    build(page);
    Form->ShipPageControl->setCurrentIndex(Form->ShipPageControl->addTab(page, QStringLiteral("page")));
}

void AddNaturalParts(QWidget* page)
{
    Add76Labels(page);
    auto* list = new QTreeWidget(page);
    list->setGeometry(8, 250, 250, 170);
    list->setColumnCount(4);
    for (int i = 0; i < 11; ++i)
        new QTreeWidgetItem(list, {QStringLiteral("material"), QStringLiteral("1"), QStringLiteral("2"),
                                   QStringLiteral("3")});
    for (int i = 0; i < 9; ++i)
        (new QToolButton(page))->setGeometry(300 + i * 20, 250, 17, 17);
}

// The same parts with the frame's own texts and font: its captions at its places, the
// material names and figures in the list.
void AddNaturalPartsWithTexts(QWidget* page)
{
    const QFont font = toolkit::DesignFont(13);
    for (const TShipTabFrame::Control& c : TShipTabFrame::Layout()) {
        if (!std::holds_alternative<TStaticText* TShipTabFrame::*>(c.Member))
            continue;
        auto* label = new QLabel(QString::fromUtf8(c.Caption), page);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setFont(font);
        label->setGeometry(c.Left, c.Top, c.Width, c.Height);
    }
    auto* list = new QTreeWidget(page);
    list->setGeometry(280, 256, 241, 169);
    list->setHeaderLabels({QStringLiteral("材質"), QStringLiteral("縦帆"), QStringLiteral("横帆"), QStringLiteral("耐久")});
    for (const std::string& name : MaterialNames)
        new QTreeWidgetItem(list, {toolkit::FromCp932(name), QStringLiteral("20"), QStringLiteral("18"),
                                   QStringLiteral("150")});
    for (int i = 0; i < 9; ++i)
        (new QToolButton(page))->setGeometry(300 + i * 20, 250, 17, 17);
}

void OpenShipTab()
{
    Form->ShipListBoxDblClick(nullptr);
}
void Open76Labels()
{
    AddPage(Add76Labels);
}
void OpenNaturalParts()
{
    AddPage(AddNaturalParts);
}
void OpenNaturalPartsWithTexts()
{
    AddPage(AddNaturalPartsWithTexts);
}

void BM_OpenShipTabPainted(benchmark::State& state)
{
    OpenedAndPainted(state, OpenShipTab);
}

void BM_Floor76LabelsPainted(benchmark::State& state)
{
    OpenedAndPainted(state, Open76Labels);
}

void BM_NaturalPartsPainted(benchmark::State& state)
{
    OpenedAndPainted(state, OpenNaturalParts);
}

void BM_NaturalPartsWithTextsPainted(benchmark::State& state)
{
    OpenedAndPainted(state, OpenNaturalPartsWithTexts);
}

// --- the build finder: catalogues of `state.range(0)` varied ships -------------------------

// The catalogues the loading benchmark reads, loaded once a size.
const CShipDataManager& Fleet(int ships)
{
    static std::map<int, std::unique_ptr<CShipDataManager>> loaded;
    std::unique_ptr<CShipDataManager>& catalogue = loaded[ships];
    if (!catalogue) {
        const testsupport::CatalogueFiles& files = testsupport::BenchCatalogue(ships);
        catalogue = std::make_unique<CShipDataManager>(files.ships, files.materials);
    }
    return *catalogue;
}

// The search alone, for what a user asks (cabins, gun ports and hold over -30% to +30%), every
// material when `state.range(1)`.
void BM_FindBuilds(benchmark::State& state)
{
    finder::Query q;
    q.MinCabins = 20, q.MinPorts = 10, q.MinHold = 150, q.LowestPercent = -30, q.EveryMaterial = state.range(1) != 0;
    const CShipDataManager& fleet = Fleet(int(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state)
        rows = finder::FindBuilds(fleet, q).size();
    state.counters["rows"] = double(rows);
}

// Its floor: one shown price and one capacity for each ship and material.
void BM_FindBuildsFloor(benchmark::State& state)
{
    const CShipDataManager& fleet = Fleet(int(state.range(0)));
    for (auto _ : state) {
        int64_t sum = 0;
        for (int i = 0; i < fleet.GetCount(); ++i) {
            const CShipDataElement& s = *fleet.GetElement(i);
            const int32_t base = shiptab::BaseCapacity(s.DefaultCabins, s.DefaultPorts, s.DefaultHold);
            for (int m = 0; m < MaterialCount; ++m)
                sum += shiptab::ShownPrice(s.Price, s.Materials[m].PriceFactor, 7) + shiptab::CurrentCapacity(7 + m, base);
        }
        benchmark::DoNotOptimize(sum);
    }
}

// The window, every material when `state.range(1)`, up to the painted results: a hold
// requirement changed as a user types it, or with a column `state.range(2)`, a click on its
// header (on fresh results each time).
void BM_Finder(benchmark::State& state)
{
    TFindBuildsForm finder(Fleet(int(state.range(0))));
    finder.EveryMaterialCheckBox->setChecked(state.range(1) != 0);
    finder.show();
    const auto retype = [&] { finder.MinHoldEdit->setValue(finder.MinHoldEdit->value() == 150 ? 15 : 150); };
    for (auto _ : state) {
        if (state.range(2) >= 0) {
            state.PauseTiming();
            retype();
            state.ResumeTiming();
            finder.ResultView->sortByColumn(int(state.range(2)), Qt::AscendingOrder);
        } else {
            retype();
        }
        while (finder.Searching()) // a large catalogue is searched off the GUI thread
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = finder.ResultView->model()->rowCount();
}

// A key typed into a requirement while the search of the key before runs, up to the painted
// box: what a user waits for at each key.
void BM_FinderKeyWhileSearching(benchmark::State& state)
{
    TFindBuildsForm finder(Fleet(int(state.range(0))));
    finder.EveryMaterialCheckBox->setChecked(true);
    finder.show();
    int hold = 150;
    for (auto _ : state) {
        finder.MinHoldEdit->setValue(++hold); // a search starts
        finder.MinHoldEdit->setValue(++hold); // the next key, while it runs
        QCoreApplication::processEvents();
        state.PauseTiming();
        while (finder.Searching())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_FindBuilds)->ArgsProduct({{1000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindBuildsFloor)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Finder)->Args({1000, 0, -1})->Args({1000, 1, -1})->Args({100000, 1, -1})
    ->Args({100000, 1, shiptab::box::CurrentHoldText})->Args({100000, 1, shiptab::box::ShipNameText})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinderKeyWhileSearching)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Floor76LabelsPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NaturalPartsPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NaturalPartsWithTextsPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenShipTabPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BindOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyShipList5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCloseSession)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit::TApplication app(argc, argv);
    // The main window on the shipped data, from the repository root, its first ship selected.
    std::filesystem::current_path(SHIPPLANNER_SOURCE_DIR);
    TMainForm form;
    Form = &form;
    form.show();
    form.ShipListBox->setCurrentRow(0);

    // For counting one kind of open alone, a fixed number of times: with SHIPTAB_OPENS=KIND:N
    // (KIND ship, labels, parts or texts), under
    // valgrind --tool=callgrind --toggle-collect='*PaintedOpen*'; two counts give the cost of one.
    if (const QByteArray opens = qgetenv("SHIPTAB_OPENS"); !opens.isEmpty()) {
        const QList<QByteArray> kindAndCount = opens.split(':');
        const QByteArray kind = kindAndCount.value(0);
        void (*open)() = kind == "ship"     ? OpenShipTab
                         : kind == "labels" ? Open76Labels
                         : kind == "texts"  ? OpenNaturalPartsWithTexts
                                            : OpenNaturalParts;
        for (int i = 0, n = kindAndCount.value(1).toInt(); i < n; ++i) {
            PaintedOpen(open);
            ClosePage();
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    bench::RatioReporter reporter({{"BM_OpenShipTabPainted", "BM_Floor76LabelsPainted", 1.25}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
