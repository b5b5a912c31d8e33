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

// The finder's own words (UTF-8), in both windows.
namespace words {
inline constexpr const char* Title = "ビルドを探す";
inline constexpr const char* Open = "ビルドを探す…"; // what shows the finder
inline constexpr const char* Types = "船の種類";
inline constexpr const char* Percent = "比率調整";
inline constexpr const char* LowestPercent = "比率調整の下限";
inline constexpr const char* HighestPercent = "比率調整の上限";
inline constexpr const char* From = "から";
inline constexpr const char* To = "まで";
inline constexpr const char* Goal = "並べ方";
inline constexpr const char* EveryMaterial = "材質ごと";
inline constexpr const char* EveryMaterialMeaning = "船ごとに一番よい材質だけでなく、材質ごとに一行";
inline constexpr const char* Results = "見つかったビルド";
inline constexpr const char* Rows = "件"; // after the number of rows
inline constexpr const char* NoRequirement = "指定なし";
} // namespace words

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
