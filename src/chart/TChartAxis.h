#pragma once

#include "chart/ChartChangeSink.h"
#include "chart/ChartStyle.h"
#include "chart/TFastLineSeries.h"

#include <QString>

namespace quorvel {

// The caption of an axis with its font and angle (90 reads upwards).
struct TChartAxisTitle {
    QString Caption;
    ChartFont Font;
    int Angle = 0;
    friend bool operator==(const TChartAxisTitle&, const TChartAxisTitle&) = default;
};

// One value axis of the chart: its range rule, label step wish, labels, ticks, grid
// and title. Newly created axes carry the component's defaults.
class TChartAxis : public ChartPart {
public:
    TChartAxis(ChartChangeSink* owner, TChartAxisId id);

    TChartAxisId Id() const { return id_; }
    bool Horizontal() const { return id_ == TChartAxisId::Bottom || id_ == TChartAxisId::Top; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Assign(visible_, v); }
    bool Automatic() const { return automatic_; }
    // Outside loading also sets AutomaticMinimum and AutomaticMaximum to the same value.
    void SetAutomatic(bool v);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool v) { Assign(automaticMinimum_, v); }
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool v) { Assign(automaticMaximum_, v); }
    double Minimum() const { return minimum_; }
    // Throws ChartError("Axis Minimum Value must be <= Maximum") outside loading.
    void SetMinimum(double v);
    double Maximum() const { return maximum_; }
    // Throws ChartError("Axis Maximum Value must be >= Minimum") outside loading.
    void SetMaximum(double v);
    double Increment() const { return increment_; }
    // Throws ChartError("Axis increment must be >= 0"), also while loading.
    void SetIncrement(double v);

    bool Labels() const { return labels_; }
    const ChartFont& LabelsFont() const { return labelsFont_; }
    int LabelsSeparation() const { return labelsSeparation_; }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    bool RoundFirstLabel() const { return roundFirstLabel_; }

    int TickLength() const { return tickLength_; }
    void SetTickLength(int v) { Assign(tickLength_, v); }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int v) { Assign(tickInnerLength_, v); }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int v) { Assign(minorTickLength_, v); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int v) { Assign(minorTickCount_, v); }

    const ChartPen& Axis() const { return axisPen_; }
    const ChartPen& Ticks() const { return ticks_; }
    void SetTicks(const ChartPen& p) { Assign(ticks_, p); }
    const ChartPen& TicksInner() const { return ticksInner_; }
    void SetTicksInner(const ChartPen& p) { Assign(ticksInner_, p); }
    const ChartPen& MinorTicks() const { return minorTicks_; }
    void SetMinorTicks(const ChartPen& p) { Assign(minorTicks_, p); }
    const ChartPen& Grid() const { return grid_; }
    void SetGrid(const ChartPen& p) { Assign(grid_, p); }
    const ChartPen& MinorGrid() const { return minorGrid_; }
    void SetMinorGrid(const ChartPen& p) { Assign(minorGrid_, p); }

    const TChartAxisTitle& Title() const { return title_; }
    void SetTitleCaption(const QString& caption);
    void SetTitleFont(const ChartFont& font);

    int StartPosition() const { return startPosition_; }
    int EndPosition() const { return endPosition_; }

private:
    TChartAxisId id_;
    bool visible_ = true;
    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    bool labels_ = true;
    ChartFont labelsFont_;
    int labelsSeparation_ = 10;
    bool labelsOnAxis_ = true;
    bool roundFirstLabel_ = true;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    ChartPen axisPen_{Qt::black, 2, ChartPen::Style::Solid, true};
    ChartPen ticks_{QColor(128, 128, 128), 1, ChartPen::Style::Solid, true};
    ChartPen ticksInner_{QColor(128, 128, 128), 1, ChartPen::Style::Solid, true};
    ChartPen minorTicks_{QColor(128, 128, 128), 1, ChartPen::Style::Solid, true};
    ChartPen grid_{QColor(128, 128, 128), 1, ChartPen::Style::Dotted, true};
    ChartPen minorGrid_{QColor(128, 128, 128), 1, ChartPen::Style::Dotted, false};
    TChartAxisTitle title_;
    int startPosition_ = 0;
    int endPosition_ = 100;
};

} // namespace quorvel
