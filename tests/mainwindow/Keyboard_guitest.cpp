#include "mainwindow/MainWindow.h"

#include "finder/FindBuildsForm.h"
#include "shiptab/BuildText.h"
#include "shiptab/ShipTab.h"
#include "support/BenchCatalogue.h"
#include "support/Gui.h"
#include "support/Records.h"
#include "support/RowName.h"
#include "support/ShipTabProbe.h"
#include "support/TempDir.h"
#include "toolkit/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTabBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// A main window on three ships (or the given ones), driven as a user drives it.
struct Window {
    explicit Window(std::vector<std::string> ships = {}) : written(Write(dir, std::move(ships)))
    {
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    TShipTabFrame* frame() const
    {
        QWidget* page = form->ShipPageControl->currentWidget();
        return page ? page->findChild<TShipTabFrame*>("ShipTabFrame") : nullptr;
    }
    void open(int row) { RealDoubleClick(list->viewport(), list->visualItemRect(list->item(row)).center()); }
    void line(int row, bool twice = false)
    {
        QTreeWidget* view = frame()->MaterialView;
        const QPoint at = view->visualItemRect(view->topLevelItem(row)).center();
        twice ? RealDoubleClick(view->viewport(), at) : RealClick(view->viewport(), at);
    }
    void tab(int i) { RealClick(form->ShipPageControl->tabBar(), form->ShipPageControl->tabBar()->tabRect(i).center()); }
    // A click on an arrow, which must leave the focus where it was.
    void arrow(TUpDown* TShipTabFrame::*spinner, bool right)
    {
        frame()->MaterialView->setFocus();
        TUpDown* s = frame()->*spinner;
        RealClick(s, QPoint(s->width() * (right ? 3 : 1) / 4, s->height() / 2));
        EXPECT_EQ(QApplication::focusWidget(), frame()->MaterialView);
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods); // to the focus, as a keyboard does
        QCoreApplication::processEvents();
    }
    // What a key or a click could change: the tabs and the current tab's build.
    QStringList state() const
    {
        QStringList s{QString::number(form->ShipPageControl->currentIndex())};
        for (int i = 0; i < form->ShipPageControl->count(); ++i)
            s << form->ShipPageControl->tabText(i);
        if (TShipTabFrame* f = frame())
            s << testsupport::CalculatedTexts(*f) << QString::number(f->UpDown1->Position + f->UpDown3->Position);
        return s;
    }

    static bool Write(const TempDir& dir, std::vector<std::string> lines)
    {
        if (lines.empty())
            for (const char* name : {"Alpha", "Beta", "Gamma"})
                lines.push_back(testsupport::ShipLine(name, {{1, "1000"}, {9, "10"}, {10, "6"}, {11, "20"}}, "1"));
        testsupport::WriteCatalogue(dir, lines, "\n");
        return true;
    }

    TempDir dir;
    bool written; // before the window reads the files
    WorkingDirectory cwd{dir.path()};
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    toolkit::TListBox* list = form->ShipListBox;
};

using Action = void (*)(Window&);
struct KeyRow {
    std::string name;
    Action prepare, mouse; // the key row: Tab `tabs` times from the prepared focus, then the key
    int tabs;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    bool changes;
};
void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }

class KeyTest : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyTest, DoesWhatTheMouseDoes)
{
    const KeyRow& row = GetParam();
    QStringList byMouse;
    {
        Window w;
        row.prepare(w);
        row.mouse(w);
        byMouse = w.state();
    }
    Window w;
    row.prepare(w);
    const QStringList before = w.state();
    for (int i = 0; i < row.tabs; ++i)
        Window::press(Qt::Key_Tab);
    Window::press(row.key, row.mods);
    EXPECT_EQ(w.state(), byMouse);
    EXPECT_EQ(w.state() != before, row.changes) << before.join('|').toStdString();
}

