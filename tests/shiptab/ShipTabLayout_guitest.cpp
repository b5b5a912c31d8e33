// The frame's controls against the designed layout, written out here by hand.
#include "shiptab/ShipTabSupport.h"

#include <QHeaderView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <array>
#include <set>

using namespace shiptabtest;

namespace {

constexpr QRgb Item = qRgb(194, 186, 254);
constexpr QRgb Header = qRgb(90, 254, 168);
constexpr QRgb Allot = qRgb(217, 186, 254);
constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb White = qRgb(255, 255, 255);

struct Expected {
    const char* name;
    const char* className;
    QString caption;
    QRect geometry;
    QRgb colour; // static texts only
};

QString Blanks(int n, const char* text)
{
    return QString(n, QLatin1Char(' ')) + Utf8(text);
}

Expected Label(const char* name, const QString& caption, int x, int y, int w, QRgb colour)
{
    return {name, "TStaticText", caption, QRect(x, y, w, 17), colour};
}

Expected Box(const char* name, int x, int y, int w)
{
    return {name, "TStaticText", Utf8(" N/A"), QRect(x, y, w, 17), White};
}

// Item label with one leading blank at 0/88/176, its value box at 40/128/216 (widths 41 and 49).
void Line(std::vector<Expected>& t, int y, const std::array<const char*, 3>& labels,
          const std::array<const char*, 3>& boxes, const std::array<const char*, 3>& captions)
{
    for (int i = 0; i < 3; ++i) {
        t.push_back(Label(labels[i], Utf8(captions[i]), 88 * i, y, 41, Item));
        t.push_back(Box(boxes[i], 88 * i + 40, y, 49));
    }
}

std::vector<Expected> DesignedLayout()
{
    std::vector<Expected> t;
    // Left half, top block.
    t.push_back(Label("StaticText1", Blanks(6, "船種名"), 0, 0, 81, Item));
    t.push_back(Box("ShipNameText", 80, 0, 185));
    t.push_back(Label("StaticText7", Blanks(6, "材質"), 0, 16, 81, Item));
    t.push_back(Box("MaterialText", 80, 16, 185));
    t.push_back(Label("StaticText11", Blanks(1, "耐久"), 0, 32, 41, Item));
    t.push_back(Box("StrengthText", 40, 32, 65));
    t.push_back(Label("StaticText9", Blanks(1, "価格"), 104, 32, 41, Item));
    t.push_back(Box("PriceText", 144, 32, 121));
    // Left half, grouped lines.
    t.push_back(Label("StaticText4", Blanks(26, "基本性能"), 0, 64, 265, Header));
    Line(t, 80, {"StaticText2", "StaticText5", "StaticText6"}, {"LSailText", "SSailText", "RowText"},
         {" 縦帆", " 横帆", " 漕力"});
    Line(t, 96, {"StaticText3", "StaticText8", "StaticText13"},
         {"SlueText", "ResistiveWaveText", "ArmouredText"}, {" 旋回", " 対波", " 装甲"});
    t.push_back(Label("StaticText29", Blanks(26, "船倉配分"), 0, 120, 265, Header));
    t.push_back(Label("StaticText35", Blanks(18, "船室"), 0, 136, 177, Allot));
    t.push_back(Box("CurrentCabinsText", 176, 136, 57));
    t.push_back({"UpDown3", "TUpDown", QString(), QRect(232, 136, 33, 17), 0});
    Line(t, 152, {"StaticText27", "StaticText30", "StaticText32"},
         {"MinimumCabinsText", "DefaultCabinsText", "MaximumCabinsText"}, {" 最小", " 標準", " 最大"});
    t.push_back(Label("StaticText34", Blanks(18, "砲室"), 0, 168, 177, Allot));
    t.push_back(Box("CurrentPortsText", 176, 168, 57));
    t.push_back({"UpDown4", "TUpDown", QString(), QRect(232, 168, 33, 17), 0});
    Line(t, 184, {"StaticText18", "StaticText22", "StaticText25"},
         {"MinimumPortsText", "DefaultPortsText", "MaximumPortsText"}, {" 最小", " 標準", " 最大"});
    t.push_back(Label("StaticText38", Blanks(18, "倉庫"), 0, 200, 177, Allot));
    t.push_back(Box("CurrentHoldText", 176, 200, 89));
    t.push_back(Label("StaticText48", Blanks(23, "部品スロット数"), 0, 224, 265, Header));
    Line(t, 240, {"StaticText46", "StaticText49", "StaticText51"},
         {"CannonSlotsText", "FrontCannonSlotsText", "RearCannonSlotsText"}, {"船側砲", "船首砲", "船尾砲"});
    Line(t, 256, {"StaticText40", "StaticText43", "StaticText44"},
         {"NumOfJiggerText", "NumOfFigureheadText", "NumOfSealText"}, {"補助帆", "船首像", " 紋章"});
    t.push_back(Label("StaticText53", Blanks(1, "特殊兵装"), 0, 272, 65, Item));
    t.push_back(Box("NumOfWeaponText", 64, 272, 65));
    t.push_back(Label("StaticText55", Blanks(1, "追加装甲"), 128, 272, 65, Item));
    t.push_back(Box("NumOfArmourText", 192, 272, 73));
    t.push_back(Label("StaticText19", Blanks(26, "乗船Lv"), 0, 304, 265, Header));
    Line(t, 320, {"StaticText17", "StaticText15", "StaticText21"}, {"ALVText", "TLVText", "CLVText"},
         {" 冒険", " 交易", " 戦闘"});
    // Right half.
    t.push_back({"SpeedButton1", "QToolButton", Utf8("×"), QRect(504, 0, 18, 18), 0});
    t.push_back(Label("StaticText10", Blanks(27, "増減量"), 280, 24, 241, Header));
    t.push_back(Label("StaticText14", Blanks(6, "総容量"), 280, 40, 97, Item));
    t.push_back({"CurrentCapacityText", "TStaticText", Utf8("    N/A"), QRect(376, 40, 145, 17), White});
    t.push_back(Label("StaticText12", Blanks(1, "比率調整"), 280, 56, 65, Yellow));
    t.push_back(Box("PercentText", 344, 56, 49));
    t.push_back({"UpDown1", "TUpDown", QString(), QRect(392, 56, 32, 17), 0});
    t.push_back(Label("StaticText16", Blanks(1, "数値調整"), 424, 56, 65, Yellow));
    t.push_back({"UpDown2", "TUpDown", QString(), QRect(488, 56, 33, 17), 0});
    t.push_back({"MaterialView", "QTreeWidget", QString(), QRect(280, 256, 241, 169), 0});
    return t;
}

class ShipTabLayoutTest : public testing::TestWithParam<Expected> {
protected:
    static void SetUpTestSuite() { frame = new TShipTabFrame; }
    static void TearDownTestSuite() { delete frame; }
    static TShipTabFrame* frame;
};
TShipTabFrame* ShipTabLayoutTest::frame = nullptr;

TEST_P(ShipTabLayoutTest, ControlAsDesigned)
{
    const Expected& e = GetParam();
    auto* control = frame->findChild<QWidget*>(QString::fromLatin1(e.name), Qt::FindDirectChildrenOnly);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), e.className);
    EXPECT_EQ(control->geometry(), e.geometry);
    if (auto* text = qobject_cast<TStaticText*>(control)) {
        EXPECT_EQ(text->text(), e.caption);
        EXPECT_EQ(text->palette().color(QPalette::Window).rgb(), e.colour);
        EXPECT_TRUE(text->autoFillBackground());
        EXPECT_EQ(text->textFormat(), Qt::PlainText);
        EXPECT_EQ(text->frameShape(), QFrame::Box);
        EXPECT_EQ(text->lineWidth(), 1);
        EXPECT_EQ(text->font().pixelSize(), 13);
        EXPECT_FALSE(text->font().bold());
    } else if (auto* button = qobject_cast<QToolButton*>(control)) {
        EXPECT_EQ(button->text(), e.caption);
    }

    // The frame's own table describes the same control at the same member.
    const auto layout = TShipTabFrame::Layout();
    const auto row = std::find_if(layout.begin(), layout.end(),
                                  [&](const TShipTabFrame::Control& c) { return std::string(c.Name) == e.name; });
    ASSERT_NE(row, layout.end());
    const QWidget* member =
        std::visit([&](auto m) -> const QWidget* { return frame->*m; }, row->Member);
    EXPECT_EQ(member, control);
    EXPECT_EQ(QRect(row->Left, row->Top, row->Width, row->Height), e.geometry);
}

