#include "finder/QueryText.h"

#include "shiptab/BuildRows.h"

namespace finder {

const Requirement Requirements[7] = {
    {&Query::MinLSail, "MinLSailEdit", "縦帆", " 以上", 9'999'999},
    {&Query::MinSSail, "MinSSailEdit", "横帆", " 以上", 9'999'999},
    {&Query::MinStrength, "MinStrengthEdit", "耐久", " 以上", 9'999'999},
    {&Query::MinCabins, "MinCabinsEdit", "船室", " 以上", 9'999'999},
    {&Query::MinPorts, "MinPortsEdit", "砲室", " 以上", 9'999'999},
    {&Query::MinHold, "MinHoldEdit", "倉庫", " 以上", 9'999'999},
    {&Query::MaxPrice, "MaxPriceEdit", "価格", " 以下", 999'999'999},
};

const char* const GoalCaptions[6] = {"価格の安い順", "倉庫の広い順", "縦帆の高い順", "横帆の高い順", "縦帆と横帆の和の高い順", "耐久の高い順"};

ReadQuery ReadQueryTexts(const QueryTexts& t)
{
    Query q;
    q.Adventure = t.Adventure, q.Trade = t.Trade, q.Combat = t.Combat;
    q.EveryMaterial = t.EveryMaterial;
    if (t.Goal < 0 || t.Goal > int(Goal::Strength))
        return {std::nullopt, "並べ方がありません"};
    q.LookFor = static_cast<Goal>(t.Goal);
    const auto quoted = [](const std::string& text) { return "「" + text + "」"; };
    for (int i = 0; i < 7; ++i) {
        const Requirement& r = Requirements[i];
        if (t.Required[i].find_first_not_of(' ') == std::string::npos)
            continue;
        const std::optional<int32_t> value = shiptab::ReadWholeNumber(t.Required[i], false);
        if (!value || *value < 0 || *value > r.Most)
            return {std::nullopt, std::string(r.Caption) + quoted(t.Required[i]) + "は 0 から " + std::to_string(r.Most)
                                      + " までの整数にしてください"};
        q.*r.Field = *value;
    }
    const std::pair<const std::string*, int32_t*> percents[] = {{&t.LowestPercent, &q.LowestPercent},
                                                                {&t.HighestPercent, &q.HighestPercent}};
    for (const auto& [text, field] : percents) {
        const std::optional<int32_t> value = shiptab::ReadWholeNumber(*text, true);
        if (!value || *value < -PercentLimit || *value > PercentLimit)
            return {std::nullopt, "比率調整" + quoted(*text) + "は -" + std::to_string(PercentLimit) + " から "
                                      + std::to_string(PercentLimit) + " までの整数にしてください"};
        *field = *value;
    }
    if (q.LowestPercent > q.HighestPercent)
        return {std::nullopt, "比率調整の下限が上限より大きくなっています"};
    return {q, {}};
}

} // namespace finder
