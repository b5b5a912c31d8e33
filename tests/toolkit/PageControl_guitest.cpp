#include "toolkit/PageControl.h"

#include <QPointer>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

struct Tabs {
    QTabWidget control;
    QWidget* page[3];
    Tabs()
    {
        const char* names[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            page[i] = new QWidget;
            control.addTab(page[i], names[i]);
        }
        control.show();
    }
    QString current() const { return control.currentIndex() < 0 ? "-" : control.tabText(control.currentIndex()); }
};

struct RemoveCase {
    const char* name;
    int current;
    int removed; // 3: a page not in the control
    const char* newCurrent;
    int count;
};

class RemovePageTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemovePageTest, CurrentPageAfterRemoval)
{
    const RemoveCase& c = GetParam();
    Tabs tabs;
    QWidget stranger;
    tabs.control.setCurrentIndex(c.current);
    QWidget* removed = c.removed < 3 ? tabs.page[c.removed] : &stranger;
    QPointer<QWidget> alive(removed);
    toolkit::RemovePage(&tabs.control, removed);
    EXPECT_EQ(tabs.current(), c.newCurrent);
    EXPECT_EQ(tabs.control.count(), c.count);
    EXPECT_FALSE(alive.isNull()); // taken out, not destroyed
    if (c.removed < 3)
        delete removed;
}

INSTANTIATE_TEST_SUITE_P(Removals, RemovePageTest,
                         testing::Values(RemoveCase{"FollowerBecomesCurrent", 1, 1, "C", 2},
                                         RemoveCase{"LastGivesWayToFirst", 2, 2, "A", 2},
                                         RemoveCase{"FirstGivesWayToSecond", 0, 0, "B", 2},
                                         RemoveCase{"OtherPageLeavesCurrentAlone", 1, 0, "B", 2},
                                         RemoveCase{"LaterPageLeavesCurrentAlone", 0, 2, "A", 2},
                                         RemoveCase{"ForeignPageIsIgnored", 1, 3, "B", 3}),
                         [](const testing::TestParamInfo<RemoveCase>& info) { return std::string(info.param.name); });

TEST(RemovePageTest, ClosingOrderDownToEmpty)
{
    Tabs tabs;
    tabs.control.setCurrentIndex(1);
    toolkit::RemovePage(&tabs.control, tabs.page[1]);
    EXPECT_EQ(tabs.current(), "C");
    toolkit::RemovePage(&tabs.control, tabs.page[2]);
    EXPECT_EQ(tabs.current(), "A");
    toolkit::RemovePage(&tabs.control, tabs.page[0]);
    EXPECT_EQ(tabs.control.count(), 0);
    EXPECT_EQ(tabs.current(), "-");
}

} // namespace
