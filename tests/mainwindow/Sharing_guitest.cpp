#include "mainwindow/KeyWindow.h"
#include "support/RowName.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <random>

namespace {

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

using testsupport::Window;

// Clicks on a spinner's right arrow for a positive count, its left one for a negative.
void Step(Window& w, TUpDown* TShipTabFrame::*spinner, int count)
{
    for (int i = 0; i < std::abs(count); ++i)
        w.arrow(spinner, count > 0);
}

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier, CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

struct CopyRow {
    std::string name;
    std::function<void(Window&)> prepare; // leaves the focus where the keys are pressed
    Qt::KeyboardModifiers mods;          // with C
    QString rows;
};
class CopyTest : public testing::TestWithParam<CopyRow> {};

TEST_P(CopyTest, PutsTheShownTextsOnTheClipboard)
{
    Window w{Ships};
    QGuiApplication::clipboard()->setText("before");
    GetParam().prepare(w);
    Window::press(Qt::Key_C, GetParam().mods);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), (Header + GetParam().rows).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Copies, CopyTest,
    testing::Values(
        CopyRow{"ChangedBuildWithMissingMaterialFigures",
                [](Window& w) {
                    w.open(0), w.line(1, true), Step(w, &TShipTabFrame::UpDown1, 5), Step(w, &TShipTabFrame::UpDown3, 2);
                    w.frame()->MaterialView->setFocus();
                },
                Ctrl, Row("Alpha", "シーダー|+5%|12|6|19|37|630|?|?|?", "3|2|1")},
        CopyRow{"NegativeHold", [](Window& w) { w.open(1), w.frame()->UpDown4->setFocus(); }, Ctrl,
                Row("Minus", "親方|+0%|10|6|-30|-14|1000|1|2|3", "1|3|1")},
        CopyRow{"NameWithQuoteAndTabIsQuoted", [](Window& w) { w.open(2), w.frame()->setFocus(); }, Ctrl,
                Row("\"Say \"\"Hi\"\"|x\"", "親方|+0%|10|6|20|36|1000|1|2|3", "1|1|3")},
        CopyRow{"EveryTabInTabOrderFromTheList",
                [](Window& w) { w.open(0), Step(w, &TShipTabFrame::UpDown1, 1), w.open(1), w.list->setFocus(); },
                CtrlShift,
                Row("Alpha", "親方|+1%|10|6|20|36|1010|1|2|3", "3|2|1")
                    + Row("Minus", "親方|+0%|10|6|-30|-14|1000|1|2|3", "1|3|1")},
        CopyRow{"ShipListAfterTheFilterAtTheirStart",
                [](Window& w) {
                    w.open(0), Step(w, &TShipTabFrame::UpDown1, 3);
                    RealClick(w.form->TradeShipCheckBox, QPoint(5, 8));
                    w.list->setFocus();
                },
                Ctrl,
                Row("Alpha", "親方|+0%|10|6|20|36|1000|1|2|3", "3|2|1")
                    + Row("\"Say \"\"Hi\"\"|x\"", "親方|+0%|10|6|20|36|1000|1|2|3", "1|1|3")}),
    testsupport::RowName());

struct PasteRow {
    std::string name;
    std::string text; // "|" for the tab
    QStringList opened; // the captions of the tabs opened
    QString message;    // of the one box, or empty for none
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
    Window::press(Qt::Key_V, Ctrl);
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

// The context menus' items do what the keys do.
TEST(ContextMenuTest, CopyAndPasteAsTheKeysDo)
{
    Window w{Ships};
    w.open(1);
    const auto choose = [](QWidget* target, const char* item) {
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
    };
    const QString minus = Row("Minus", "親方|+0%|10|6|-30|-14|1000|1|2|3", "1|3|1");
    choose(w.frame(), "コピー");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Header + minus);
    choose(w.list->viewport(), "ビルドを貼り付け");
    EXPECT_EQ(w.form->ShipPageControl->count(), 2);
    choose(w.list->viewport(), "コピー");
    EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 4) << "the header and the three listed ships";
}

} // namespace
