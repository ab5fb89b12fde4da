#pragma once

#include <optional>

namespace quorvel {

// Which process parameter a sweep runs over; the other two stay at their entered values.
enum class SweptParameter { Ratio, Temperature, Pressure };

// Which results are shown: the dry or the wet product-gas composition, or the product
// ratios H2/CO and CO2/CO (computed from the wet composition).
enum class ResultView { Dry, Wet, ProductRatios };

inline constexpr int SweptParameterCount = 3;
inline constexpr int ResultViewCount = 3;

// The kinds in their order, for loops over all of them.
inline constexpr SweptParameter AllSweptParameters[SweptParameterCount] = {
    SweptParameter::Ratio, SweptParameter::Temperature, SweptParameter::Pressure};
inline constexpr ResultView AllResultViews[ResultViewCount] = {ResultView::Dry, ResultView::Wet,
                                                               ResultView::ProductRatios};

// The position of a kind in its list (a radio item index, a caption table row).
constexpr int IndexOf(SweptParameter kind) {
    return static_cast<int>(kind);
}
constexpr int IndexOf(ResultView kind) {
    return static_cast<int>(kind);
}

// The one range check where an integer comes in (a radio item index): the kind at that
// position, or nothing for an index outside the list.
constexpr std::optional<SweptParameter> SweptParameterAt(int index) {
    if (index < 0 || index >= SweptParameterCount)
        return std::nullopt;
    return AllSweptParameters[index];
}
constexpr std::optional<ResultView> ResultViewAt(int index) {
    if (index < 0 || index >= ResultViewCount)
        return std::nullopt;
    return AllResultViews[index];
}

} // namespace quorvel
