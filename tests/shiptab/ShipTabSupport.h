#pragma once
// Records, clicks and state access for the ship tab's GUI tests.
#include "shiptab/ShipTab.h"

#include "support/Gui.h"
#include "support/ShipTabProbe.h"

#include <QPoint>
#include <QString>
#include <QTreeWidget>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>


namespace shiptabtest {

// Record columns by index (1 Price, 9 DefaultCabins, 10 DefaultPorts, 11 DefaultHold,
// 12 MinimumCabinsBase, 25 DefaultMaterial, ...); the rest are empty.
using Columns = std::initializer_list<std::pair<int, std::string>>;

// A ship line of thirty columns: the name, then the given columns, the rest empty.
inline std::string ShipLine(const std::string& name, Columns columns)
{
    std::string texts[30];
    texts[0] = name;
    for (const auto& [column, text] : columns)
        texts[column] = text;
    std::string line = texts[0];
    for (int c = 1; c < 30; ++c)
        line += "," + texts[c];
    return line;
}

// A record; `entries` is the material line after the name ("ls/ss/st,..."), or none at all.
inline std::unique_ptr<CShipDataElement> MakeShip(Columns columns, const std::string* entries = nullptr,
                                                  const std::string& name = "Ship")
{
    const std::string line = ShipLine(name, columns);
    if (entries == nullptr)
        return std::make_unique<CShipDataElement>(line, nullptr);
    const std::string_view view(*entries);
    return std::make_unique<CShipDataElement>(line, &view);
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

// The ten texts the calculator writes, for comparing before and after.
inline QStringList CalculatedTexts(const TShipTabFrame& f)
{
    return {f.CurrentCapacityText->text(), f.CurrentCabinsText->text(), f.CurrentPortsText->text(),
            f.CurrentHoldText->text(),     f.MaterialText->text(),      f.PriceText->text(),
            f.LSailText->text(),           f.SSailText->text(),         f.StrengthText->text(),
            f.PercentText->text()};
}

inline QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace shiptabtest
