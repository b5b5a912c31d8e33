#pragma once
// One description per column of a copied build: the box that shows it, its caption, its value
// for a build and how that becomes its text. The tab, the copies, the finder and the page all
// read this one table, so a figure is added in one place.
#include "shiptab/TabTexts.h"

#include <cstdint>
#include <string>

namespace shiptab {

// What a build works out once for the columns that need it.
struct Figures {
    int32_t Capacity;
    int32_t Price;
};
Figures FiguresOf(const CShipDataElement& ship, const Build& build);

// How a value becomes its box's text.
enum class Shown {
    Name,           // the record's name itself
    Material,       // "  " and the material's name
    Percent,        // "  +5%"
    Figure,         // "  n"
    MaterialFigure, // "  n", "  ?" for a missing figure
};

struct Column {
    const char* Box;     // the object name of the box that shows it
    const char* Caption; // its caption in a copy's header row, UTF-8
    Shown As;
    bool Calculated; // changes with the build; else fixed by the record
    // The material line for the material, the ratio for the percent, else the figure (-1 for a
    // missing material figure); the name has no value.
    int32_t (*Value)(const CShipDataElement&, const Build&, const Figures&);
    // Figures line up on the right in a table; the name and the material on the left.
    bool IsNumber() const { return As != Shown::Name && As != Shown::Material; }
    // A material figure that is missing shows as "?".
    bool Missing(int32_t value) const { return As == Shown::MaterialFigure && value == -1; }
};

// Indexed by box::Text.
extern const Column Columns[box::Count];

// The text a column's box shows, in code page 932 bytes.
std::string ColumnText(const Column& column, const CShipDataElement& ship, const Build& build, const Figures& figures);

} // namespace shiptab
