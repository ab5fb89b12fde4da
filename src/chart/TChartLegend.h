#pragma once

#include "chart/ChartChangeSink.h"
#include "chart/ChartStyle.h"

namespace quorvel {

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };

// The legend: a framed box listing the series that show in it, with their line
// symbols and titles. This chart lays it out at the bottom (laBottom).
class TChartLegend : public ChartPart {
public:
    using ChartPart::ChartPart;

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Assign(visible_, v); }
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment a) { Assign(alignment_, a); }
    const ChartFont& Font() const { return font_; }
    void SetFont(const ChartFont& f) { Assign(font_, f); }
    QColor Color() const { return color_; }
    const ChartPen& Frame() const { return frame_; }
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int v) { Assign(shadowSize_, v); }
    QColor ShadowColor() const { return shadowColor_; }
    int ColorWidth() const { return colorWidth_; }
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int v) { Assign(maxNumRows_, v); }
    int TopPos() const { return topPos_; }
    bool ResizeChart() const { return resizeChart_; }
    int HorizMargin() const { return horizMargin_; }
    int VertMargin() const { return vertMargin_; }

private:
    bool visible_ = true;
    TLegendAlignment alignment_ = TLegendAlignment::laRight;
    ChartFont font_;
    QColor color_ = Qt::white;
    ChartPen frame_{Qt::black, 1, ChartPen::Style::Solid, true};
    int shadowSize_ = 3;
    QColor shadowColor_ = Qt::black;
    int colorWidth_ = 12;
    int maxNumRows_ = 10;
    int topPos_ = 10;
    bool resizeChart_ = true;
    int horizMargin_ = 0;
    int vertMargin_ = 0;
};

} // namespace quorvel