INSTANTIATE_TEST_SUITE_P(Designed, ShipTabLayoutTest, testing::ValuesIn(DesignedLayout()),
                         [](const testing::TestParamInfo<Expected>& info) { return std::string(info.param.name); });

TEST(ShipTabLayout, EveryControlIsInTheDesignAndNoneTwice)
{
    TShipTabFrame frame;
    const auto designed = DesignedLayout();
    std::set<std::string> names;
    for (const Expected& e : designed)
        names.insert(e.name);
    EXPECT_EQ(names.size(), 76u);
    EXPECT_EQ(designed.size(), 76u);
    EXPECT_EQ(TShipTabFrame::Layout().size(), 76u);
    EXPECT_EQ(frame.findChildren<TStaticText*>().size(), 70);
    for (const QWidget* child : frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_EQ(names.count(child->objectName().toStdString()), 1u) << child->objectName().toStdString();
}

TEST(ShipTabLayout, FrameIsAFixedPanelWithItsOwnBackground)
{
    QWidget page;
    page.setPalette(QPalette(Qt::red));
    auto* frame = new TShipTabFrame(&page);
    EXPECT_EQ(frame->objectName(), "ShipTabFrame");
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 523, 428));
    EXPECT_EQ(frame->palette().color(QPalette::Window).rgb(), qRgb(230, 255, 251));
    EXPECT_TRUE(frame->autoFillBackground());
    EXPECT_EQ(frame->layout(), nullptr);
    // No font of its own: the material list shows the window's font.
    EXPECT_FALSE(frame->testAttribute(Qt::WA_SetFont));
    EXPECT_FALSE(frame->MaterialView->testAttribute(Qt::WA_SetFont));
    page.resize(900, 700);
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 523, 428));
}

