#pragma once

#include "chart/ChartChangeSink.h"
#include "chart/ChartStyle.h"
#include "chart/TChartValueList.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

namespace quorvel {

// The colour value that tells a point to use its series' colour.
inline constexpr std::uint32_t DefaultPointColour = 0x80000000u;

// Which of the chart's axes a series is measured on.
enum class TChartAxisId { Bottom = 0, Top = 1, Left = 2, Right = 3 };

// A line series drawn as one polyline, its points kept in X order.
class TFastLineSeries : public ChartPart {
public:
    TFastLineSeries(ChartChangeSink* owner, const QString& name, QColor color);

    const QString& Name() const { return name_; }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { Assign(title_, title); }
    QColor SeriesColor() const { return linePen_.color; }
    void SetSeriesColor(QColor color);
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool show) { Assign(showInLegend_, show); }
    bool Active() const { return active_; }
    void SetActive(bool active) { Assign(active_, active); }
    const ChartPen& LinePen() const { return linePen_; }
    void SetLinePen(const ChartPen& pen) { Assign(linePen_, pen); }
    TChartAxisId HorizAxis() const { return horizAxis_; }
    TChartAxisId VertAxis() const { return vertAxis_; }

    const TChartValueList& XValues() const { return xValues_; }
    const TChartValueList& YValues() const { return yValues_; }
    TChartValueList& XValues() { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    int Count() const { return static_cast<int>(xValues_.Count()); }
    const QString& Label(int index) const { return labels_[static_cast<std::size_t>(index)]; }
    std::uint32_t PointColour(int index) const { return colours_[static_cast<std::size_t>(index)]; }

    // Stores a point at its place in the X order (equal X keep their order of
    // arrival) and returns its index.
    int AddPoint(double x, double y, const QString& label = QString(),
                 std::uint32_t colour = DefaultPointColour);
    // Removes all points.
    void ClearPoints();

private:
    std::size_t InsertIndex(double x) const;

    QString name_;
    QString title_;
    bool showInLegend_ = true;
    bool active_ = true;
    ChartPen linePen_;
    TChartAxisId horizAxis_ = TChartAxisId::Bottom;
    TChartAxisId vertAxis_ = TChartAxisId::Left;
    TChartValueList xValues_{"X", TChartListOrder::loAscending};
    TChartValueList yValues_{"Y", TChartListOrder::loNone};
    std::vector<QString> labels_;
    std::vector<std::uint32_t> colours_;
};

} // namespace quorvel
