#pragma once
// Records, clicks and state access for the ship tab's GUI tests.
#include "shiptab/ShipTab.h"

#include "support/Gui.h"
#include "support/Records.h"
#include "support/ShipTabProbe.h"

#include <QPoint>
#include <QString>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <utility>


namespace shiptabtest {

using testsupport::Columns;
using testsupport::CalculatedTexts;

// A record of a ship line with the given columns; `entries` as for MakeRecord.
inline std::unique_ptr<CShipDataElement> MakeShip(const Columns& columns, const std::string* entries = nullptr,
                                                  const std::string& name = "Ship")
{
    return testsupport::MakeRecord(testsupport::ShipLine(name, columns), entries);
}

// Real clicks on one half of a spinner.
inline void ClickUp(TUpDown* spinner, int times = 1)
{
    for (int i = 0; i < times; ++i)
        RealClick(spinner, QPoint(spinner->width() * 3 / 4, spinner->height() / 2));
}

inline void ClickDown(TUpDown* spinner, int times = 1)
{
    for (int i = 0; i < times; ++i)
        RealClick(spinner, QPoint(spinner->width() / 4, spinner->height() / 2));
}

// Real double-click on material line `row` (scrolled into view first); its press selects it.
inline void DoubleClickLine(QTreeWidget* view, int row)
{
    QTreeWidgetItem* line = view->topLevelItem(row);
    view->scrollToItem(line);
    RealDoubleClick(view->viewport(), view->visualItemRect(line).center());
}

// A point of the viewport where there is no line, or (-1, -1) when the lines fill it.
inline QPoint EmptyPoint(QTreeWidget* view)
{
    const QRect area = view->viewport()->rect();
    for (int y = area.bottom(); y >= 0; --y)
        for (int x = area.right(); x >= 0; x -= 4)
            if (!view->indexAt(QPoint(x, y)).isValid())
                return QPoint(x, y);
    return QPoint(-1, -1);
}

inline QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace shiptabtest
