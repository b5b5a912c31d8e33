#pragma once
// The main window as the keyboard tests drive it: real clicks, keys to the focus widget.
#include "mainwindow/MainWindow.h"
#include "shiptab/ShipTab.h"
#include "support/Gui.h"
#include "support/Records.h"
#include "support/ShipTabProbe.h"
#include "support/TempDir.h"
#include "toolkit/ListBox.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// A main window on the given ships (three by default), driven as a user drives it.
struct Window {
    static std::vector<std::string> ThreeShips()
    {
        std::vector<std::string> lines;
        for (const char* name : {"Alpha", "Beta", "Gamma"})
            lines.push_back(testsupport::ShipLine(name, {{1, "1000"}, {9, "10"}, {10, "6"}, {11, "20"}}, "1"));
        return lines;
    }
    explicit Window(const std::vector<std::string>& ships = ThreeShips()) : written(Write(dir, ships))
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

    static bool Write(const TempDir& dir, const std::vector<std::string>& ships)
    {
        testsupport::WriteCatalogue(dir, ships, "\n");
        return true;
    }

    TempDir dir;
    bool written; // before the window reads the files
    WorkingDirectory cwd{dir.path()};
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    toolkit::TListBox* list = form->ShipListBox;
};

} // namespace testsupport
