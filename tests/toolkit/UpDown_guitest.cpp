#include "toolkit/UpDown.h"

#include "support/Gui.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Report {
    TUpDown* sender;
    short newValue;
    TUpDownDirection direction;
    bool operator==(const Report&) const = default;
};

class Spinner {
public:
    explicit Spinner(bool allow)
    {
        widget.setGeometry(10, 10, 33, 17);
        widget.OnChangingEx = [this, allow](TUpDown* sender, bool& allowChange, short newValue, TUpDownDirection d) {
            EXPECT_TRUE(allowChange); // set on entry, every time
            reports.push_back({sender, newValue, d});
            allowChange = allow;
        };
        widget.show();
    }
    void clickRight() { RealClick(&widget, QPoint(widget.width() - 3, 8)); }
    void clickLeft() { RealClick(&widget, QPoint(2, 8)); }

    TUpDown widget;
    std::vector<Report> reports;
};

struct ClickCase {
    const char* name;
    bool right;
    bool allow;
    std::vector<std::pair<short, TUpDownDirection>> reports; // for three clicks
    short finalPosition;
};

class UpDownClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(UpDownClickTest, ReportsThenMovesOnlyWhenAllowed)
{
    const ClickCase& c = GetParam();
    Spinner s(c.allow);
    for (int i = 0; i < 3; ++i)
        c.right ? s.clickRight() : s.clickLeft();
    std::vector<Report> expected;
    for (const auto& [value, direction] : c.reports)
        expected.push_back({&s.widget, value, direction});
    EXPECT_EQ(s.reports, expected);
    EXPECT_EQ(s.widget.Position, c.finalPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, UpDownClickTest,
    testing::Values(ClickCase{"RightRefusedReportsUpEveryTime", true, false, {{2, updUp}, {2, updUp}, {2, updUp}}, 1},
                    ClickCase{"LeftRefusedReportsDownEveryTime", false, false,
                              {{0, updDown}, {0, updDown}, {0, updDown}}, 1},
                    ClickCase{"RightAllowedStopsAtMaxThenReportsNone", true, true,
                              {{2, updUp}, {3, updNone}, {3, updNone}}, 2},
                    ClickCase{"LeftAllowedStopsAtMinThenReportsNone", false, true,
                              {{0, updDown}, {-1, updNone}, {-1, updNone}}, 0}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(UpDownTest, DisabledReportsNothing)
{
    Spinner s(true);
    s.widget.setEnabled(false);
    s.clickRight();
    s.clickLeft();
    s.widget.Step(updUp);
    EXPECT_TRUE(s.reports.empty());
    EXPECT_EQ(s.widget.Position, 1);
}

TEST(UpDownTest, DoubleClickStepsTwice)
{
    Spinner s(false);
    RealDoubleClick(&s.widget, QPoint(s.widget.width() - 8, 8));
    ASSERT_EQ(s.reports.size(), 2u);
    EXPECT_EQ(s.reports[1].direction, updUp);
}

TEST(UpDownTest, WithoutHandlerTheStepIsTaken)
{
    TUpDown spinner;
    spinner.resize(32, 17);
    spinner.show();
    // Windows may widen a window this small: the right half is found from the width.
    RealClick(&spinner, QPoint(spinner.width() - 8, 8));
    EXPECT_EQ(spinner.Position, 2);
    RealClick(&spinner, QPoint(spinner.width() - 8, 8));
    EXPECT_EQ(spinner.Position, 2);
}

TEST(UpDownTest, OtherButtonsDoNothing)
{
    Spinner s(true);
    QTest::mouseClick(&s.widget, Qt::RightButton, Qt::NoModifier, QPoint(25, 8));
    EXPECT_TRUE(s.reports.empty());
}

} // namespace
