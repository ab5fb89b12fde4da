#pragma once

namespace quorvel {

// What the parts of a chart (axes, titles, legend, series) tell their chart: that
// something visible changed, and whether the chart is still being set up from its
// stored configuration (some checks and side effects are skipped then).
class ChartChangeSink {
public:
    virtual void PartChanged() = 0;
    virtual bool IsLoading() const = 0;

protected:
    ~ChartChangeSink() = default;
};

// Base of every chart part: stores a value and reports a change only when it differs.
class ChartPart {
public:
    explicit ChartPart(ChartChangeSink* owner) : owner_(owner) {}
    ChartPart(const ChartPart&) = delete;
    ChartPart& operator=(const ChartPart&) = delete;

protected:
    template <class T> void Assign(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed() {
        if (owner_)
            owner_->PartChanged();
    }
    bool Loading() const { return owner_ && owner_->IsLoading(); }

private:
    ChartChangeSink* owner_;
};

} // namespace quorvel
