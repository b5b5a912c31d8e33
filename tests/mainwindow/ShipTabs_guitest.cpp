#include "mainwindow/MainWindow.h"

#include "shiptab/ShipTab.h"
#include "support/Gui.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "toolkit/Cp932.h"
#include "toolkit/ListBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <malloc.h>
#include <memory>

namespace {

// Bytes of the C heap in use, from the allocator's own count.
size_t HeapInUse()
{
#ifdef _WIN32
    size_t used = 0;
    _HEAPINFO entry{};
    while (_heapwalk(&entry) == _HEAPOK)
        used += entry._useflag == _USEDENTRY ? entry._size : 0;
    return used;
#else
    return mallinfo2().uordblks;
#endif
}

// name, price, then levels A/T/C; other figures fixed: cabins 10, ports 6, hold 20.
std::string Ship(const std::string& name, int price, int a, int t, int c)
{
    return testsupport::ShipLine(name,
                                 {{1, std::to_string(price)}, {9, "10"}, {10, "6"}, {11, "20"}, {12, "0"},
                                  {13, std::to_string(a)}, {14, std::to_string(t)}, {15, std::to_string(c)},
                                  {25, "-1"}},
                                 "1");
}

class ShipTabsTest : public testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<WorkingDirectory> cwd;
    std::unique_ptr<TMainForm> form;

    void open(const std::vector<std::string>& lines)
    {
        testsupport::WriteCatalogue(dir, lines, "\n");
        cwd = std::make_unique<WorkingDirectory>(dir.path());
        form = std::make_unique<TMainForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    QPoint rowCentre(int row) const
    {
        return form->ShipListBox->visualItemRect(form->ShipListBox->item(row)).center();
    }
    void doubleClickRow(int row) { RealDoubleClick(form->ShipListBox->viewport(), rowCentre(row)); }
    void doubleClickEmptyArea() { RealDoubleClick(form->ShipListBox->viewport(), QPoint(40, 300)); }

    int tabs() const { return form->ShipPageControl->count(); }
    QString caption(int i) const { return form->ShipPageControl->tabText(i); }
    TShipTabFrame* frame(int i) const
    {
        return form->ShipPageControl->widget(i)->findChild<TShipTabFrame*>("ShipTabFrame");
    }
    TShipTabFrame* current() const { return frame(form->ShipPageControl->currentIndex()); }
    static QString text(TShipTabFrame* f, const char* name) { return f->findChild<QLabel*>(name)->text(); }
    static void clickUp(QWidget* spinner) { RealClick(spinner, QPoint(spinner->width() * 3 / 4, spinner->height() / 2)); }
    void closeCurrent() { RealClick(current()->SpeedButton1, QPoint(9, 9)); }
};

} // namespace

TEST_F(ShipTabsTest, DoubleClickOpensTheSelectedShip)
{
    open({Ship("Alpha", 1000, 1, 1, 1), Ship("Beta", 2000, 1, 1, 1)});
    doubleClickRow(1);
    ASSERT_EQ(tabs(), 1);
    EXPECT_EQ(caption(0), "Beta");
    EXPECT_EQ(form->ShipPageControl->currentIndex(), 0);
    TShipTabFrame* f = frame(0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->geometry(), QRect(0, 0, 523, 428));
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(text(f, "ShipNameText"), "  Beta");
    EXPECT_EQ(text(f, "PriceText"), "  2000");

    // With an entry selected, a double-click below the last entry opens it again.
    doubleClickEmptyArea();
    ASSERT_EQ(tabs(), 2);
    EXPECT_EQ(caption(1), "Beta");
    EXPECT_EQ(form->ShipPageControl->currentIndex(), 1);
}

TEST_F(ShipTabsTest, NothingOpensWithoutASelection)
{
    open({Ship("Alpha", 1000, 1, 1, 1)});
    doubleClickEmptyArea();
    EXPECT_EQ(tabs(), 0);

    doubleClickRow(0);
    ASSERT_EQ(tabs(), 1);
    RealClick(form->CombatShipCheckBox, QPoint(6, 8)); // refill: no selection any more
    RealClick(form->CombatShipCheckBox, QPoint(6, 8));
    doubleClickEmptyArea();
    EXPECT_EQ(tabs(), 1);
}

TEST_F(ShipTabsTest, TabsOfOneShipAreIndependent)
{
    open({Ship("Alpha", 1000, 1, 1, 1)});
    doubleClickRow(0);
    doubleClickRow(0);
    ASSERT_EQ(tabs(), 2);
    EXPECT_EQ(caption(0), caption(1));
    TShipTabFrame* second = frame(1);
    clickUp(second->UpDown3);
    clickUp(second->UpDown1);
    EXPECT_EQ(text(second, "CurrentCabinsText"), "  11");
    EXPECT_EQ(text(second, "PercentText"), "   +1%");
    EXPECT_EQ(text(frame(0), "CurrentCabinsText"), "  10");
    EXPECT_EQ(text(frame(0), "PercentText"), "   +0%");
    EXPECT_EQ(text(frame(0), "CurrentCapacityText"), "  36");
}

