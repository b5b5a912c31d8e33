#include "mainwindow/MainWindow.h"

#include "shiptab/ShipTab.h"
#include "support/Gui.h"
#include "support/Records.h"
#include "support/RowName.h"
#include "support/TempDir.h"
#include "toolkit/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A main window on three ships, with what a user sees of it.
class Window {
public:
    Window()
    {
        std::vector<std::string> lines;
        for (const char* name : {"Alpha", "Beta", "Gamma"})
            lines.push_back(testsupport::ShipLine(
                name, {{1, "1000"}, {9, "10"}, {10, "6"}, {11, "20"}, {12, "0"}, {25, "-1"}}, "1"));
        testsupport::WriteCatalogue(dir, lines, "\n");
        cwd = std::make_unique<WorkingDirectory>(dir.path());
        form = std::make_unique<TMainForm>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TShipTabFrame* frame() const
    {
        QWidget* page = form->ShipPageControl->currentWidget();
        return page ? page->findChild<TShipTabFrame*>("ShipTabFrame") : nullptr;
    }
    void openRow(int row)
    {
        QListWidget* list = form->ShipListBox;
        RealDoubleClick(list->viewport(), list->visualItemRect(list->item(row)).center());
    }
    void clickLine(int row, bool twice = false)
    {
        QTreeWidget* view = frame()->MaterialView;
        const QPoint at = view->visualItemRect(view->topLevelItem(row)).center();
        twice ? RealDoubleClick(view->viewport(), at) : RealClick(view->viewport(), at);
    }
    void clickTab(int index)
    {
        QTabBar* bar = form->ShipPageControl->tabBar();
        RealClick(bar, bar->tabRect(index).center());
    }
    static void clickArrow(TUpDown* spinner, bool right)
    {
        RealClick(spinner, QPoint(spinner->width() * (right ? 3 : 1) / 4, spinner->height() / 2));
    }
    // A key as the keyboard sends it: to whatever has the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        QCoreApplication::processEvents();
    }

    // Everything a key or a click could change: the tabs and the current tab's build.
    QStringList state() const
    {
        QTabWidget* tabs = form->ShipPageControl;
        QStringList s{QString::number(tabs->currentIndex())};
        for (int i = 0; i < tabs->count(); ++i)
            s << tabs->tabText(i);
        if (TShipTabFrame* f = frame()) {
            s << testsupport::CalculatedTexts(*f);
            for (TUpDown* spinner : {f->UpDown1, f->UpDown3, f->UpDown4})
                s << QString::number(spinner->Position);
        }
        return s;
    }

    TempDir dir;
    std::unique_ptr<WorkingDirectory> cwd;
    std::unique_ptr<TMainForm> form;
};

using Action = std::function<void(Window&)>;

struct KeyRow {
    std::string name;
    Action prepare; // shared by both windows
    Action mouse;
    Action keys;
    bool changes; // whether the action changes what is shown
};

void PrintTo(const KeyRow& row, std::ostream* out)
{
    *out << row.name;
}

class KeyTest : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyTest, DoesWhatTheMouseDoes)
{
    const KeyRow& row = GetParam();
    QStringList byMouse, byKeys, before;
    {
        Window w;
        row.prepare(w);
        row.mouse(w);
        byMouse = w.state();
    }
    Window w;
    row.prepare(w);
    before = w.state();
    row.keys(w);
    byKeys = w.state();
    EXPECT_EQ(byKeys, byMouse);
    EXPECT_EQ(byKeys != before, row.changes) << before.join('|').toStdString();
}

// Opens Alpha and Beta and Gamma, then makes Beta current with the focus in its material list.
void ThreeTabs(Window& w)
{
    for (int row = 0; row < 3; ++row)
        w.openRow(row);
    w.clickTab(1);
    w.clickLine(0);
}

// Opens Alpha with the focus on its material list, then tabs `n` times.
Action TabbedIn(int n)
{
    return [n](Window& w) {
        w.openRow(0);
        w.clickLine(0);
        for (int i = 0; i < n; ++i)
            Window::press(Qt::Key_Tab);
    };
}

Action Spinner(TUpDown* TShipTabFrame::*member, bool right)
{
    return [member, right](Window& w) {
        w.frame()->MaterialView->setFocus();
        Window::clickArrow(w.frame()->*member, right);
        EXPECT_EQ(QApplication::focusWidget(), w.frame()->MaterialView) << "a click on a spinner took the focus";
    };
}

Action Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    return [key, mods](Window&) { Window::press(key, mods); };
}

