#include "mainwindow/MainWindow.h"

#include "shiptab/ShipTab.h"
#include "mainwindow/KeyWindow.h"
#include "support/Gui.h"
#include "support/RowName.h"
#include "toolkit/ListBox.h"

#include <QAccessible>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::Window;
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

} // namespace
