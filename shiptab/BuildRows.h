#pragma once
// Builds as text, without widgets: tab-separated UTF-8 rows that spreadsheets split into cells,
// one build a row under one header row; links to a build; and the way back from either to
// builds, with what was refused as data that both front ends word the same way.
#include "shiptab/TabTexts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shiptab {

// The header's captions, and the header row, ending in a line feed.
std::vector<std::string> BuildHeaderCells();
std::string BuildHeaderRow();
// A build's cells, unquoted: the ship's whole name, then what its tab shows in each box without
// the blanks around it.
std::vector<std::string> BuildCells(const CShipDataElement& ship, const Build& build);
// The same as a row ending in a line feed; a cell holding a tab, a line break or a double quote
// is quoted, as spreadsheets do.
std::string BuildRow(const CShipDataElement& ship, const Build& build);

// A whole number in 32 bits, blanks around it, an optional sign, and a "%" after it where
// allowed: how pasted cells and typed figures are read.
std::optional<int32_t> ReadWholeNumber(std::string_view text, bool percent);

// A link's fragment (what follows "#"): the first five cells of the build's row,
// "ship=NAME&material=MATERIAL&ratio=+5&cabins=C&ports=P", each percent-encoded UTF-8.
std::string LinkFragment(const CShipDataElement& ship, const Build& build);

// Why a row or a link opens nothing, with what it names.
struct Refusal {
    enum class Why { TooFewCells, NoShip, NoMaterial, RatioNotWhole, CabinsOutOfReach, PortsOutOfReach, NotALink };
    int Line; // where the row starts, from 1
    Why Reason;
    std::string Cell; // the cell in question as written, blanks removed (UTF-8)
    Range Reach{0, 0}; // for cabins and gun ports
};
struct PastedBuild {
    const CShipDataElement* Ship;
    Build Asked;
};
struct PastedRows {
    std::vector<PastedBuild> Builds; // in row order
    std::vector<Refusal> Refused;
};

// Reads rows as copies write them (the header row optional, cells after the fifth not read),
// or, where every line is one, links. A row opens nothing unless its ship is in the catalogue,
// its material one of the names, its ratio a whole number and its cabins and gun ports values
// the tab's spinners reach.
PastedRows ReadPasted(std::string_view text, const CShipDataManager& catalogue);
// One link: a fragment, with or without what comes before its "#".
PastedRows ReadLink(std::string_view link, const CShipDataManager& catalogue);

// The words for the user: one refusal, and the message for refused pasted rows or a link.
std::string RefusalText(const Refusal& refusal);
std::string PasteRefusedMessage(const std::vector<Refusal>& refused);
std::string LinkRefusedMessage(const Refusal& refusal);

} // namespace shiptab
