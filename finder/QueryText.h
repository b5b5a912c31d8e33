#pragma once
// A query as a person types it on the page, and the words both finders show for it: the
// requirements' and orders' captions, and why a typed query cannot be searched for.
#include "finder/FindBuilds.h"

#include <optional>
#include <string>
#include <string_view>

namespace finder {

// The seven requirements in the windows' order, each with its bound's words (UTF-8).
struct Requirement {
    std::optional<int32_t> Query::*Field;
    const char* Name;    // the control's object name
    const char* Caption; // "縦帆"
    const char* Bound;   // " 以上"
    int32_t Most;        // the largest a person may ask for
};
extern const Requirement Requirements[7];
// The orders, in Goal's order.
extern const char* const GoalCaptions[6];

// Typed texts: a requirement left empty asks for nothing.
struct QueryTexts {
    bool Adventure = true, Trade = true, Combat = true;
    std::string Required[7];
    std::string LowestPercent = "0", HighestPercent = "30";
    int Goal = 0;
    bool EveryMaterial = false;
};
// The query the texts ask for, or why there is none, in words for the user.
struct ReadQuery {
    std::optional<Query> Asked;
    std::string Why;
};
ReadQuery ReadQueryTexts(const QueryTexts& texts);

} // namespace finder