void SelectBeta(Window& w) { w.list->setFocus(), w.list->setCurrentRow(1); }
void OpenBeta(Window& w) { w.open(1); }
void OnLine0(Window& w) { w.open(0), w.line(0); }
void OnLine3(Window& w) { w.open(0), w.line(3); }
void ThreeTabs(Window& w) { w.open(0), w.open(1), w.open(2), w.tab(1), w.line(0); }
void Close(Window& w) { RealClick(w.frame()->SpeedButton1, QPoint(9, 9)); }
constexpr Qt::KeyboardModifiers None = Qt::NoModifier, Ctrl = Qt::ControlModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    testing::Values(
        KeyRow{"ReturnOnShipListOpensTheSelectedShip", SelectBeta, OpenBeta, 0, Qt::Key_Return, None, true},
        KeyRow{"KeypadEnterOnShipListOpensIt", SelectBeta, OpenBeta, 0, Qt::Key_Enter, Qt::KeypadModifier, true},
        KeyRow{"ReturnOnACurrentUnselectedShipOpensNothing",
               [](Window& w) { w.list->setFocus(), w.list->setCurrentRow(1, QItemSelectionModel::NoUpdate); },
               [](Window& w) { RealDoubleClick(w.list->viewport(), QPoint(40, 300)); }, 0, Qt::Key_Return, None,
               false},
        KeyRow{"ReturnOnMaterialListChoosesTheSelectedLine", OnLine3, [](Window& w) { w.line(3, true); }, 0,
               Qt::Key_Return, None, true},
        KeyRow{"ReturnWhileEditingACaptionChoosesNothing",
               [](Window& w) { OnLine3(w), w.frame()->MaterialView->editItem(w.frame()->MaterialView->topLevelItem(3)); },
               [](Window&) {}, 0, Qt::Key_Return, None, false},
        KeyRow{"TabThenLeftLowersTheRatio", OnLine0, [](Window& w) { w.arrow(&TShipTabFrame::UpDown1, false); }, 1,
               Qt::Key_Left, None, true},
        KeyRow{"TwoTabsPassTheDisabledSpinnerToAddACabin", OnLine0,
               [](Window& w) { w.arrow(&TShipTabFrame::UpDown3, true); }, 2, Qt::Key_Right, None, true},
        KeyRow{"ThreeTabsThenLeftTakesAGunPort", OnLine0, [](Window& w) { w.arrow(&TShipTabFrame::UpDown4, false); },
               3, Qt::Key_Left, None, true},
        KeyRow{"CtrlWClosesTheCurrentTab", ThreeTabs, Close, 0, Qt::Key_W, Ctrl, true},
        KeyRow{"CtrlF4ClosesTheCurrentTab", ThreeTabs, Close, 0, Qt::Key_F4, Ctrl, true},
        KeyRow{"CtrlTabInTheMaterialListGoesToTheNextTab", ThreeTabs, [](Window& w) { w.tab(2); }, 0, Qt::Key_Tab,
               Ctrl, true},
        KeyRow{"CtrlShiftTabOnASpinnerGoesToThePreviousTab", ThreeTabs, [](Window& w) { w.tab(0); }, 1,
               Qt::Key_Backtab, Ctrl | Qt::ShiftModifier, true}),
    testsupport::RowName{});

// A screen reader hears each value box under its label's caption, with the figure as value.
TEST(Accessibility, ValueBoxesSpinnerArrowsAndThePageAreNamed)
{
    Window w;
    w.open(1);
    TShipTabFrame* f = w.frame();
    const auto reader = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(reader(f->parentWidget())->text(QAccessible::Name), "Beta");
    const auto layout = TShipTabFrame::Layout();
    int values = 0;
    for (const TShipTabFrame::Control& c : layout) {
        QWidget* control = f->findChild<QWidget*>(c.Name);
        QAccessibleInterface* iface = reader(control);
        if (c.Colour == qRgb(255, 255, 255)) {
            // Its label is the box that ends where it starts, on the same line.
            const auto label = std::find_if(layout.begin(), layout.end(), [&](const TShipTabFrame::Control& l) {
                return l.Colour != c.Colour && l.Top == c.Top && l.Left + l.Width - 1 == c.Left;
            });
            ASSERT_NE(label, layout.end()) << c.Name;
            ++values;
            const QString figure = static_cast<QLabel*>(control)->text().trimmed();
            EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(label->Caption).trimmed()) << c.Name;
            EXPECT_EQ(iface->text(QAccessible::Value), figure) << c.Name;
            EXPECT_EQ(iface->text(QAccessible::Description), figure) << c.Name;
        } else if (qobject_cast<TUpDown*>(control) != nullptr) {
            ASSERT_EQ(iface->childCount(), 2) << c.Name;
            const QString down = iface->child(0)->text(QAccessible::Name), up = iface->child(1)->text(QAccessible::Name);
            EXPECT_TRUE(!down.isEmpty() && !up.isEmpty() && down != up) << c.Name;
            EXPECT_EQ(iface->child(1)->parent(), iface);
        }
    }
    EXPECT_EQ(values, 32);
    // Pressing an arrow through the reader is a click on it.
    reader(f->UpDown1)->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(reader(f->PercentText)->text(QAccessible::Value), "+1%");
}