TEST(ShipTabLayout, SpinnersStartInTheMiddleAndOnlyTheSecondIsDisabled)
{
    TShipTabFrame frame;
    for (TUpDown* spinner : {frame.UpDown1, frame.UpDown2, frame.UpDown3, frame.UpDown4}) {
        EXPECT_EQ(spinner->Min, 0);
        EXPECT_EQ(spinner->Max, 2);
        EXPECT_EQ(spinner->Position, 1);
        EXPECT_EQ(spinner->isEnabled(), spinner != frame.UpDown2) << spinner->objectName().toStdString();
    }
}

TEST(ShipTabLayout, CloseButtonIsFlatAndBold)
{
    TShipTabFrame frame;
    EXPECT_TRUE(frame.SpeedButton1->autoRaise());
    EXPECT_TRUE(frame.SpeedButton1->font().bold());
    EXPECT_EQ(frame.SpeedButton1->font().pixelSize(), 12);
}

TEST(ShipTabLayout, MaterialListAsDesigned)
{
    TShipTabFrame frame;
    QTreeWidget* view = frame.MaterialView;
    ASSERT_EQ(view->columnCount(), 4);
    const char* titles[] = {"材質", "縦帆", "横帆", "耐久"};
    const int widths[] = {86, 50, 50, 50};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(view->headerItem()->text(c), Utf8(titles[c]));
        EXPECT_EQ(view->columnWidth(c), widths[c]);
    }
    EXPECT_FALSE(view->header()->stretchLastSection());
    EXPECT_FALSE(view->header()->sectionsClickable());
    EXPECT_FALSE(view->isHeaderHidden());
    EXPECT_FALSE(view->rootIsDecorated());
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::SelectedClicked);
    EXPECT_EQ(view->palette().color(QPalette::Base).rgb(), qRgb(191, 255, 244));
    EXPECT_EQ(view->palette().color(QPalette::Inactive, QPalette::Highlight),
              view->palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(view->topLevelItemCount(), 0);
}

TEST(ShipTabLayout, MaterialListComesFirstAndSpinnersKeepTheirPlaceInTheTabOrder)
{
    TShipTabFrame frame;
    // Walk the focus chain and note where the designed controls come.
    std::vector<std::string> order;
    QWidget* w = &frame;
    do {
        w = w->nextInFocusChain();
        if (w->parentWidget() == &frame)
            order.push_back(w->objectName().toStdString());
    } while (w != &frame);
    const auto at = [&](const char* name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
    ASSERT_EQ(order.size(), 76u);
    EXPECT_EQ(order.front(), "MaterialView");
    EXPECT_EQ(at("UpDown1"), 15);
    EXPECT_EQ(at("UpDown2"), 22);
    EXPECT_EQ(at("UpDown3"), 49);
    EXPECT_EQ(at("UpDown4"), 51);
}

} // namespace