TEST_F(ShipTabsTest, OpeningAndClosingOrder)
{
    open({Ship("A", 1, 1, 1, 1), Ship("B", 2, 1, 1, 1), Ship("C", 3, 1, 1, 1), Ship("D", 4, 1, 1, 1)});
    for (int row : {0, 1, 2})
        doubleClickRow(row);
    form->ShipPageControl->setCurrentIndex(2);
    doubleClickRow(3);
    ASSERT_EQ(tabs(), 4);
    EXPECT_EQ(caption(3), "D");
    EXPECT_EQ(form->ShipPageControl->currentIndex(), 3);

    closeCurrent(); // D, the last: the first becomes current
    ASSERT_EQ(tabs(), 3);
    EXPECT_EQ(caption(form->ShipPageControl->currentIndex()), "A");

    form->ShipPageControl->tabBar()->setCurrentIndex(1);
    QPointer<QWidget> closedPage = form->ShipPageControl->widget(1);
    closeCurrent(); // B: the following one, C, becomes current
    EXPECT_EQ(caption(form->ShipPageControl->currentIndex()), "C");
    closeCurrent(); // C, now last: back to A
    EXPECT_EQ(caption(form->ShipPageControl->currentIndex()), "A");
    closeCurrent();
    EXPECT_EQ(tabs(), 0);

    // A closed tab is destroyed once its click has been handled.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closedPage.isNull());
    EXPECT_EQ(form->ShipListBox->count(), 4) << "the list is not touched by tabs";
}

TEST_F(ShipTabsTest, FilteringLeavesOpenTabsAlone)
{
    open({Ship("Adv", 1, 9, 1, 1)});
    doubleClickRow(0);
    RealClick(form->AdventureShipCheckBox, QPoint(6, 8));
    EXPECT_EQ(form->ShipListBox->count(), 0);
    ASSERT_EQ(tabs(), 1);
    clickUp(current()->UpDown4);
    EXPECT_EQ(text(current(), "CurrentPortsText"), "  7");
}

TEST_F(ShipTabsTest, DuplicateEmptyAndSpecialNames)
{
    const std::string jp = testsupport::Sjis("大型ガレオン");
    open({Ship("Twin", 100, 1, 1, 1), Ship("", 200, 1, 1, 1), Ship("Twin", 300, 1, 1, 1), Ship(jp, 400, 1, 1, 1),
          Ship("Salt & Pepper", 500, 1, 1, 1)});
    doubleClickRow(2); // the second "Twin" opens the first record of that name
    EXPECT_EQ(text(current(), "PriceText"), "  100");
    doubleClickRow(1);
    EXPECT_EQ(caption(1), "");
    EXPECT_EQ(text(current(), "PriceText"), "  200");
    doubleClickRow(3);
    EXPECT_EQ(caption(2), QString::fromUtf8("大型ガレオン"));
    EXPECT_EQ(text(current(), "ShipNameText"), QString::fromUtf8("  大型ガレオン"));
    doubleClickRow(4);
    EXPECT_EQ(caption(3), "Salt && Pepper") << "shown as it is, not as a mnemonic";
    EXPECT_EQ(text(current(), "PriceText"), "  500");
}

// A huge name is shown cut, while the lookup still uses all of it.
TEST_F(ShipTabsTest, LongNameIsShownCutAndStillOpensItsShip)
{
    const std::string name(4 << 20, 'x');
    open({Ship(name + "y", 100, 1, 1, 1), Ship(name, 200, 1, 1, 1)});
    const QString shown = form->ShipListBox->item(1)->text();
    EXPECT_EQ(std::size_t(shown.size()), toolkit::ShownLength);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    doubleClickRow(1);
    EXPECT_EQ(caption(0), shown);
    EXPECT_EQ(text(current(), "ShipNameText"), QStringLiteral("  ") + shown);
    EXPECT_EQ(text(current(), "PriceText"), "  200");
}

TEST_F(ShipTabsTest, ClosingWithTabsOpenDestroysEverything)
{
    open({Ship("A", 1, 1, 1, 1)});
    for (int i = 0; i < 3; ++i)
        doubleClickRow(0);
    QPointer<TShipTabFrame> f = frame(1);
    form.reset();
    EXPECT_TRUE(f.isNull());
}

// A long, painted session, run under LeakSanitizer in CI: nothing of a closed tab may stay
// behind, not even what stays referenced until the end (the style's caches), which the
// sanitizer cannot see; the allocator's count of the heap in use catches that.
TEST_F(ShipTabsTest, FiveHundredOpensAndClosesLeaveNothingBehind)
{
    open({Ship("A", 1, 1, 1, 1), Ship("B", 2, 1, 1, 1), Ship("C", 3, 1, 1, 1)});
    size_t heapAfterWarmUp = 0;
    for (int i = 0; i < 500; ++i) {
        doubleClickRow(i % 3);
        if (i % 2 == 1)
            doubleClickRow((i + 1) % 3);
        QCoreApplication::processEvents(); // paints the pages
        while (tabs() > 0)
            closeCurrent();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (i == 99)
            heapAfterWarmUp = HeapInUse();
    }
    EXPECT_EQ(tabs(), 0);
    EXPECT_TRUE(form->findChildren<TShipTabFrame*>().isEmpty());
    // 600 tabs after the warm-up; palettes of each tab's own left 3 KB behind with each (1.8 MB).
    EXPECT_LT(HeapInUse(), heapAfterWarmUp + 200 * 1024);
}