// --- builds as text ------------------------------------------------------------------------

// Cabins 10, ports 6, price 1000, minimum cabins base 0, no default material; every other
// figure 1. The material line gives material 0 the figures 1/2/3 and leaves the rest missing.
std::string Ship(const std::string& name, int hold, int a, int t, int c)
{
    return testsupport::ShipLine(name,
                                 {{1, "1000"}, {9, "10"}, {10, "6"}, {11, std::to_string(hold)}, {12, "0"},
                                  {13, std::to_string(a)}, {14, std::to_string(t)}, {15, std::to_string(c)},
                                  {25, "-1"}},
                                 "1");
}
const std::vector<std::string> Ships = {Ship("Alpha", 20, 3, 2, 1), Ship("Minus", -30, 1, 3, 1),
                                        Ship("Say \"Hi\"\tx", 20, 1, 1, 3)};

// Cells written with "|" for the tab.
QString Cells(std::string cells)
{
    std::replace(cells.begin(), cells.end(), '|', '\t');
    return QString::fromStdString(cells) + '\n';
}
const QString Header = Cells("船種名|材質|比率調整|船室|砲室|倉庫|総容量|価格|縦帆|横帆|耐久|漕力|旋回|対波|装甲|"
                             "船室最小|船室標準|船室最大|砲室最小|砲室標準|砲室最大|船側砲|船首砲|船尾砲|補助帆|"
                             "船首像|紋章|特殊兵装|追加装甲|冒険|交易|戦闘");
// A row of these ships: the name cell, the ten calculated cells, the three boarding levels.
QString Row(const std::string& name, const std::string& calculated, const std::string& levels)
{
    return Cells(name + "|" + calculated + "|1|1|1|1|5|10|15|3|6|9|1|1|1|1|1|1|1|1|" + levels);
}

// Clicks on a spinner's right arrow for a positive count, its left one for a negative.
void Step(Window& w, TUpDown* TShipTabFrame::*spinner, int count)
{
    for (int i = 0; i < std::abs(count); ++i)
        w.arrow(spinner, count > 0);
}

void CtrlC(Window&) { Window::press(Qt::Key_C, Ctrl); }
void CtrlShiftC(Window&) { Window::press(Qt::Key_C, Ctrl | Qt::ShiftModifier); }
// Chooses an item of the context menu a right-click on the widget opens.
void Choose(QWidget* target, const char* item)
{
    QTimer::singleShot(0, [item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == QString::fromUtf8(item))
                action->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), target->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(target, &event);
}

struct CopyRow {
    std::string name;
    void (*prepare)(Window&); // leaves the focus where the keys are pressed
    void (*copy)(Window&);
    QString rows;
};
class CopyTest : public testing::TestWithParam<CopyRow> {};

TEST_P(CopyTest, PutsTheShownTextsOnTheClipboard)
{
    Window w{Ships};
    QGuiApplication::clipboard()->setText("before");
    GetParam().prepare(w);
    GetParam().copy(w);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), (Header + GetParam().rows).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Copies, CopyTest,
    testing::Values(
        CopyRow{"ChangedBuildMissingFiguresAndAQuotedNameByTheTabsMenu",
                [](Window& w) {
                    w.open(2), w.line(1, true), Step(w, &TShipTabFrame::UpDown1, 5), Step(w, &TShipTabFrame::UpDown3, 2);
                },
                [](Window& w) { Choose(w.frame(), "コピー"); },
                Row("\"Say \"\"Hi\"\"|x\"", "シーダー|+5%|12|6|19|37|630|?|?|?", "1|1|3")},
        CopyRow{"EveryTabInTabOrderFromTheListWithANegativeHold",
                [](Window& w) { w.open(0), Step(w, &TShipTabFrame::UpDown1, 1), w.open(1), w.list->setFocus(); },
                CtrlShiftC,
                Row("Alpha", "親方|+1%|10|6|20|36|1010|1|2|3", "3|2|1")
                    + Row("Minus", "親方|+0%|10|6|-30|-14|1000|1|2|3", "1|3|1")},
        CopyRow{"ShipListAfterTheFilterAtTheirStart",
                [](Window& w) {
                    w.open(0), Step(w, &TShipTabFrame::UpDown1, 3);
                    RealClick(w.form->TradeShipCheckBox, QPoint(5, 8));
                    w.list->setFocus();
                },
                CtrlC,
                Row("Alpha", "親方|+0%|10|6|20|36|1000|1|2|3", "3|2|1")
                    + Row("\"Say \"\"Hi\"\"|x\"", "親方|+0%|10|6|20|36|1000|1|2|3", "1|1|3")},
        CopyRow{"ShipListByItsMenu", [](Window&) {}, [](Window& w) { Choose(w.list->viewport(), "コピー"); },
                Row("Alpha", "親方|+0%|10|6|20|36|1000|1|2|3", "3|2|1")
                    + Row("Minus", "親方|+0%|10|6|-30|-14|1000|1|2|3", "1|3|1")
                    + Row("\"Say \"\"Hi\"\"|x\"", "親方|+0%|10|6|20|36|1000|1|2|3", "1|1|3")}),
    testsupport::RowName());