const Action SelectBeta = [](Window& w) {
    w.form->ShipListBox->setFocus();
    w.form->ShipListBox->setCurrentRow(1);
};
const Action OpenBeta = [](Window& w) { w.openRow(1); };
const Action OpenAlphaOnLine3 = [](Window& w) {
    w.openRow(0);
    w.clickLine(3);
};
const Action Close = [](Window& w) { RealClick(w.frame()->SpeedButton1, QPoint(9, 9)); };

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    testing::Values(
        KeyRow{"ReturnOnShipListOpensTheSelectedShip", SelectBeta, OpenBeta, Key(Qt::Key_Return), true},
        KeyRow{"KeypadEnterOnShipListOpensTheSelectedShip", SelectBeta, OpenBeta,
               Key(Qt::Key_Enter, Qt::KeypadModifier), true},
        KeyRow{"ReturnOnACurrentButUnselectedShipOpensNothing",
               [](Window& w) {
                   w.form->ShipListBox->setFocus();
                   w.form->ShipListBox->setCurrentRow(1, QItemSelectionModel::NoUpdate);
               },
               [](Window& w) { RealDoubleClick(w.form->ShipListBox->viewport(), QPoint(40, 300)); },
               Key(Qt::Key_Return), false},
        KeyRow{"ReturnOnMaterialListChoosesTheSelectedLine", OpenAlphaOnLine3,
               [](Window& w) { w.clickLine(3, true); }, Key(Qt::Key_Return), true},
        KeyRow{"ReturnWhileEditingACaptionOnlyEndsTheEdit",
               [](Window& w) {
                   OpenAlphaOnLine3(w);
                   w.frame()->MaterialView->editItem(w.frame()->MaterialView->topLevelItem(3));
               },
               [](Window&) {},
               [](Window& w) {
                   ASSERT_NE(QApplication::focusWidget(), w.frame()->MaterialView); // the editor has it
                   Window::press(Qt::Key_Return);
                   EXPECT_EQ(QApplication::focusWidget(), w.frame()->MaterialView);
               },
               false},
        KeyRow{"TabThenLeftLowersTheRatio", TabbedIn(1), Spinner(&TShipTabFrame::UpDown1, false),
               Key(Qt::Key_Left), true},
        KeyRow{"TabThenRightRaisesTheRatio", TabbedIn(1), Spinner(&TShipTabFrame::UpDown1, true),
               Key(Qt::Key_Right), true},
        KeyRow{"TwoTabsSkipTheDisabledSpinnerAndRightAddsACabin", TabbedIn(2),
               Spinner(&TShipTabFrame::UpDown3, true), Key(Qt::Key_Right), true},
        KeyRow{"ThreeTabsThenLeftTakesAGunPort", TabbedIn(3), Spinner(&TShipTabFrame::UpDown4, false),
               Key(Qt::Key_Left), true},
        KeyRow{"CtrlWClosesTheCurrentTab", ThreeTabs, Close, Key(Qt::Key_W, Qt::ControlModifier), true},
        KeyRow{"CtrlF4ClosesTheCurrentTab", ThreeTabs, Close, Key(Qt::Key_F4, Qt::ControlModifier), true},
        KeyRow{"CtrlTabInTheMaterialListGoesToTheNextTab", ThreeTabs, [](Window& w) { w.clickTab(2); },
               Key(Qt::Key_Tab, Qt::ControlModifier), true},
        KeyRow{"CtrlShiftTabOnASpinnerGoesToThePreviousTab",
               [](Window& w) {
                   ThreeTabs(w);
                   Window::press(Qt::Key_Tab);
               },
               [](Window& w) { w.clickTab(0); }, Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier),
               true}),
    testsupport::RowName{});

// A screen reader hears each value box under its label's caption, with the figure as value.
TEST(Accessibility, ValueBoxesSpinnerArrowsAndThePageAreNamed)
{
    Window w;
    w.openRow(1);
    TShipTabFrame* f = w.frame();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->parentWidget())->text(QAccessible::Name), "Beta");

    const auto layout = TShipTabFrame::Layout();
    int values = 0;
    for (const TShipTabFrame::Control& c : layout) {
        QWidget* control = f->findChild<QWidget*>(c.Name);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(iface, nullptr) << c.Name;
        if (c.Colour == qRgb(255, 255, 255)) {
            // Its label is the box that ends where it starts, on the same line.
            const auto label = std::find_if(layout.begin(), layout.end(), [&](const TShipTabFrame::Control& l) {
                return l.Colour != c.Colour && l.Top == c.Top && l.Left + l.Width - 1 == c.Left;
            });
            ASSERT_NE(label, layout.end()) << c.Name;
            ++values;
            EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(label->Caption).trimmed()) << c.Name;
            const QString figure = static_cast<QLabel*>(control)->text().trimmed();
            EXPECT_EQ(iface->text(QAccessible::Value), figure) << c.Name;
            EXPECT_EQ(iface->text(QAccessible::Description), figure) << c.Name;
        } else if (auto* spinner = qobject_cast<TUpDown*>(control)) {
            ASSERT_EQ(iface->childCount(), 2) << c.Name;
            const QString down = iface->child(0)->text(QAccessible::Name);
            const QString up = iface->child(1)->text(QAccessible::Name);
            EXPECT_TRUE(!down.isEmpty() && !up.isEmpty() && down != up) << c.Name;
            EXPECT_EQ(iface->child(1)->parent(), iface);
            EXPECT_EQ(iface->child(0)->state().disabled, !spinner->isEnabled()) << c.Name;
        }
    }
    EXPECT_EQ(values, 32);
    // Pressing an arrow through the reader is a click on it.
    QAccessibleInterface* up = QAccessible::queryAccessibleInterface(f->UpDown1)->child(1);
    up->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f->PercentText->text(), "   +1%");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->PercentText)->text(QAccessible::Value), "+1%");
}

} // namespace
