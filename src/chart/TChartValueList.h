#pragma once

#include <cstddef>
#include <vector>

namespace quorvel {

enum class TChartListOrder { loNone, loAscending, loDescending };

// One value list of a series (its X or its Y values). Keeps its minimum and maximum,
// recomputed from all values only when asked for after a change.
class TChartValueList {
public:
    TChartValueList(const char* name, TChartListOrder order) : name_(name), order_(order) {}

    const char* Name() const { return name_; }
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) { order_ = order; }
    double Multiplier() const { return multiplier_; }
    bool DateTime() const { return false; }

    std::size_t Count() const { return values_.size(); }
    double Value(std::size_t index) const { return values_[index]; }
    double operator[](std::size_t index) const { return values_[index]; }
    const std::vector<double>& Values() const { return values_; }

    double MinValue() const;
    double MaxValue() const;

    void Insert(std::size_t index, double value);
    void Clear();

private:
    void Recompute() const;

    const char* name_;
    TChartListOrder order_;
    double multiplier_ = 1.0;
    std::vector<double> values_;
    mutable bool statsValid_ = true;
    mutable double min_ = 0;
    mutable double max_ = 0;
};

} // namespace quorvel