struct PasteRow {
    std::string name;
    std::string text; // "|" for the tab
    QStringList opened; // the captions of the tabs opened
    QString message;    // of the one box, or empty for none
    bool byMenu = false;
};
class PasteTest : public testing::TestWithParam<PasteRow> {};

TEST_P(PasteTest, OpensTheGoodRowsAndReportsTheRestTogether)
{
    Window w{Ships};
    QString text = Cells(GetParam().text);
    text.chop(1);
    QGuiApplication::clipboard()->setText(text);
    ModalWatcher boxes;
    w.list->setFocus();
    GetParam().byMenu ? Choose(w.list->viewport(), "ビルドを貼り付け") : Window::press(Qt::Key_V, Ctrl);
    QStringList opened;
    for (int i = 0; i < w.form->ShipPageControl->count(); ++i)
        opened << w.form->ShipPageControl->tabText(i);
    EXPECT_EQ(opened, GetParam().opened);
    EXPECT_EQ(boxes.texts, GetParam().message.isEmpty() ? QStringList() : QStringList{GetParam().message});
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, PasteTest,
    testing::Values(
        PasteRow{"HeaderOptionalQuotesUndoneCrLfAndRatioForms",
                 "船種名|材質|比率調整|船室|砲室\n\"Alpha\"|親方|+5%|15|3|junk\r\nMinus|鉄張り|-3|5|9\n\nAlpha|親方|7|10|6",
                 {"Alpha", "Minus", "Alpha"}, ""},
        PasteRow{"ByTheListsMenu", "Minus|親方|0|10|6", {"Minus"}, "", true},
        PasteRow{"LinksFromThePageOneALine",
                 "https://example.org/#ship=Minus&material=%E9%89%84%E5%BC%B5%E3%82%8A&ratio=-3&cabins=5&ports=9\n"
                 "#ship=Nope&material=%E8%A6%AA%E6%96%B9&ratio=+0&cabins=10&ports=6\n",
                 {"Minus"},
                 "貼り付けたビルドのうち 1 行は開けませんでした。\n2 行目: 船種「Nope」がありません"},
        PasteRow{"RefusedRowsTogetherAndTheOthersStillOpen",
                 "Alpha|親方|0|10|6\nNope|親方|0|10|6\nAlpha|Teak|0|10|6\nAlpha|親方|5.5%|10|6\n"
                 "Alpha|親方|0|16|6\nAlpha|親方|0|10|six\nAlpha|親方\nMinus|オーク|-0%|5|6",
                 {"Alpha", "Minus"},
                 "貼り付けたビルドのうち 6 行は開けませんでした。\n2 行目: 船種「Nope」がありません\n"
                 "3 行目: 材質「Teak」がありません\n4 行目: 比率調整「5.5%」が整数ではありません\n"
                 "5 行目: 船室「16」は 5 から 15 までにしかできません\n"
                 "6 行目: 砲室「six」は 3 から 9 までにしかできません\n"
                 "7 行目: 列が足りません（船種名・材質・比率調整・船室・砲室の 5 列が要ります）"}),
    testsupport::RowName());

