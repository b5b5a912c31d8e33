#include "mainwindow/MainWindow.h"

#include "support/Gui.h"
#include "support/Records.h"
#include "support/TempDir.h"
#include "toolkit/ListBox.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using testsupport::Sjis;

// A ship line with the given name and boarding levels (columns 13, 14, 15); "" leaves one empty.
std::string ShipLine(const std::string& name, const std::string& a, const std::string& t, const std::string& c)
{
    return testsupport::ShipLine(name, {{1, "1000"}, {13, a}, {14, t}, {15, c}}, "1");
}

// Test data in a temporary working directory, and the main window built in it.
class MainWindowTest : public testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<WorkingDirectory> cwd;
    std::unique_ptr<ModalWatcher> boxes;
    std::unique_ptr<TMainForm> form;

    void writeShips(const std::vector<std::string>& lines) { testsupport::WriteCatalogue(dir, lines); }

    void open()
    {
        cwd = std::make_unique<WorkingDirectory>(dir.path());
        boxes = std::make_unique<ModalWatcher>();
        form = std::make_unique<TMainForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < form->ShipListBox->count(); ++i)
            out << form->ShipListBox->item(i)->text();
        return out;
    }

    bool hasSelection() const { return form->ShipListBox->selectionModel()->hasSelection(); }

    void clickBox(QCheckBox* box) { RealClick(box, QPoint(6, box->height() / 2)); }

    void selectRow(int row)
    {
        const QRect r = form->ShipListBox->visualItemRect(form->ShipListBox->item(row));
        RealClick(form->ShipListBox->viewport(), r.center());
    }
};

} // namespace

TEST(ShipTypeRule, Table)
{
    struct Row {
        int32_t a, t, c;
        ShipType type;
    } rows[] = {
        {11, 10, 10, ShipType::Adventure}, {10, 11, 10, ShipType::Trade},   {10, 10, 11, ShipType::Combat},
        {10, 10, 5, ShipType::Trade},      {10, 5, 10, ShipType::Combat},   {5, 10, 10, ShipType::Combat},
        {7, 7, 7, ShipType::Combat},       {-1, -1, -1, ShipType::Combat},  {0, -1, -1, ShipType::Adventure},
        {-1, 0, -1, ShipType::Trade},      {INT32_MIN, INT32_MAX, INT32_MAX, ShipType::Combat},
        {INT32_MAX, INT32_MIN, INT32_MAX - 1, ShipType::Adventure},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ShipTypeOf(r.a, r.t, r.c), r.type) << r.a << ' ' << r.t << ' ' << r.c;
}

