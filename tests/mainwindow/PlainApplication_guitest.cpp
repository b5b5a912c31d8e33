// The main window as a tool that embeds it builds it, under a plain QApplication: an
// unreadable data file is still reported by the window's message box.
#include "mainwindow/MainWindow.h"

#include "support/Gui.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(PlainApplicationTest, ReportsAMissingFileInABox)
{
    TempDir dir;
    dir.write("data/ship_varietion.csv", "h\r\n");
    const WorkingDirectory in(dir.path());
    ModalWatcher boxes;
    const TMainForm form;
    EXPECT_EQ(boxes.texts, QStringList{QString::fromUtf8("船材質ファイル名が無効: ./data/ship_material.csv")});
}