// Whatever build a tab shows, its copy pasted back opens a tab that shows the same.
TEST(CopyPasteTest, OpensTheSameBuildAgain)
{
    Window w{Ships};
    std::mt19937 random(11);
    const auto clicks = [&](int most) { return std::uniform_int_distribution<int>(-most, most)(random); };
    for (int i = 0; i < 12; ++i) {
        w.open(i % 2);
        w.line(std::uniform_int_distribution<int>(0, MaterialCount - 1)(random), true);
        Step(w, &TShipTabFrame::UpDown1, clicks(6));
        Step(w, &TShipTabFrame::UpDown3, clicks(8));
        Step(w, &TShipTabFrame::UpDown4, clicks(5));
        const TShipTabFrame* original = w.frame();
        w.frame()->MaterialView->setFocus();
        Window::press(Qt::Key_C, Ctrl);
        const QString copied = QGuiApplication::clipboard()->text();
        Window::press(Qt::Key_V, Ctrl);
        ASSERT_NE(w.frame(), original);
        EXPECT_EQ(testsupport::CalculatedTexts(*w.frame()), testsupport::CalculatedTexts(*original)) << copied.toStdString();
    }
}

} // namespace

// --- the build finder ----------------------------------------------------------------------

namespace finding {

// Ships of each type and several holds, so that requirements, goals and sorts each decide.
const std::vector<std::string> Fleet = {Ship("Alpha", 20, 3, 2, 1), Ship("Minus", -30, 1, 3, 1),
                                        Ship("Broad", 60, 1, 1, 3), Ship("Deep", 120, 3, 1, 1),
                                        Ship("Lean", 40, 1, 3, 1)};

TFindBuildsForm* Shown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TFindBuildsForm*>(w); f != nullptr && f->isVisible())
            return f;
    return nullptr;
}
QStringList Rows(const TFindBuildsForm& f)
{
    const QAbstractItemModel* m = f.ResultView->model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c)
            cells << m->index(r, c).data().toString();
        rows << cells.join('|');
    }
    return rows;
}
// What the search gives for the window's query, in the order of its header, from the same files.
QStringList Found(const TFindBuildsForm& f)
{
    const CShipDataManager data("./data/ship_varietion.csv", "./data/ship_material.csv");
    std::vector<finder::FoundBuild> found = finder::FindBuilds(data, f.CurrentQuery());
    const QHeaderView* header = f.ResultView->horizontalHeader();
    if (header->sortIndicatorSection() >= 0)
        finder::SortByColumn(found, data, header->sortIndicatorSection(), header->sortIndicatorOrder() == Qt::DescendingOrder);
    QStringList rows;
    for (const finder::FoundBuild& b : found)
        rows << shiptab::ToStringList(shiptab::BuildCells(*data.GetElement(int(b.Ship)), b.AsBuild())).join('|');
    return rows;
}
void Type(QWidget* edit, const QString& text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Ctrl);
    QTest::keyClicks(edit, text);
}

struct FinderRow {
    std::string name;
    bool byMenu;
    void (*use)(Window&, TFindBuildsForm&); // then the table must show what the search gives
};
class FinderTest : public testing::TestWithParam<FinderRow> {};

TEST_P(FinderTest, ShowsWhatTheSearchGives)
{
    Window w{Fleet};
    w.list->setFocus();
    GetParam().byMenu ? Choose(w.list->viewport(), "ビルドを探す…") : Window::press(Qt::Key_F, Ctrl);
    TFindBuildsForm* f = Shown();
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    GetParam().use(w, *f);
    ASSERT_EQ(Shown(), f);
    EXPECT_EQ(Rows(*f), Found(*f));
    EXPECT_EQ(f->ResultCountText->text().split(' ')[0], QString::number(f->ResultView->model()->rowCount()));
}