TEST_F(MainWindowTest, LayoutAndStart)
{
    writeShips({ShipLine("A", "3", "1", "1")});
    open();
    EXPECT_EQ(form->size(), QSize(695, 453));
    EXPECT_EQ(form->windowTitle(), "MainForm");
    // The program's icon, in every size the desktops ask for, once the window is painted.
    QTRY_VERIFY(!form->windowIcon().isNull());
    const QList<QSize> iconSizes = form->windowIcon().availableSizes();
    EXPECT_EQ(iconSizes.size(), 7);
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(iconSizes.contains(QSize(side, side))) << side;
    EXPECT_EQ(form->ShipListBox->geometry(), QRect(0, 0, 161, 369));
    EXPECT_EQ(form->ShipListBox->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(form->ShipListBox->isSortingEnabled());
    const struct {
        QCheckBox* box;
        const char* name;
        const char* caption;
        int top;
    } rows[] = {{form->AdventureShipCheckBox, "AdventureShipCheckBox", "冒険船", 376},
                 {form->TradeShipCheckBox, "TradeShipCheckBox", "商用船", 400},
                 {form->CombatShipCheckBox, "CombatShipCheckBox", "戦闘船", 424}};
    for (const auto& b : rows) {
        EXPECT_EQ(b.box->objectName(), b.name);
        EXPECT_EQ(b.box->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(b.box->geometry(), QRect(8, b.top, 97, 17));
        EXPECT_TRUE(b.box->isChecked());
    }
    EXPECT_EQ(form->ShipPageControl->geometry(), QRect(165, 0, 530, 453));
    EXPECT_EQ(form->ShipPageControl->count(), 0);
    EXPECT_EQ(form->findChild<QWidget*>("ShipListBox"), form->ShipListBox);
    EXPECT_EQ(form->findChild<QWidget*>("ShipPageControl"), form->ShipPageControl);
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_FALSE(hasSelection());

    // Tab order: list, the three boxes, the page control.
    const auto nextStop = [](QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (n != w && (w->isAncestorOf(n) || !(n->focusPolicy() & Qt::TabFocus)))
            n = n->nextInFocusChain();
        return n;
    };
    EXPECT_EQ(nextStop(form->ShipListBox), form->AdventureShipCheckBox);
    EXPECT_EQ(nextStop(form->AdventureShipCheckBox), form->TradeShipCheckBox);
    EXPECT_EQ(nextStop(form->TradeShipCheckBox), form->CombatShipCheckBox);
    EXPECT_EQ(nextStop(form->CombatShipCheckBox), form->ShipPageControl);
    EXPECT_TRUE(boxes->texts.isEmpty());
}

TEST_F(MainWindowTest, FilterCombinations)
{
    writeShips({ShipLine("Adv", "20", "1", "1"), ShipLine("Trd", "1", "20", "1"), ShipLine("Cmb", "1", "1", "20"),
                ShipLine("Adv2", "0", "", ""), ShipLine("Tie", "", "", "")});
    open();
    QCheckBox* const boxesInOrder[] = {form->AdventureShipCheckBox, form->TradeShipCheckBox, form->CombatShipCheckBox};
    const QStringList byType[] = {{"Adv", "Adv2"}, {"Trd"}, {"Cmb", "Tie"}};
    const QStringList all{"Adv", "Trd", "Cmb", "Adv2", "Tie"};
    EXPECT_EQ(entries(), all);

    // Walk all eight combinations, flipping one box at a time (Gray code).
    bool checked[3] = {true, true, true};
    for (int step = 1; step <= 8; ++step) {
        const int flip = step % 8 == 0 ? 0 : __builtin_ctz(step);
        clickBox(boxesInOrder[flip]);
        checked[flip] = !checked[flip];
        ASSERT_EQ(boxesInOrder[flip]->isChecked(), checked[flip]);
        QStringList expected;
        for (const QString& name : all)
            for (int t = 0; t < 3; ++t)
                if (checked[t] && byType[t].contains(name))
                    expected << name;
        EXPECT_EQ(entries(), expected) << "step " << step;
    }
}

TEST_F(MainWindowTest, FilterChangeClearsSelection)
{
    writeShips({ShipLine("A", "20", "1", "1"), ShipLine("T", "1", "20", "1")});
    open();
    selectRow(1);
    ASSERT_TRUE(hasSelection());
    clickBox(form->AdventureShipCheckBox);
    EXPECT_EQ(entries(), QStringList{"T"});
    EXPECT_FALSE(hasSelection()) << "the selected ship stays listed, but unselected";
    clickBox(form->AdventureShipCheckBox);
    EXPECT_EQ(entries(), (QStringList{"A", "T"}));
    EXPECT_FALSE(hasSelection());

    // A click on the empty area below the entries keeps the selection.
    selectRow(0);
    RealClick(form->ShipListBox->viewport(), QPoint(20, 300));
    EXPECT_TRUE(hasSelection());
}

TEST_F(MainWindowTest, DuplicateEmptyAndJapaneseNames)
{
    // 0x81E6 and 0x879A decode to the same character: the entry keeps its own bytes.
    const std::string because = Sjis("∵"), nec = "\x87\x9a";
    writeShips({ShipLine("Dup", "1", "1", "1"), ShipLine("", "1", "1", "1"), ShipLine("Dup", "1", "1", "1"),
                ShipLine(Sjis("大型ガレオン"), "1", "1", "1"), ShipLine(nec, "1", "1", "1"),
                ShipLine("<b>x</b>&y", "1", "1", "1")});
    open();
    EXPECT_EQ(entries(), (QStringList{"Dup", "", "Dup", QString::fromUtf8("大型ガレオン"), QString::fromUtf8("∵"),
                                      "<b>x</b>&y"}));
    const QByteArray kept = form->ShipListBox->item(4)->data(Qt::UserRole).toByteArray();
    EXPECT_EQ(kept.toStdString(), nec);
    EXPECT_NE(kept.toStdString(), because);
}

TEST_F(MainWindowTest, StartWithoutDataFolder)
{
    open();
    ASSERT_EQ(boxes->texts.size(), 2);
    EXPECT_EQ(boxes->texts[0], QString::fromUtf8("船種ファイル名が無効: ./data/ship_varietion.csv"));
    EXPECT_EQ(boxes->texts[1], QString::fromUtf8("船材質ファイル名が無効: ./data/ship_material.csv"));
    EXPECT_EQ(form->ShipListBox->count(), 0);
    for (QCheckBox* box : {form->AdventureShipCheckBox, form->TradeShipCheckBox, form->CombatShipCheckBox}) {
        clickBox(box);
        EXPECT_EQ(form->ShipListBox->count(), 0);
    }
    EXPECT_EQ(form->ShipPageControl->count(), 0);
}

TEST_F(MainWindowTest, MessageBoxesComeBeforeTheWindow)
{
    cwd = std::make_unique<WorkingDirectory>(dir.path());
    boxes = std::make_unique<ModalWatcher>();
    bool anyWindowVisible = false;
    boxes->inspect = [&](QWidget* box) {
        EXPECT_EQ(static_cast<int>(qobject_cast<QMessageBox*>(box)->icon()), static_cast<int>(QMessageBox::NoIcon));
        EXPECT_EQ(qobject_cast<QMessageBox*>(box)->buttons().size(), 1);
        for (QWidget* w : QApplication::topLevelWidgets())
            anyWindowVisible = anyWindowVisible || (qobject_cast<TMainForm*>(w) && w->isVisible());
    };
    form = std::make_unique<TMainForm>();
    EXPECT_EQ(boxes->texts.size(), 2);
    EXPECT_FALSE(anyWindowVisible);
    EXPECT_EQ(boxes->titles[0], QApplication::applicationDisplayName());
}

TEST_F(MainWindowTest, CreateEventFillsTheListOnce)
{
    writeShips({ShipLine("A", "1", "1", "1")});
    cwd = std::make_unique<WorkingDirectory>(dir.path());
    form = std::make_unique<TMainForm>();
    EXPECT_EQ(form->ShipListBox->count(), 0) << "nothing is filled while building";
    QSignalSpy fills(form->ShipListBox->model(), &QAbstractItemModel::modelReset);
    form->show();
    EXPECT_EQ(form->ShipListBox->count(), 1) << "filled before the window is first shown";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    form->hide();
    form->show();
    EXPECT_EQ(fills.count(), 1);
}

TEST_F(MainWindowTest, CreateEventRunsFromTheLoopWithoutAShow)
{
    writeShips({ShipLine("A", "1", "1", "1")});
    cwd = std::make_unique<WorkingDirectory>(dir.path());
    form = std::make_unique<TMainForm>();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->ShipListBox->count(), 1);
}

TEST_F(MainWindowTest, Resizing)
{
    writeShips({});
    open();
    for (const QSize size : {QSize(900, 600), QSize(695, 453), QSize(600, 300)}) {
        form->resize(size);
        EXPECT_EQ(form->ShipListBox->geometry(), QRect(0, 0, 161, 369));
        EXPECT_EQ(form->CombatShipCheckBox->geometry(), QRect(8, 424, 97, 17));
        EXPECT_EQ(form->ShipPageControl->geometry(), QRect(form->width() - 530, 0, 530, form->height()));
    }
}
