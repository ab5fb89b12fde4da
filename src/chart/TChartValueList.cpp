#include "chart/TChartValueList.h"

namespace quorvel {

double TChartValueList::MinValue() const {
    Recompute();
    return min_;
}

double TChartValueList::MaxValue() const {
    Recompute();
    return max_;
}

void TChartValueList::Insert(std::size_t index, double value) {
    values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(index), value);
    statsValid_ = false;
}

void TChartValueList::Clear() {
    values_.clear();
    statsValid_ = false;
}

void TChartValueList::Recompute() const {
    if (statsValid_)
        return;
    min_ = 0;
    max_ = 0;
    if (!values_.empty()) {
        min_ = values_.front();
        max_ = values_.front();
        for (double v : values_) {
            if (v < min_)
                min_ = v;
            if (v > max_)
                max_ = v;
        }
    }
    statsValid_ = true;
}

} // namespace quorvel
