// The ship tab driven as a user drives it: bound to records built here, then clicked.
#include "shiptab/ShipTabSupport.h"
#include "support/RowName.h"

#include "shiptab/Calculator.h"
#include "toolkit/PageControl.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>

using namespace shiptabtest;
using P = TShipTabFrameProbe;

namespace {

constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();

const char* const Names[] = {"親方",   "シーダー",   "レッドパイン", "ビーチ",       "エルム", "チーク",
                             "オーク", "マホガニー", "銅張り",       "ローズウッド", "鉄張り"};

QString Figure(long long value)
{
    return QStringLiteral("  ") + QString::number(value);
}

std::string Num(long long value)
{
    return std::to_string(value);
}

// A frame on its page, shown offscreen.
class ShipTabTest : public testing::Test {
protected:
    void Bind(const Columns& columns, const std::string* entries = nullptr)
    {
        frame->BindShip(MakeShip(columns, entries));
        Show();
    }
    void Show()
    {
        page.resize(523, 428);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    QTreeWidget* view() const { return frame->MaterialView; }
    // The eleven lines fill the list at ordinary font sizes; a small window font leaves room below.
    void LeaveRoomBelowTheLines()
    {
        QFont small = page.font();
        small.setPixelSize(7);
        page.setFont(small);
        QCoreApplication::processEvents();
    }

    QWidget page;
    TShipTabFrame* frame = new TShipTabFrame(&page);
};

// --- the unbound frame --------------------------------------------------------------------

TEST_F(ShipTabTest, UnboundFrameShowsInitialCaptionsAndIgnoresClicks)
{
    Show();
    ClickUp(frame->UpDown1);
    ClickDown(frame->UpDown3);
    ClickUp(frame->UpDown4);
    const QPoint empty = EmptyPoint(view());
    ASSERT_NE(empty, QPoint(-1, -1));
    RealDoubleClick(view()->viewport(), empty);
    EXPECT_EQ(view()->topLevelItemCount(), 0);
    for (const TStaticText* box : {frame->ShipNameText, frame->PriceText, frame->PercentText, frame->CurrentHoldText,
                                   frame->MaterialText, frame->StrengthText, frame->TLVText})
        EXPECT_EQ(box->text(), " N/A") << box->objectName().toStdString();
    EXPECT_EQ(frame->CurrentCapacityText->text(), "    N/A");
    EXPECT_EQ(frame->UpDown1->Position, 1);
}

TEST_F(ShipTabTest, NullRecordLeavesTheFrameUnbound)
{
    frame->BindShip(nullptr);
    EXPECT_EQ(P::Ship(*frame), nullptr);
    EXPECT_EQ(frame->ShipNameText->text(), " N/A");
    EXPECT_EQ(view()->topLevelItemCount(), 0);
}

// --- binding ------------------------------------------------------------------------------

TEST_F(ShipTabTest, BindingWritesEveryFixedFigure)
{
    // Each column its own figure, so a box showing the wrong column stands out.
    Bind({{4, "104"},  {5, "105"},  {6, "106"},  {7, "107"},  {9, "20"},   {10, "9"},   {11, "100"}, {12, "5"},
          {13, "113"}, {14, "114"}, {15, "115"}, {16, "116"}, {17, "117"}, {18, "118"}, {19, "119"}, {20, "120"},
          {21, "121"}, {22, "122"}, {23, "123"}});
    const std::pair<TStaticText*, int> fixed[] = {
        {frame->RowText, 104},           {frame->SlueText, 105},
        {frame->ResistiveWaveText, 106}, {frame->ArmouredText, 107},
        {frame->MinimumCabinsText, 10},  {frame->DefaultCabinsText, 20},
        {frame->MaximumCabinsText, 30},  {frame->MinimumPortsText, 5},
        {frame->DefaultPortsText, 9},    {frame->MaximumPortsText, 13},
        {frame->CannonSlotsText, 121},   {frame->FrontCannonSlotsText, 122},
        {frame->RearCannonSlotsText, 123}, {frame->NumOfJiggerText, 116},
        {frame->NumOfFigureheadText, 117}, {frame->NumOfSealText, 118},
        {frame->NumOfWeaponText, 119},   {frame->NumOfArmourText, 120},
        {frame->ALVText, 113},           {frame->TLVText, 114},
        {frame->CLVText, 115},
    };
    for (const auto& [box, value] : fixed)
        EXPECT_EQ(box->text(), Figure(value)) << box->objectName().toStdString();
    EXPECT_EQ(frame->ShipNameText->text(), "  Ship");
    EXPECT_EQ(frame->CurrentCapacityText->text(), "  129");
    EXPECT_EQ(frame->CurrentHoldText->text(), "  100");
    EXPECT_EQ(frame->PercentText->text(), "   +0%");
}

TEST_F(ShipTabTest, ShipNameKeepsItsBytesAndShowsNoMarkup)
{
    const std::string name = "<b>\x83\x49\x81\x5b\x83\x4e</b>"; // "<b>オーク</b>" in code page 932
    frame->BindShip(MakeShip({}, nullptr, name));
    EXPECT_EQ(frame->ShipNameText->text(), Utf8("  <b>オーク</b>"));
}

TEST_F(ShipTabTest, AllEmptyRecordShowsMinusOneEverywhere)
{
    Bind({});
    for (TStaticText* box : {frame->RowText, frame->SlueText, frame->ResistiveWaveText, frame->ArmouredText,
                             frame->MinimumCabinsText, frame->DefaultCabinsText, frame->MaximumCabinsText,
                             frame->MinimumPortsText, frame->DefaultPortsText, frame->MaximumPortsText,
                             frame->CannonSlotsText, frame->FrontCannonSlotsText, frame->RearCannonSlotsText,
                             frame->NumOfJiggerText, frame->NumOfFigureheadText, frame->NumOfSealText,
                             frame->NumOfWeaponText, frame->NumOfArmourText, frame->ALVText, frame->TLVText,
                             frame->CLVText, frame->CurrentCabinsText, frame->CurrentPortsText})
        EXPECT_EQ(box->text(), "  -1") << box->objectName().toStdString();
    EXPECT_EQ(P::BaseCapacity(*frame), -3);
    EXPECT_EQ(frame->CurrentCapacityText->text(), "  -3");
    EXPECT_EQ(frame->CurrentHoldText->text(), "  -1");
    EXPECT_EQ(frame->MaterialText->text(), Utf8("  親方"));
    EXPECT_EQ(frame->PriceText->text(), "  0");
    for (TStaticText* box : {frame->LSailText, frame->SSailText, frame->StrengthText})
        EXPECT_EQ(box->text(), "  ?");
}

TEST_F(ShipTabTest, MaterialListHoldsElevenLinesAndNoSelection)
{
    std::string entries = "-1/0/-2";
    for (int i = 1; i < MaterialCount; ++i)
        entries.append(",").append(Num(i)).append("/").append(Num(10 + i)).append("/").append(Num(100 + i));
    Bind({{25, "9"}}, &entries);
    ASSERT_EQ(view()->topLevelItemCount(), MaterialCount);
    for (int i = 0; i < MaterialCount; ++i) {
        const QTreeWidgetItem* line = view()->topLevelItem(i);
        EXPECT_EQ(line->text(0), Utf8(Names[i]));
        if (i > 0) {
            EXPECT_EQ(line->text(1), QString::number(i));
            EXPECT_EQ(line->text(2), QString::number(10 + i));
            EXPECT_EQ(line->text(3), QString::number(100 + i));
        }
    }
    EXPECT_EQ(view()->topLevelItem(0)->text(1), "?");
    EXPECT_EQ(view()->topLevelItem(0)->text(2), "0");
    EXPECT_EQ(view()->topLevelItem(0)->text(3), "-2");
    EXPECT_TRUE(view()->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(frame->MaterialText->text(), Utf8("  鉄張り"));
    // All eleven at once, in every style.
    QCoreApplication::processEvents();
    EXPECT_FALSE(view()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(view()->horizontalScrollBar()->isVisible());
}

struct StartCase {
    const char* name;
    std::string defaultMaterial;
    int32_t index;
};

class StartMaterialTest : public ShipTabTest, public testing::WithParamInterface<StartCase> {};

TEST_P(StartMaterialTest, StartsOnTheDefaultPlusOne)
{
    Bind({{25, GetParam().defaultMaterial}});
    EXPECT_EQ(P::MaterialIndex(*frame), GetParam().index);
    EXPECT_EQ(frame->MaterialText->text(), QStringLiteral("  ") + Utf8(Names[GetParam().index]));
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, StartMaterialTest,
    testing::Values(StartCase{"EmptyIsMaster", "", 0}, StartCase{"ZeroIsCedar", "0", 1},
                    StartCase{"NineIsIron", "9", 10},
                    // Outside the kinds: material 0, as for an empty column.
                    StartCase{"TenIsMaster", "10", 0}, StartCase{"MinusTwoIsMaster", "-2", 0},
                    StartCase{"LargestIsMaster", Num(Max32), 0}, StartCase{"SmallestIsMaster", Num(Min32), 0}),
    testsupport::RowName());

// --- price through the material list and the ratio spinner --------------------------------

struct PriceCase {
    const char* name;
    int32_t price;
    int material;
    int percent;
    int32_t shown;
};

class PriceClickTest : public ShipTabTest, public testing::WithParamInterface<PriceCase> {};

TEST_P(PriceClickTest, ShownAfterChoosingMaterialAndRatio)
{
    const PriceCase& c = GetParam();
    Bind({{1, Num(c.price)}});
    DoubleClickLine(view(), c.material);
    ASSERT_EQ(P::MaterialIndex(*frame), c.material);
    if (c.percent > 0)
        ClickUp(frame->UpDown1, c.percent);
    else
        ClickDown(frame->UpDown1, -c.percent);
    EXPECT_EQ(P::Percent(*frame), c.percent);
    EXPECT_EQ(frame->PriceText->text(), Figure(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Prices, PriceClickTest,
    testing::Values(PriceCase{"Elm", 1000, 4, 0, 720}, PriceCase{"ElmPlusOne", 1000, 4, 1, 727},
                    PriceCase{"ElmPlusThree", 1000, 4, 3, 742}, PriceCase{"ElmMinusThree", 1000, 4, -3, 742},
                    PriceCase{"Cedar", 1234, 1, 0, 740}, PriceCase{"CedarPlusSeven", 1234, 1, 7, 792},
                    PriceCase{"CedarMinusSeven", 1234, 1, -7, 792}, PriceCase{"ExactHalfUp", 1001, 0, 50, 1502},
                    PriceCase{"ExtendedRatio", 50, 0, 15, 58}, PriceCase{"ExtendedRatioMinus", 50, 0, -15, 58},
                    PriceCase{"PartialBelowHalf", 62, 1, 25, 46}, PriceCase{"Rosewood", 5, 9, 0, 13},
                    PriceCase{"Rosewood10005", 10005, 9, 0, 27013}, PriceCase{"Iron", 5, 10, 0, 15},
                    PriceCase{"MissingPriceIron", -1, 10, 0, -2}, PriceCase{"MissingPriceMaster", -1, 0, 0, 0}),
    testsupport::RowName());

// --- capacity and hold through the ratio spinner ------------------------------------------

struct CapacityCase {
    const char* name;
    int32_t cabins, ports, hold;
    int percent;
    int32_t capacity;
    int32_t shownHold;
};

class CapacityClickTest : public ShipTabTest, public testing::WithParamInterface<CapacityCase> {};

TEST_P(CapacityClickTest, CapacityAndHold)
{
    const CapacityCase& c = GetParam();
    Bind({{9, Num(c.cabins)}, {10, Num(c.ports)}, {11, Num(c.hold)}, {12, "0"}});
    if (c.percent > 0)
        ClickUp(frame->UpDown1, c.percent);
    else
        ClickDown(frame->UpDown1, -c.percent);
    EXPECT_EQ(frame->CurrentCapacityText->text(), Figure(c.capacity));
    EXPECT_EQ(frame->CurrentHoldText->text(), Figure(c.shownHold));
}

INSTANTIATE_TEST_SUITE_P(
    Capacities, CapacityClickTest,
    testing::Values(CapacityCase{"Standard", 30, 20, 100, 0, 150, 100},
                    CapacityCase{"PlusFiveTruncates", 30, 20, 100, 5, 157, 107},
                    CapacityCase{"MinusFive", 30, 20, 100, -5, 142, 92},
                    CapacityCase{"PlusTen", 30, 20, 100, 10, 165, 115},
                    CapacityCase{"HalfCapacity", 30, 20, 100, -50, 75, 25},
                    CapacityCase{"NegativeHold", 30, 20, 100, -90, 15, -35},
                    CapacityCase{"MinusHundredIsZero", 30, 20, 100, -100, 0, -50},
                    CapacityCase{"BelowZeroTowardZero", 30, 20, 100, -101, -1, -51},
                    CapacityCase{"MinusTwoHundred", 30, 20, 100, -200, -150, -200},
                    CapacityCase{"NinetyNinePlusOne", 0, 0, 99, 1, 99, 99},
                    CapacityCase{"NinetyNineMinusOne", 0, 0, 99, -1, 98, 98}),
    testsupport::RowName());

TEST_F(ShipTabTest, CabinsAtTheirMaximumLeaveLessHold)
{
    Bind({{9, "30"}, {10, "20"}, {11, "100"}, {12, "0"}});
    ClickUp(frame->UpDown3, 20);
    EXPECT_EQ(frame->CurrentCabinsText->text(), "  45");
    EXPECT_EQ(frame->CurrentHoldText->text(), "  85");
}

// --- cabins and gun ports within their bounds ----------------------------------------------

struct AllotCase {
    const char* name;
    bool cabins; // else gun ports
    std::string standard;
    std::string minimumBase;
    const char* clicks; // + up, - down
    std::vector<int32_t> after;
};

class AllotmentClickTest : public ShipTabTest, public testing::WithParamInterface<AllotCase> {};

TEST_P(AllotmentClickTest, StepsWithinBounds)
{
    const AllotCase& c = GetParam();
    Bind({{9, c.cabins ? c.standard : "10"}, {10, c.cabins ? "10" : c.standard}, {12, c.minimumBase}});
    TUpDown* spinner = c.cabins ? frame->UpDown3 : frame->UpDown4;
    TStaticText* box = c.cabins ? frame->CurrentCabinsText : frame->CurrentPortsText;
    ASSERT_EQ(std::string(c.clicks).size(), c.after.size());
    for (std::size_t i = 0; i < c.after.size(); ++i) {
        c.clicks[i] == '+' ? ClickUp(spinner) : ClickDown(spinner);
        EXPECT_EQ(box->text(), Figure(c.after[i])) << "after click " << i + 1;
    }
    EXPECT_EQ(spinner->Position, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Allotments, AllotmentClickTest,
    testing::Values(AllotCase{"CabinsUpToTen", true, "7", "3", "++++", {8, 9, 10, 10}},
                    AllotCase{"CabinsDownToFour", true, "7", "3", "----", {6, 5, 4, 4}},
                    AllotCase{"CabinMinimumFromBase", true, "7", "5", "--", {6, 6}},
                    AllotCase{"MinimumAboveMaximum", true, "7", "10", "-++++", {7, 8, 9, 10, 10}},
                    AllotCase{"CabinsFourToTwelve", true, "8", "0", "+++++---------",
                              {9, 10, 11, 12, 12, 11, 10, 9, 8, 7, 6, 5, 4, 4}},
                    AllotCase{"OneCabinNeverMoves", true, "1", "0", "+-", {1, 1}},
                    AllotCase{"NoCabinsNeverMove", true, "0", "0", "+-", {0, 0}},
                    AllotCase{"MissingCabinsNeverMove", true, "", "", "+-", {-1, -1}},
                    AllotCase{"PortsFourToTen", false, "7", "", "++++-------", {8, 9, 10, 10, 9, 8, 7, 6, 5, 4, 4}},
                    AllotCase{"PortsFiveToThirteen", false, "9", "", "+++++", {10, 11, 12, 13, 13}},
                    AllotCase{"PortsTwoToFour", false, "3", "", "++---", {4, 4, 3, 2, 2}},
                    AllotCase{"PortsOneToThree", false, "2", "", "++---", {3, 3, 2, 1, 1}},
                    AllotCase{"OnePortNeverMoves", false, "1", "", "+-", {1, 1}},
                    AllotCase{"NoPortsNeverMove", false, "0", "", "+-", {0, 0}},
                    AllotCase{"NegativePortsNeverMove", false, "-7", "", "+-", {-7, -7}},
                    AllotCase{"MissingPortsNeverMove", false, "", "", "+-", {-1, -1}}),
    testsupport::RowName());

struct BoundTextCase {
    const char* name;
    std::string cabins, minimumBase, ports;
    const char* texts[6]; // cabin min, standard, max; port min, standard, max
};

class BoundTextTest : public ShipTabTest, public testing::WithParamInterface<BoundTextCase> {};

TEST_P(BoundTextTest, BindingShowsTheBounds)
{
    const BoundTextCase& c = GetParam();
    Bind({{9, c.cabins}, {10, c.ports}, {12, c.minimumBase}});
    const TStaticText* boxes[] = {frame->MinimumCabinsText, frame->DefaultCabinsText, frame->MaximumCabinsText,
                                  frame->MinimumPortsText,  frame->DefaultPortsText,  frame->MaximumPortsText};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(boxes[i]->text(), c.texts[i]) << boxes[i]->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, BoundTextTest,
    testing::Values(
        BoundTextCase{"BaseWins", "7", "5", "9", {"  6", "  7", "  10", "  5", "  9", "  13"}},
        BoundTextCase{"HalfWins", "20", "5", "1", {"  10", "  20", "  30", "  1", "  1", "  1"}},
        BoundTextCase{"EqualCandidates", "12", "5", "0", {"  6", "  12", "  18", "  0", "  0", "  0"}},
        BoundTextCase{"Eight", "8", "0", "7", {"  4", "  8", "  12", "  4", "  7", "  10"}},
        BoundTextCase{"NegativeCabins", "-5", "-100", "-7", {"  -3", "  -5", "  -7", "  -4", "  -7", "  -10"}},
        BoundTextCase{"Missing", "", "", "", {"  -1", "  -1", "  -1", "  -1", "  -1", "  -1"}},
        BoundTextCase{"SmallestWraps", Num(Min32), Num(Min32), Num(Min32),
                      {"  1717986919", "  -2147483648", "  1073741824", "  -1073741824", "  -2147483648",
                       "  1073741824"}}),
    testsupport::RowName());

// --- the ratio --------------------------------------------------------------------------------

TEST_F(ShipTabTest, RatioTextAcrossOneHundredFiftyClicksEachWay)
{
    Bind({{9, "30"}, {10, "20"}, {11, "100"}});
    EXPECT_EQ(frame->PercentText->text(), "   +0%");
    const std::map<int, const char*> shown = {{5, "   +5%"}, {10, "  +10%"}, {100, "  +100%"}, {150, "  +150%"}};
    for (int i = 1; i <= 150; ++i) {
        ClickUp(frame->UpDown1);
        if (const auto it = shown.find(i); it != shown.end()) {
            EXPECT_EQ(frame->PercentText->text(), it->second);
        }
    }
    const std::map<int, const char*> negative = {{-5, "   -5%"}, {-10, "  -10%"}, {-100, "  -100%"}, {-150, "  -150%"}};
    for (int i = 149; i >= -150; --i) {
        ClickDown(frame->UpDown1);
        if (const auto it = negative.find(i); it != negative.end()) {
            EXPECT_EQ(frame->PercentText->text(), it->second);
        }
    }
    EXPECT_EQ(P::Percent(*frame), -150);
    EXPECT_EQ(frame->UpDown1->Position, 1);
}

TEST_F(ShipTabTest, RatioPassesAThousand)
{
    Bind({});
    ClickUp(frame->UpDown1, 1000);
    EXPECT_EQ(frame->PercentText->text(), "  +1000%");
}

// --- material figures ------------------------------------------------------------------------

TEST_F(ShipTabTest, MissingFiguresShowQuestionMarksUntilACompleteMaterial)
{
    const std::string entries = "1/1/1,12/-1/30,5/6/-1,-2/-2/-2,1/2/3";
    Bind({}, &entries);
    const auto figures = [&] {
        return QStringList{frame->LSailText->text(), frame->SSailText->text(), frame->StrengthText->text()};
    };
    DoubleClickLine(view(), 1);
    EXPECT_EQ(figures(), (QStringList{"  12", "  ?", "  30"}));
    DoubleClickLine(view(), 2);
    EXPECT_EQ(figures(), (QStringList{"  5", "  6", "  ?"}));
    DoubleClickLine(view(), 3);
    EXPECT_EQ(figures(), (QStringList{"  -2", "  -2", "  -2"}));
    DoubleClickLine(view(), 2);
    DoubleClickLine(view(), 4);
    EXPECT_EQ(figures(), (QStringList{"  1", "  2", "  3"}));
    EXPECT_EQ(frame->MaterialText->text(), Utf8("  エルム"));
}

TEST_F(ShipTabTest, MaterialNameComesFromTheTableNotTheEditedLine)
{
    Bind({});
    view()->topLevelItem(6)->setText(0, "edited");
    DoubleClickLine(view(), 6);
    EXPECT_EQ(frame->MaterialText->text(), Utf8("  オーク"));
}

TEST_F(ShipTabTest, DoubleClickOnEmptyAreaWithNothingSelectedChangesNothing)
{
    Bind({{1, "1000"}, {25, "3"}});
    LeaveRoomBelowTheLines();
    ClickUp(frame->UpDown1, 2);
    const QStringList before = CalculatedTexts(*frame);
    const QPoint empty = EmptyPoint(view());
    ASSERT_NE(empty, QPoint(-1, -1));
    RealDoubleClick(view()->viewport(), empty);
    EXPECT_TRUE(view()->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(P::MaterialIndex(*frame), 4);
    EXPECT_EQ(CalculatedTexts(*frame), before);
}

TEST_F(ShipTabTest, DoubleClickOnEmptyAreaUsesTheSelectedLine)
{
    Bind({{1, "1000"}});
    LeaveRoomBelowTheLines();
    RealClick(view()->viewport(), view()->visualItemRect(view()->topLevelItem(4)).center());
    const QPoint empty = EmptyPoint(view());
    ASSERT_NE(empty, QPoint(-1, -1));
    RealDoubleClick(view()->viewport(), empty);
    EXPECT_EQ(frame->MaterialText->text(), Utf8("  エルム"));
    EXPECT_EQ(frame->PriceText->text(), "  720");
}

TEST_F(ShipTabTest, ClicksBesideTheLinesKeepTheSelection)
{
    Bind({});
    LeaveRoomBelowTheLines();
    const QPoint line = view()->visualItemRect(view()->topLevelItem(3)).center();
    RealClick(view()->viewport(), line);
    RealClick(view()->viewport(), EmptyPoint(view()));
    QTest::mousePress(view()->viewport(), Qt::LeftButton, Qt::NoModifier, line);
    QTest::mouseRelease(view()->viewport(), Qt::LeftButton, Qt::NoModifier, EmptyPoint(view()));
    const QModelIndexList selected = view()->selectionModel()->selectedIndexes();
    ASSERT_FALSE(selected.isEmpty());
    EXPECT_EQ(selected.first().row(), 3);
    EXPECT_TRUE(view()->hasFocus());
}

TEST_F(ShipTabTest, DoubleClickOnTheSelectedLineOpensNoEditor)
{
    Bind({});
    DoubleClickLine(view(), 2);
    DoubleClickLine(view(), 2);
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(view()->findChild<QLineEdit*>(), nullptr);
    EXPECT_EQ(frame->MaterialText->text(), Utf8("  レッドパイン"));
}

TEST_F(ShipTabTest, HeaderClickChangesNothing)
{
    Bind({});
    const QStringList before = CalculatedTexts(*frame);
    QHeaderView* header = view()->header();
    RealClick(header->viewport(), QPoint(header->sectionPosition(1) + 10, header->height() / 2));
    EXPECT_EQ(CalculatedTexts(*frame), before);
    EXPECT_EQ(view()->topLevelItem(0)->text(0), Utf8("親方"));
    EXPECT_FALSE(view()->isSortingEnabled());
}

// --- spinners ---------------------------------------------------------------------------------

TEST_F(ShipTabTest, DirectionNoneRefusesAndRewritesTheSameTexts)
{
    Bind({{1, "1000"}, {9, "7"}, {10, "9"}, {11, "50"}, {12, "3"}});
    ClickUp(frame->UpDown1, 3);
    ClickUp(frame->UpDown3);
    const QStringList before = CalculatedTexts(*frame);
    TShipTabFrame* f = frame;
    const std::function<void(bool&)> handlers[] = {
        [f](bool& allow) { f->UpDown1ChangingEx(f->UpDown1, allow, 1, updNone); },
        [f](bool& allow) { f->UpDown3ChangingEx(f->UpDown3, allow, 1, updNone); },
        [f](bool& allow) { f->UpDown4ChangingEx(f->UpDown4, allow, 1, updNone); },
    };
    for (const auto& handler : handlers) {
        frame->CurrentHoldText->setText("scribbled");
        bool allow = true;
        handler(allow);
        EXPECT_FALSE(allow);
        EXPECT_EQ(CalculatedTexts(*frame), before);
    }
    EXPECT_EQ(P::Percent(*frame), 3);
    EXPECT_EQ(P::CurrentCabins(*frame), 8);
    EXPECT_EQ(P::CurrentPorts(*frame), 9);
}

TEST_F(ShipTabTest, SecondRatioSpinnerIsDisabledAndChangesNothing)
{
    Bind({{1, "1000"}});
    const QStringList before = CalculatedTexts(*frame);
    ClickUp(frame->UpDown2);
    ClickDown(frame->UpDown2);
    EXPECT_EQ(CalculatedTexts(*frame), before);
    EXPECT_EQ(frame->UpDown2->Position, 1);
}

TEST_F(ShipTabTest, SpinnerPositionsNeverLeaveTheMiddle)
{
    Bind({{9, "8"}, {10, "8"}, {12, "0"}});
    for (TUpDown* spinner : {frame->UpDown1, frame->UpDown3, frame->UpDown4}) {
        ClickUp(spinner, 3);
        ClickDown(spinner, 3);
        EXPECT_EQ(spinner->Position, 1) << spinner->objectName().toStdString();
    }
}

// --- frames side by side, closing ------------------------------------------------------------

TEST(ShipTabFrames, CopiesOfOneRecordStayIndependent)
{
    const auto record = MakeShip({{1, "1000"}, {9, "7"}, {10, "9"}, {11, "50"}, {12, "3"}});
    QWidget page;
    auto* first = new TShipTabFrame(&page);
    auto* second = new TShipTabFrame(&page);
    first->BindShip(std::make_unique<CShipDataElement>(*record));
    second->BindShip(std::make_unique<CShipDataElement>(*record));
    page.show();
    const QStringList untouched = CalculatedTexts(*second);
    ClickUp(first->UpDown1, 4);
    ClickDown(first->UpDown3, 2);
    ClickUp(first->UpDown4);
    DoubleClickLine(first->MaterialView, 7);
    EXPECT_EQ(CalculatedTexts(*second), untouched);
    EXPECT_NE(CalculatedTexts(*first), untouched);
    EXPECT_NE(P::Ship(*first), P::Ship(*second));
    EXPECT_TRUE(second->MaterialView->selectionModel()->selectedIndexes().isEmpty());
}

TEST(ShipTabFrames, CloseButtonTakesItsTabOutInDesignedOrderAndDeletesThePage)
{
    QTabWidget tabs;
    QPointer<QWidget> pages[3];
    QPointer<TShipTabFrame> frames[3];
    const char* names[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        pages[i] = new QWidget;
        frames[i] = new TShipTabFrame(pages[i]);
        frames[i]->BindShip(MakeShip({}, nullptr, names[i]));
        tabs.addTab(pages[i], names[i]);
    }
    tabs.resize(600, 500);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    const auto close = [&](int i) {
        QToolButton* button = frames[i]->SpeedButton1;
        RealClick(button, button->rect().center());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(pages[i].isNull());
        EXPECT_TRUE(frames[i].isNull());
    };
    const auto current = [&] { return tabs.currentIndex() < 0 ? QString("-") : tabs.tabText(tabs.currentIndex()); };

    tabs.setCurrentIndex(1);
    close(1);
    EXPECT_EQ(current(), "C");
    close(2);
    EXPECT_EQ(current(), "A");
    close(0);
    EXPECT_EQ(tabs.count(), 0);
}

TEST(ShipTabFrames, CloseButtonOutsideATabWidgetDoesNothing)
{
    QWidget page;
    QPointer<TShipTabFrame> frame = new TShipTabFrame(&page);
    frame->BindShip(MakeShip({}));
    page.show();
    RealClick(frame->SpeedButton1, QPoint(9, 9));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(frame->isVisible());

    TShipTabFrame alone;
    alone.show();
    RealClick(alone.SpeedButton1, QPoint(9, 9));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alone.isVisible());
}

// --- extreme records ---------------------------------------------------------------------------

// Every figure at the ends of the int32 range, clicked many times: the texts stay consistent and
// (in the sanitizer build) nothing overflows.
class ExtremeRecordTest : public ShipTabTest, public testing::WithParamInterface<int32_t> {};

TEST_P(ExtremeRecordTest, ManyClicksStayConsistent)
{
    const std::string v = Num(GetParam());
    std::string entries;
    for (int i = 0; i < MaterialCount; ++i)
        entries += (i ? "," : "") + v + "/" + v + "/" + v;
    Bind({{1, v}, {4, v}, {9, v}, {10, v}, {11, v}, {12, v}, {25, v}}, &entries);
    for (int round = 0; round < 30; ++round) {
        ClickUp(frame->UpDown1, 3);
        ClickDown(frame->UpDown3, 2);
        ClickUp(frame->UpDown3);
        ClickDown(frame->UpDown4);
        ClickUp(frame->UpDown4, 2);
        DoubleClickLine(view(), round % MaterialCount);
        const int32_t hold =
            shiptab::Hold(P::CurrentCapacity(*frame), P::CurrentCabins(*frame), P::CurrentPorts(*frame));
        ASSERT_EQ(frame->CurrentHoldText->text(), Figure(hold));
        ASSERT_EQ(frame->CurrentCapacityText->text(), Figure(P::CurrentCapacity(*frame)));
        ASSERT_EQ(frame->PercentText->text().toStdString(), shiptab::PercentText(P::Percent(*frame)));
    }
    EXPECT_EQ(P::Percent(*frame), 90);
}

INSTANTIATE_TEST_SUITE_P(Extremes, ExtremeRecordTest, testing::Values(Min32, Max32, Min32 + 1, Max32 - 1),
                         [](const testing::TestParamInfo<int32_t>& info) {
                             return info.index == 0   ? std::string("Smallest")
                                    : info.index == 1 ? std::string("Largest")
                                    : info.index == 2 ? std::string("SmallestPlusOne")
                                                      : std::string("LargestMinusOne");
                         });

} // namespace
