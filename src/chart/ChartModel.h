#pragma once

#include "chart/ChartChangeSink.h"
#include "chart/ChartStyle.h"
#include "chart/ChartXBands.h"
#include "chart/TChartAxis.h"
#include "chart/TChartLegend.h"
#include "chart/TChartTitle.h"
#include "chart/TColorMapSeries.h"
#include "chart/TFastLineSeries.h"

#include <QColor>
#include <QLocale>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace quorvel {

// Everything a chart shows, without the widget: the series, the four axes, title,
// footer, legend, back wall and margins. The layout and the painter read it; the
// TChart widget owns one and repaints when it reports a change.
class ChartModel : public ChartChangeSink {
public:
    ChartModel();
    ChartModel(const ChartModel&) = delete;
    ChartModel& operator=(const ChartModel&) = delete;

    TChartAxis& Axis(TChartAxisId id) { return *axes_[static_cast<std::size_t>(id)]; }
    const TChartAxis& Axis(TChartAxisId id) const { return *axes_[static_cast<std::size_t>(id)]; }
    TChartAxis& BottomAxis() { return Axis(TChartAxisId::Bottom); }
    TChartAxis& TopAxis() { return Axis(TChartAxisId::Top); }
    TChartAxis& LeftAxis() { return Axis(TChartAxisId::Left); }
    TChartAxis& RightAxis() { return Axis(TChartAxisId::Right); }
    const TChartAxis& BottomAxis() const { return Axis(TChartAxisId::Bottom); }
    const TChartAxis& LeftAxis() const { return Axis(TChartAxisId::Left); }

    TChartTitle& Title() { return title_; }
    const TChartTitle& Title() const { return title_; }
    TChartTitle& Foot() { return foot_; }
    const TChartTitle& Foot() const { return foot_; }
    TChartLegend& Legend() { return legend_; }
    const TChartLegend& Legend() const { return legend_; }

    // Appends a series; the list order is the drawing and legend order.
    TFastLineSeries& AddSeries(const QString& name, QColor color);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TFastLineSeries& Series(int index) { return *series_.at(static_cast<std::size_t>(index)); }
    const TFastLineSeries& Series(int index) const {
        return *series_.at(static_cast<std::size_t>(index));
    }

    // The chart's colour map, drawn over the back wall below the axes and the curves;
    // without cells (as made) it shows nothing and changes nothing of the layout.
    TColorMapSeries& ColorMap() { return colorMap_; }
    const TColorMapSeries& ColorMap() const { return colorMap_; }

    int MarginLeft() const { return margins_[0]; }
    int MarginTop() const { return margins_[1]; }
    int MarginRight() const { return margins_[2]; }
    int MarginBottom() const { return margins_[3]; }
    void SetMargins(int left, int top, int right, int bottom);
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool v) { Assign(clipPoints_, v); }
    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool v) { Assign(axisVisible_, v); }
    bool View3D() const { return false; }
    QColor PanelColor() const { return panelColor_; }
    int BevelWidth() const { return bevelWidth_; }
    const ChartPen& BackWallPen() const { return backWallPen_; }
    QColor BackWallColor() const { return backWallColor_; }
    bool BackWallFilled() const { return backWallFilled_; }
    void SetBackWallBrush(QColor color, bool filled);

    // Stretches of the bottom axis shaded behind the curves, inside the plot, in
    // XBandColor; none by default.
    const std::vector<ChartXBand>& XBands() const { return xBands_; }
    void SetXBands(std::vector<ChartXBand> bands);
    QColor XBandColor() const { return xBandColor_; }

    // Separators of the axis labels; the desktop's own unless a test or tool sets one.
    const QLocale& LabelLocale() const { return labelLocale_; }
    void SetLabelLocale(const QLocale& locale);

    // While loading the stored configuration the range checks of the axes are off
    // and Automatic changes only itself.
    void BeginLoading() { loading_ = true; }
    void EndLoading() { loading_ = false; }
    bool IsLoading() const override { return loading_; }

    // Called on every visible change (a deferred repaint request).
    void SetChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
    void PartChanged() override;

private:
    template <class T> void Assign(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        PartChanged();
    }

    std::array<std::unique_ptr<TChartAxis>, 4> axes_;
    TChartTitle title_{this};
    TChartTitle foot_{this};
    TChartLegend legend_{this};
    std::vector<std::unique_ptr<TFastLineSeries>> series_;
    TColorMapSeries colorMap_{this};
    std::array<int, 4> margins_{3, 4, 3, 4};
    bool clipPoints_ = true;
    bool axisVisible_ = true;
    QColor panelColor_ = QColor(240, 240, 240); // the desktop's button face
    int bevelWidth_ = 1;
    ChartPen backWallPen_{Qt::black, 1, ChartPen::Style::Solid, true};
    QColor backWallColor_ = Qt::white;
    bool backWallFilled_ = true;
    std::vector<ChartXBand> xBands_;
    // Light enough to read as a background, dark enough that even the palest curve
    // keeps at least the contrast it has on the plain panel.
    QColor xBandColor_ = QColor(200, 200, 200);
    QLocale labelLocale_ = QLocale::system();
    bool loading_ = false;
    std::function<void()> onChange_;
};

} // namespace quorvel