INSTANTIATE_TEST_SUITE_P(
    Finder, FinderTest,
    testing::Values(
        FinderRow{"EscHidesAndCtrlFBringsItBackWithItsQuery", false,
                  [](Window& w, TFindBuildsForm& f) {
                      Type(f.MinHoldEdit, "25");
                      Window::press(Qt::Key_Escape);
                      EXPECT_EQ(Shown(), nullptr);
                      w.form->activateWindow();
                      ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
                      Window::press(Qt::Key_F, Ctrl);
                      EXPECT_EQ(f.CurrentQuery().MinHold, 25);
                      EXPECT_EQ(Found(f).size(), 4); // all but Minus, whose hold stays below zero
                  }},
        FinderRow{"TheMenuOpensItTypedRequirementsAndGoalKeysDecide", true,
                  [](Window&, TFindBuildsForm& f) {
                      Type(f.MinCabinsEdit, "12");
                      Type(f.LowestPercentEdit, "-5");
                      f.GoalComboBox->setFocus();
                      Window::press(Qt::Key_Down); // the largest hold
                      Window::press(Qt::Key_Tab);
                      Window::press(Qt::Key_Space); // every material
                      const finder::Query q = f.CurrentQuery();
                      EXPECT_TRUE(q.MinCabins == 12 && q.LowestPercent == -5 && q.EveryMaterial);
                      EXPECT_EQ(q.LookFor, finder::Goal::LargestHold);
                  }},
        FinderRow{"ReturnOpensTheRowsBuildInAFrontTab", false,
                  [](Window& w, TFindBuildsForm& f) {
                      Type(f.MinHoldEdit, "70");
                      f.ResultView->setFocus();
                      f.ResultView->setCurrentIndex(f.ResultView->model()->index(1, 0));
                      const QString row = Rows(f)[1];
                      Window::press(Qt::Key_Return);
                      ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
                      ASSERT_EQ(w.form->ShipPageControl->count(), 1);
                      EXPECT_EQ(w.form->ShipPageControl->tabText(0), row.section('|', 0, 0));
                      w.frame()->MaterialView->setFocus();
                      Window::press(Qt::Key_C, Ctrl);
                      EXPECT_EQ(QGuiApplication::clipboard()->text(), Header + Cells(row.toStdString()));
                      f.ShowInFront();
                  }},
        FinderRow{"CtrlACtrlCCopiesEveryRowHeaderFirst", false,
                  [](Window&, TFindBuildsForm& f) {
                      f.ResultView->setFocus();
                      Window::press(Qt::Key_A, Ctrl);
                      Window::press(Qt::Key_C, Ctrl);
                      EXPECT_EQ(QGuiApplication::clipboard()->text(), Header + Cells(Rows(f).join('\n').toStdString()));
                  }},
        FinderRow{"HeaderClicksSortThenReverseAndANewQueryUndoesThem", false,
                  [](Window&, TFindBuildsForm& f) {
                      QHeaderView* header = f.ResultView->horizontalHeader();
                      // The selected rows and the current one stay so wherever a sort moves them.
                      const QAbstractItemModel* m = f.ResultView->model();
                      QItemSelectionModel* chosen = f.ResultView->selectionModel();
                      chosen->select(m->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
                      chosen->setCurrentIndex(m->index(2, 3), QItemSelectionModel::Select | QItemSelectionModel::Rows);
                      const auto marked = [&] {
                          QStringList rows;
                          for (const QModelIndex& i : chosen->selectedRows())
                              rows << Rows(f)[i.row()];
                          rows.sort();
                          return rows << Rows(f)[chosen->currentIndex().row()] << QString::number(chosen->currentIndex().column());
                      };
                      const QStringList before = marked();
                      for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                          const int at = header->sectionViewportPosition(shiptab::box::CurrentHoldText) + 10;
                          RealClick(header->viewport(), QPoint(at, header->height() / 2));
                          EXPECT_EQ(header->sortIndicatorOrder(), order);
                          EXPECT_EQ(Rows(f), Found(f));
                          EXPECT_EQ(marked(), before);
                      }
                      Type(f.MaxPriceEdit, "5000");
                      EXPECT_EQ(header->sortIndicatorSection(), -1);
                  }}),
    testsupport::RowName());

// Keys typed while a long search runs are taken at once; the rows shown are the last query's.
TEST(FinderOffTheGuiThread, TypingWhileASearchRunsShowsTheLastQuery)
{
    const testsupport::CatalogueFiles& files = testsupport::BenchCatalogue(TFindBuildsForm::SearchedInPlace + 1000);
    const CShipDataManager data(files.ships, files.materials);
    TFindBuildsForm f(data);
    f.show();
    Type(f.MinHoldEdit, "150");
    EXPECT_TRUE(f.Searching());
    EXPECT_EQ(f.MinHoldEdit->value(), 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Searching(); }, 20000));
    QStringList found;
    for (const finder::FoundBuild& b : finder::FindBuilds(data, f.CurrentQuery()))
        found << shiptab::ToStringList(shiptab::BuildCells(*data.GetElement(int(b.Ship)), b.AsBuild())).join('|');
    EXPECT_EQ(Rows(f), found);
}

} // namespace finding
